#pragma once

// What can go wrong with the bytes on the line: noise at the wrong speed,
// corrupted bytes, over-long lines between sentences.

#include <cstdint>
#include <random>
#include <string>

namespace varo::sim {

class LineFaults {
public:
    explicit LineFaults(std::uint32_t seed) : FRandom(seed) {}

    // What the tool receives when its speed differs from ours: as many bytes
    // as the line, of any value, with CR LF every 24 bytes or so, as a real
    // UART read at the wrong speed gives short junk lines.
    std::string Noise(std::size_t length);
    // Replaces each byte but CR and LF, with probability `rate`, by another
    // byte that is neither CR, LF nor zero.
    void Corrupt(std::string& line, double rate);
    // A line of 100 characters (CR LF not counted): over the 82 a sentence may have.
    static std::string LongLine();
    // True with probability `rate`.
    bool Chance(double rate);

private:
    std::mt19937 FRandom;
};

} // namespace varo::sim