#pragma once

// Which of the 24 NMEA 0183 sentences the gateway emits. The states travel in
// the five identifiers of a CTT sentence, one decimal digit per sentence.

#include <array>
#include <cstdint>

namespace varo::sim {

// Tags of the output selection; 11 belongs to no sentence.
enum OutputTag : std::uint8_t {
    otGGA = 0,
    otGLL,
    otGSA,
    otGSV,
    otRMC,
    otVTG,
    otZDA,
    otROT,
    otHDT,
    otHDG,
    otVDM,
    otDSC = 12,
    otRSA,
    otVHW,
    otVLW,
    otDPT,
    otDBT,
    otXTE,
    otAPB,
    otVWR,
    otMWV,
    otMWD,
    otMTW,
    otVDR,
};
inline constexpr std::size_t kOutputTagCount = 25;

struct OutputDigit {
    OutputTag tag;
    std::uint8_t slot;     // 0 to 4: the CTT identifier that carries it
    std::int32_t position; // the power of ten of its digit
};

inline constexpr std::array<OutputDigit, 24> kOutputDigits = {{
    {otGGA, 0, 100000}, {otGLL, 0, 10000},  {otGSA, 0, 1000},   {otGSV, 0, 100},
    {otRMC, 0, 10},     {otVTG, 0, 1},      {otZDA, 1, 100000}, {otROT, 1, 10000},
    {otHDT, 1, 1000},   {otHDG, 1, 100},    {otVDM, 1, 10},     {otDSC, 2, 100000},
    {otRSA, 2, 10000},  {otVHW, 2, 1000},   {otVLW, 2, 100},    {otDPT, 2, 10},
    {otDBT, 2, 1},      {otXTE, 3, 100000}, {otAPB, 3, 10000},  {otVWR, 3, 1000},
    {otMWV, 3, 100},    {otMWD, 3, 10},     {otMTW, 3, 1},      {otVDR, 4, 100000},
}};

class OutputSelection {
public:
    OutputSelection() { SetAll(1); }

    void SetAll(std::uint8_t state);
    bool IsOn(OutputTag tag) const { return FStates[tag] != 0; }
    std::uint8_t State(OutputTag tag) const { return FStates[tag]; }
    void Set(OutputTag tag, std::uint8_t state) { FStates[tag] = state; }

    // The five identifiers that carry the states.
    std::array<std::int32_t, 5> Pack() const;
    // Takes each state from its digit; negative identifiers count as 0.
    void Unpack(const std::array<std::int32_t, 5>& identifiers);

private:
    std::array<std::uint8_t, kOutputTagCount> FStates{};
};

} // namespace varo::sim