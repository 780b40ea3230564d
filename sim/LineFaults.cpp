#include "sim/LineFaults.h"

namespace varo::sim {
namespace {

bool IsLineByte(unsigned char c) {
    return c == '\r' || c == '\n' || c == 0;
}

} // namespace

std::string LineFaults::Noise(std::size_t length) {
    std::uniform_int_distribution<int> byte(1, 255);
    std::string noise(length, '\0');
    for (char& c : noise) {
        int value = byte(FRandom);
        if (value == '\n') value = 0xFF;
        c = static_cast<char>(value);
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
