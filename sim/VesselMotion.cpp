#include "sim/VesselMotion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace varo::sim {
namespace {

constexpr double kRadians = std::numbers::pi / 180.0;
constexpr double kSecondsPerHour = 3600.0;
constexpr double kMinutesPerDegree = 60.0; // one nautical mile per minute of latitude

double Wrap360(double degrees) {
    const double wrapped = std::fmod(degrees, 360.0);
    return wrapped < 0 ? wrapped + 360.0 : wrapped;
}

} // namespace

void AdvanceVessel(Vessel& v, double seconds) {
    const double distance = v.speedKnots * seconds / kSecondsPerHour; // nautical miles
    const double course = v.courseDegrees * kRadians;
    v.latitude += distance * std::cos(course) / kMinutesPerDegree;
    const double parallel = std::max(std::cos(v.latitude * kRadians), 0.01);
    v.longitude += distance * std::sin(course) / (kMinutesPerDegree * parallel);
    if (v.longitude > 180.0) v.longitude -= 360.0;
    if (v.longitude < -180.0) v.longitude += 360.0;
    v.courseDegrees = Wrap360(v.courseDegrees + v.rateOfTurn * seconds / 60.0);
}

// Leaving the roads of a harbour on the south-west coast of Taiwan, heading north-west.
OwnShip::OwnShip() : FVessel{22.6105, 120.2630, 305.0, 12.4, 0.0} {}

void OwnShip::AdvanceTo(double elapsedSeconds) {
    if (elapsedSeconds <= FElapsed) return;
    // The helmsman swings the course a few degrees either side over ten minutes.
    FVessel.rateOfTurn = 2.0 * std::sin(2.0 * std::numbers::pi * elapsedSeconds / 600.0);
    AdvanceVessel(FVessel, elapsedSeconds - FElapsed);
    FDistance += FVessel.speedKnots * (elapsedSeconds - FElapsed) / kSecondsPerHour;
    FElapsed = elapsedSeconds;
}

double OwnShip::HeadingDegrees() const {
    return Wrap360(FVessel.courseDegrees - 1.5);
}

double OwnShip::DepthMetres() const {
    return 42.0 + 6.0 * std::sin(FElapsed / 90.0);
}

double OwnShip::WindAngleDegrees() const {
    return Wrap360(35.0 + 10.0 * std::sin(FElapsed / 45.0));
}

double OwnShip::WindSpeedKnots() const {
    return 14.0 + 3.0 * std::sin(FElapsed / 30.0);
}

double OwnShip::WaterTemperature() const {
    return 26.5 + 0.3 * std::sin(FElapsed / 300.0);
}

double OwnShip::WaterSpeedKnots() const {
    return FVessel.speedKnots - 0.6;
}

} // namespace varo::sim