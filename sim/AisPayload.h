#pragma once

// Builds AIS message payloads: a bit packer, the six-bit text alphabet and the
// armoring into VDM payload characters. The codec only decodes, so the
// gateway packs its own.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varo::sim {

class AisBitWriter {
public:
    // Appends the low `width` bits of `value`, most significant first; a
    // negative value is written in two's complement.
    void Put(std::int64_t value, unsigned width);
    // Appends `chars` six-bit characters of `text`, padded with '@'; letters
    // are taken in upper case, characters outside the alphabet become '@'.
    void PutText(std::string_view text, unsigned chars);
    std::size_t BitCount() const { return FBits.size(); }

    // The payload characters and the fill bits that complete the last one.
    std::string Armored(unsigned& fillBits) const;

private:
    std::vector<bool> FBits;
};

// Position and motion as AIS carries them.
struct AisPosition {
    double latitude;  // degrees, south negative
    double longitude; // degrees, west negative
    double speedKnots;
    double courseDegrees;
    int headingDegrees; // 511 when not available
    int utcSecond;
};

struct AisStaticData {
    std::uint32_t imo;
    std::string callSign;
    std::string name;
    int shipType;
    int toBow, toStern, toPort, toStarboard;
    double draughtMetres;
    std::string destination;
    int etaMonth, etaDay, etaHour, etaMinute;
};

// Message 1, class A position report (168 bits).
std::string PositionReportA(std::uint32_t mmsi, int navigationalStatus, int rateOfTurn,
                            const AisPosition& position, unsigned& fillBits);
// Message 18, class B position report (168 bits).
std::string PositionReportB(std::uint32_t mmsi, const AisPosition& position, unsigned& fillBits);
// Message 5, static and voyage related data (424 bits: two sentences).
std::string StaticVoyageData(std::uint32_t mmsi, const AisStaticData& data, unsigned& fillBits);

} // namespace varo::sim