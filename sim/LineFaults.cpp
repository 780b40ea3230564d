#include "sim/LineFaults.h"

namespace varo::sim {
namespace {

bool IsLineByte(unsigned char c) {
    return c == '\r' || c == '\n' || c == 0;
}

} // namespace

std::string LineFaults::Noise(std::size_t length) {
    // Every byte value comes out of a UART read at the wrong speed, CR and LF
    // among them, so the noise is cut into short junk lines.
    std::uniform_int_distribution<int> byte(1, 255);
    std::bernoulli_distribution lineEnd(1.0 / 24);
    std::string noise;
    noise.reserve(length);
    while (noise.size() < length) {
        if (lineEnd(FRandom) && noise.size() + 2 <= length) {
            noise += "\r\n";
            continue;
        }
        noise += static_cast<char>(byte(FRandom));
    }
    return noise;
}

void LineFaults::Corrupt(std::string& line, double rate) {
    if (rate <= 0) return;
    std::bernoulli_distribution hit(rate);
    std::uniform_int_distribution<int> delta(1, 255);
    for (char& c : line) {
        if (IsLineByte(static_cast<unsigned char>(c)) || !hit(FRandom)) continue;
        unsigned char replaced = 0;
        do {
            replaced = static_cast<unsigned char>(static_cast<unsigned char>(c) ^ delta(FRandom));
        } while (IsLineByte(replaced));
        c = static_cast<char>(replaced);
    }
}

std::string LineFaults::LongLine() {
    std::string line = "$GPTXT,01,01,02,OVERLONG LINE FROM A NOISY TALKER ";
    line.resize(100, '-');
    return line + "\r\n";
}

bool LineFaults::Chance(double rate) {
    if (rate <= 0) return false;
    return std::uniform_real_distribution<double>(0.0, 1.0)(FRandom) < rate;
}

} // namespace varo::sim
