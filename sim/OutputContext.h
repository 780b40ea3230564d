#pragma once

// What the output sentences of one batch are written from: the time of day
// and the own ship's state.

#include "sim/VesselMotion.h"

#include <chrono>

namespace varo::sim {

struct UtcStamp {
    int year, month, day;
    int hour, minute, second, hundredths;
};

UtcStamp ToUtcStamp(std::chrono::system_clock::time_point time);

// A satellite of the simulated constellation.
struct Satellite {
    int prn, elevation, azimuth, snr;
};
inline constexpr Satellite kSatellites[] = {
    {2, 67, 41, 45}, {5, 22, 301, 38},  {7, 48, 118, 44}, {9, 15, 205, 33},  {13, 39, 262, 41},
    {15, 9, 33, 29}, {18, 56, 170, 46}, {20, 28, 92, 40}, {24, 12, 327, 31}, {30, 73, 254, 47},
};
inline constexpr int kSatellitesInUse = 8; // the first eight give the fix

struct OutputContext {
    UtcStamp time;
    const OwnShip& ship;
};

inline constexpr double kMagneticVariation = -3.5; // degrees, west negative

} // namespace varo::sim