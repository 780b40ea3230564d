#pragma once

// A vessel under way: position advancing with course and speed, a slow
// swing of the course, and the readings of its sensors (depth, wind, water).

#include <cstdint>
#include <string>

namespace varo::sim {

struct Vessel {
    double latitude;      // degrees
    double longitude;     // degrees
    double courseDegrees; // over ground, true
    double speedKnots;    // over ground
    double rateOfTurn;    // degrees per minute, starboard positive
};

// Moves the vessel `seconds` ahead along its course (plane sailing).
void AdvanceVessel(Vessel& vessel, double seconds);

// The own ship and its surroundings, all driven by the time since start.
class OwnShip {
public:
    OwnShip();
    // Advances to `elapsedSeconds` since start; times never go back.
    void AdvanceTo(double elapsedSeconds);

    const Vessel& Motion() const { return FVessel; }
    double HeadingDegrees() const;   // true heading: course plus a small leeway
    double DepthMetres() const;      // below the transducer
    double WindAngleDegrees() const; // relative
    double WindSpeedKnots() const;
    double WaterTemperature() const; // Celsius
    double WaterSpeedKnots() const;
    double DistanceRun() const { return FDistance; } // nautical miles since start

private:
    Vessel FVessel;
    double FElapsed = 0;
    double FDistance = 0;
};

// An AIS target: its motion, identity and voyage.
struct AisTarget {
    std::uint32_t mmsi;
    bool classB;
    Vessel motion;
    std::string name;
    std::string callSign;
    std::uint32_t imo;
    int shipType;
    std::string destination;
};

} // namespace varo::sim