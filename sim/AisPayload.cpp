#include "sim/AisPayload.h"

#include <algorithm>
#include <cmath>

namespace varo::sim {
namespace {

constexpr int kSixBitWidth = 6;

// The six-bit alphabet: '@' to '_' are 0 to 31, ' ' to '?' are 32 to 63.
unsigned SixBitCode(char c) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    const auto u = static_cast<unsigned char>(c);
    if (u >= 64 && u <= 95) return u - 64;
    if (u >= 32 && u <= 63) return u;
    return 0;
}

// Armoring: 0 to 39 become '0' to 'W', 40 to 63 become '`' to 'w'.
char ArmorChar(unsigned value) {
    const unsigned code = value + 48;
    return static_cast<char>(code > 87 ? code + 8 : code);
}

std::int64_t Scaled(double value, double scale) {
    return static_cast<std::int64_t>(std::lround(value * scale));
}

// Longitude and latitude in 1/10000 minute, speed in 1/10 knot, course in 1/10 degree.
void PutPosition(AisBitWriter& bits, const AisPosition& p) {
    bits.Put(std::min<std::int64_t>(Scaled(p.speedKnots, 10), 1022), 10);
    bits.Put(1, 1); // position accuracy: high
    bits.Put(Scaled(p.longitude, 600000), 28);
    bits.Put(Scaled(p.latitude, 600000), 27);
    bits.Put(Scaled(std::fmod(p.courseDegrees + 360.0, 360.0), 10) % 3600, 12);
    bits.Put(p.headingDegrees, 9);
    bits.Put(p.utcSecond, 6);
}

} // namespace

void AisBitWriter::Put(std::int64_t value, unsigned width) {
    for (unsigned i = width; i-- > 0;)
        FBits.push_back(((value >> i) & 1) != 0);
}

void AisBitWriter::PutText(std::string_view text, unsigned chars) {
    for (unsigned i = 0; i < chars; ++i)
        Put(i < text.size() ? SixBitCode(text[i]) : 0, kSixBitWidth);
}

std::string AisBitWriter::Armored(unsigned& fillBits) const {
    fillBits = static_cast<unsigned>((kSixBitWidth - FBits.size() % kSixBitWidth) % kSixBitWidth);
    std::string payload;
    unsigned value = 0, count = 0;
    for (bool bit : FBits) {
        value = (value << 1) | (bit ? 1u : 0u);
        if (++count == kSixBitWidth) {
            payload.push_back(ArmorChar(value));
            value = count = 0;
        }
    }
    if (count > 0) payload.push_back(ArmorChar(value << (kSixBitWidth - count)));
    return payload;
}

std::string PositionReportA(std::uint32_t mmsi, int navigationalStatus, int rateOfTurn,
                            const AisPosition& position, unsigned& fillBits) {
    AisBitWriter bits;
    bits.Put(1, 6);
    bits.Put(0, 2); // repeat indicator
    bits.Put(mmsi, 30);
    bits.Put(navigationalStatus, 4);
    bits.Put(rateOfTurn, 8);
    PutPosition(bits, position);
    bits.Put(0, 2);  // manoeuvre indicator
    bits.Put(0, 3);  // spare
    bits.Put(0, 1);  // RAIM
    bits.Put(0, 19); // radio status
    return bits.Armored(fillBits);
}

std::string PositionReportB(std::uint32_t mmsi, const AisPosition& position, unsigned& fillBits) {
    AisBitWriter bits;
    bits.Put(18, 6);
    bits.Put(0, 2);
    bits.Put(mmsi, 30);
    bits.Put(0, 8); // regional reserved
    PutPosition(bits, position);
    bits.Put(0, 2);  // regional reserved
    bits.Put(1, 1);  // carrier-sense unit
    bits.Put(0, 1);  // no display
    bits.Put(0, 1);  // no DSC
    bits.Put(1, 1);  // whole marine band
    bits.Put(1, 1);  // accepts message 22
    bits.Put(0, 1);  // autonomous mode
    bits.Put(0, 1);  // RAIM
    bits.Put(0, 20); // radio status
    return bits.Armored(fillBits);
}

std::string StaticVoyageData(std::uint32_t mmsi, const AisStaticData& d, unsigned& fillBits) {
    AisBitWriter bits;
    bits.Put(5, 6);
    bits.Put(0, 2);
    bits.Put(mmsi, 30);
    bits.Put(0, 2); // AIS version
    bits.Put(d.imo, 30);
    bits.PutText(d.callSign, 7);
    bits.PutText(d.name, 20);
    bits.Put(d.shipType, 8);
    bits.Put(d.toBow, 9);
    bits.Put(d.toStern, 9);
    bits.Put(d.toPort, 6);
    bits.Put(d.toStarboard, 6);
    bits.Put(1, 4); // position fixing device: GPS
    bits.Put(d.etaMonth, 4);
    bits.Put(d.etaDay, 5);
    bits.Put(d.etaHour, 5);
    bits.Put(d.etaMinute, 6);
    bits.Put(Scaled(d.draughtMetres, 10), 8);
    bits.PutText(d.destination, 20);
    bits.Put(0, 1); // DTE available
    bits.Put(0, 1); // spare
    return bits.Armored(fillBits);
}

} // namespace varo::sim