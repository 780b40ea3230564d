// The field names of every field set, in stored order: snake_case names
// that `varo-nmea decode` prints as JSON keys and the data view as field names.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "sentence/FieldLayout.h"

namespace varo {
namespace {

constexpr FieldLayout Key(const char* name, FieldKind type, std::size_t offset) {
    return {name, type, static_cast<std::uint16_t>(offset)};
}
constexpr FieldLayout Text(const char* name, std::size_t offset, std::size_t size) {
    return {name, FieldKind::Text, static_cast<std::uint16_t>(offset), 1,
            static_cast<std::uint16_t>(size)};
}
constexpr FieldLayout Array(const char* name, FieldKind type, std::size_t offset, int count,
                            std::size_t stride) {
    return {name, type, static_cast<std::uint16_t>(offset), static_cast<std::uint8_t>(count),
            static_cast<std::uint16_t>(stride)};
}
constexpr FieldLayout Member(const char* name, FieldKind type, std::size_t offset,
                             std::size_t stride) {
    return Array(name, type, offset, 1, stride);
}
constexpr FieldLayout Group(const char* name, std::size_t offset, int count,
                            std::span<const FieldLayout> members) {
    return {name,
            FieldKind::Group,
            static_cast<std::uint16_t>(offset),
            static_cast<std::uint8_t>(count),
            0,
            members};
}

constexpr FieldLayout LenientOnly(FieldLayout field) {
    field.lenientOnly = true;
    return field;
}

using V = FieldKind;
#define AT(set, member) offsetof(set, member)

constexpr FieldLayout kAam[] = {
    Key("arrival_circle_status", V::Char, AT(AamFields, arrivalCircleStatus)),
    Key("perpendicular_status", V::Char, AT(AamFields, perpendicularStatus)),
    Key("arrival_circle_radius", V::Real, AT(AamFields, arrivalCircleRadius)),
    Key("radius_unit", V::Char, AT(AamFields, radiusUnit)),
    Text("waypoint_id", AT(AamFields, waypointId), kShortTextSize),
};
constexpr FieldLayout kApb[] = {
    Key("status", V::Char, AT(ApbFields, status)),
    Key("cycle_lock_status", V::Char, AT(ApbFields, cycleLockStatus)),
    Key("cross_track_error", V::Real, AT(ApbFields, crossTrackError)),
    Key("steer_direction", V::Char, AT(ApbFields, steerDirection)),
    Key("cross_track_unit", V::Char, AT(ApbFields, crossTrackUnit)),
    Key("arrival_circle_status", V::Char, AT(ApbFields, arrivalCircleStatus)),
    Key("perpendicular_status", V::Char, AT(ApbFields, perpendicularStatus)),
    Key("bearing_origin_to_destination", V::Real, AT(ApbFields, bearingOriginToDestination)),
    Key("bearing_origin_reference", V::Char, AT(ApbFields, bearingOriginReference)),
    Text("destination_id", AT(ApbFields, destinationId), kShortTextSize),
    Key("bearing_to_destination", V::Real, AT(ApbFields, bearingToDestination)),
    Key("bearing_to_destination_reference", V::Char, AT(ApbFields, bearingToDestinationReference)),
    Key("heading_to_steer", V::Real, AT(ApbFields, headingToSteer)),
    Key("heading_to_steer_reference", V::Char, AT(ApbFields, headingToSteerReference)),
    Key("mode", V::Char, AT(ApbFields, mode)),
};
constexpr FieldLayout kBod[] = {
    Key("bearing_true", V::Real, AT(BodFields, bearingTrue)),
    Key("bearing_true_reference", V::Char, AT(BodFields, bearingTrueReference)),
    Key("bearing_magnetic", V::Real, AT(BodFields, bearingMagnetic)),
    Key("bearing_magnetic_reference", V::Char, AT(BodFields, bearingMagneticReference)),
    Text("destination_id", AT(BodFields, destinationId), kShortTextSize),
    Text("origin_id", AT(BodFields, originId), kShortTextSize),
};
constexpr FieldLayout kBwc[] = {
    Key("time", V::Time, AT(BwcFields, time)),
    Key("waypoint_position", V::LatLon, AT(BwcFields, waypointPosition)),
    Key("bearing_true", V::Real, AT(BwcFields, bearingTrue)),
    Key("bearing_true_reference", V::Char, AT(BwcFields, bearingTrueReference)),
    Key("bearing_magnetic", V::Real, AT(BwcFields, bearingMagnetic)),
    Key("bearing_magnetic_reference", V::Char, AT(BwcFields, bearingMagneticReference)),
    Key("distance", V::Real, AT(BwcFields, distance)),
    Key("distance_unit", V::Char, AT(BwcFields, distanceUnit)),
    Text("waypoint_id", AT(BwcFields, waypointId), kShortTextSize),
    Key("mode", V::Char, AT(BwcFields, mode)),
};
constexpr FieldLayout kDbt[] = {
    Key("depth_feet", V::Real, AT(DbtFields, depthFeet)),
    Key("feet_unit", V::Char, AT(DbtFields, feetUnit)),
    Key("depth_metres", V::Real, AT(DbtFields, depthMetres)),
    Key("metres_unit", V::Char, AT(DbtFields, metresUnit)),
    Key("depth_fathoms", V::Real, AT(DbtFields, depthFathoms)),
    Key("fathoms_unit", V::Char, AT(DbtFields, fathomsUnit)),
};
constexpr FieldLayout kDpt[] = {
    Key("depth", V::Real, AT(DptFields, depth)),
    Key("transducer_offset", V::Real, AT(DptFields, transducerOffset)),
    Key("maximum_range", V::Real, AT(DptFields, maximumRange)),
};
constexpr FieldLayout kDsc[] = {
    Key("format_specifier", V::Int8, AT(DscFields, formatSpecifier)),
    Text("address", AT(DscFields, address), kDscDigitsSize),
    Key("category", V::Int8, AT(DscFields, category)),
    Key("first_telecommand", V::Int8, AT(DscFields, firstTelecommand)),
    Key("second_telecommand", V::Int8, AT(DscFields, secondTelecommand)),
    Text("position_or_channel", AT(DscFields, positionOrChannel), kDscDigitsSize),
    Text("time_or_telephone", AT(DscFields, timeOrTelephone), kDscNumberSize),
    Text("distress_mmsi_digits", AT(DscFields, distressMmsiDigits), kDscDigitsSize),
    Key("nature_of_distress", V::Int8, AT(DscFields, natureOfDistress)),
    Key("acknowledgement", V::Char, AT(DscFields, acknowledgement)),
    Key("expansion", V::Char, AT(DscFields, expansion)),
    Key("address_mmsi", V::Int32, AT(DscFields, addressMmsi)),
    Key("distress_mmsi", V::Int32, AT(DscFields, distressMmsi)),
    Key("distress_position", V::LatLon, AT(DscFields, distressPosition)),
};
constexpr FieldLayout kHdg[] = {
    Key("magnetic_sensor_heading", V::Real, AT(HdgFields, magneticSensorHeading)),
    Key("deviation", V::Real, AT(HdgFields, deviation)),
    Key("deviation_direction", V::Char, AT(HdgFields, deviationDirection)),
    Key("variation", V::Real, AT(HdgFields, variation)),
    Key("variation_direction", V::Char, AT(HdgFields, variationDirection)),
};
constexpr FieldLayout kHdm[] = {
    Key("heading", V::Real, AT(HdmFields, heading)),
    Key("reference", V::Char, AT(HdmFields, reference)),
};
constexpr FieldLayout kMtw[] = {
    Key("temperature", V::Real, AT(MtwFields, temperature)),
    Key("unit", V::Char, AT(MtwFields, unit)),
};
constexpr FieldLayout kMwd[] = {
    Key("direction_true", V::Real, AT(MwdFields, directionTrue)),
    Key("true_reference", V::Char, AT(MwdFields, trueReference)),
    Key("direction_magnetic", V::Real, AT(MwdFields, directionMagnetic)),
    Key("magnetic_reference", V::Char, AT(MwdFields, magneticReference)),
    Key("speed_knots", V::Real, AT(MwdFields, speedKnots)),
    Key("knots_unit", V::Char, AT(MwdFields, knotsUnit)),
    Key("speed_metres_per_second", V::Real, AT(MwdFields, speedMetresPerSecond)),
    Key("metres_per_second_unit", V::Char, AT(MwdFields, metresPerSecondUnit)),
};
constexpr FieldLayout kMwv[] = {
    Key("wind_angle", V::Real, AT(MwvFields, windAngle)),
    Key("reference", V::Char, AT(MwvFields, reference)),
    Key("wind_speed", V::Real, AT(MwvFields, windSpeed)),
    Key("speed_unit", V::Char, AT(MwvFields, speedUnit)),
    Key("status", V::Char, AT(MwvFields, status)),
};
constexpr FieldLayout kRmb[] = {
    Key("status", V::Char, AT(RmbFields, status)),
    Key("cross_track_error", V::Real, AT(RmbFields, crossTrackError)),
    Key("steer_direction", V::Char, AT(RmbFields, steerDirection)),
    Text("origin_id", AT(RmbFields, originId), kShortTextSize),
    Text("destination_id", AT(RmbFields, destinationId), kShortTextSize),
    Key("destination_position", V::LatLon, AT(RmbFields, destinationPosition)),
    Key("range_to_destination", V::Real, AT(RmbFields, rangeToDestination)),
    Key("bearing_to_destination", V::Real, AT(RmbFields, bearingToDestination)),
    Key("closing_velocity", V::Real, AT(RmbFields, closingVelocity)),
    Key("arrival_status", V::Char, AT(RmbFields, arrivalStatus)),
    Key("mode", V::Char, AT(RmbFields, mode)),
};
constexpr FieldLayout kRsa[] = {
    Key("starboard_rudder", V::Real, AT(RsaFields, starboardRudder)),
    Key("starboard_status", V::Char, AT(RsaFields, starboardStatus)),
    Key("port_rudder", V::Real, AT(RsaFields, portRudder)),
    Key("port_status", V::Char, AT(RsaFields, portStatus)),
};
constexpr FieldLayout kVdr[] = {
    Key("set_true", V::Real, AT(VdrFields, setTrue)),
    Key("true_reference", V::Char, AT(VdrFields, trueReference)),
    Key("set_magnetic", V::Real, AT(VdrFields, setMagnetic)),
    Key("magnetic_reference", V::Char, AT(VdrFields, magneticReference)),
    Key("drift", V::Real, AT(VdrFields, drift)),
    Key("drift_unit", V::Char, AT(VdrFields, driftUnit)),
};
constexpr FieldLayout kVhw[] = {
    Key("heading_true", V::Real, AT(VhwFields, headingTrue)),
    Key("true_reference", V::Char, AT(VhwFields, trueReference)),
    Key("heading_magnetic", V::Real, AT(VhwFields, headingMagnetic)),
    Key("magnetic_reference", V::Char, AT(VhwFields, magneticReference)),
    Key("speed_knots", V::Real, AT(VhwFields, speedKnots)),
    Key("knots_unit", V::Char, AT(VhwFields, knotsUnit)),
    Key("speed_kmh", V::Real, AT(VhwFields, speedKmh)),
    Key("kmh_unit", V::Char, AT(VhwFields, kmhUnit)),
};
constexpr FieldLayout kVlw[] = {
    Key("total_water_distance", V::Real, AT(VlwFields, totalWaterDistance)),
    Key("total_water_unit", V::Char, AT(VlwFields, totalWaterUnit)),
    Key("trip_water_distance", V::Real, AT(VlwFields, tripWaterDistance)),
    Key("trip_water_unit", V::Char, AT(VlwFields, tripWaterUnit)),
    LenientOnly(Key("total_ground_distance", V::Real, AT(VlwFields, totalGroundDistance))),
    LenientOnly(Key("total_ground_unit", V::Char, AT(VlwFields, totalGroundUnit))),
    LenientOnly(Key("trip_ground_distance", V::Real, AT(VlwFields, tripGroundDistance))),
    LenientOnly(Key("trip_ground_unit", V::Char, AT(VlwFields, tripGroundUnit))),
};
constexpr FieldLayout kVwr[] = {
    Key("wind_angle", V::Real, AT(VwrFields, windAngle)),
    Key("side", V::Char, AT(VwrFields, side)),
    Key("speed_knots", V::Real, AT(VwrFields, speedKnots)),
    Key("knots_unit", V::Char, AT(VwrFields, knotsUnit)),
    Key("speed_metres_per_second", V::Real, AT(VwrFields, speedMetresPerSecond)),
    Key("metres_per_second_unit", V::Char, AT(VwrFields, metresPerSecondUnit)),
    Key("speed_kmh", V::Real, AT(VwrFields, speedKmh)),
    Key("kmh_unit", V::Char, AT(VwrFields, kmhUnit)),
};
constexpr FieldLayout kXdrMeasurement[] = {
    Member("type", V::Char, AT(XdrMeasurement, type), sizeof(XdrMeasurement)),
    Member("value", V::Real, AT(XdrMeasurement, value), sizeof(XdrMeasurement)),
    Member("unit", V::Char, AT(XdrMeasurement, unit), sizeof(XdrMeasurement)),
    {"name", V::Text, AT(XdrMeasurement, name), 1, sizeof(XdrMeasurement)},
};
constexpr FieldLayout kXdr[] = {
    {"measurements", V::Group, AT(XdrFields, measurements),
     static_cast<std::uint8_t>(kXdrMeasurements), 0, kXdrMeasurement,
     static_cast<std::int16_t>(AT(XdrFields, count))},
};
constexpr FieldLayout kXte[] = {
    Key("status", V::Char, AT(XteFields, status)),
    Key("cycle_lock_status", V::Char, AT(XteFields, cycleLockStatus)),
    Key("cross_track_error", V::Real, AT(XteFields, crossTrackError)),
    Key("steer_direction", V::Char, AT(XteFields, steerDirection)),
    Key("unit", V::Char, AT(XteFields, unit)),
    Key("mode", V::Char, AT(XteFields, mode)),
};
constexpr FieldLayout kAbk[] = {
    Key("mmsi", V::Int32, AT(AbkFields, mmsi)),
    Key("channel", V::Int8, AT(AbkFields, channel)),
    Key("message_id", V::Int8, AT(AbkFields, messageId)),
    Key("sequence_number", V::Int8, AT(AbkFields, sequenceNumber)),
    Key("acknowledgement_type", V::Int8, AT(AbkFields, acknowledgementType)),
};
#define ENCAPSULATION_HEAD(set)                                                                    \
    Key("total_sentences", V::Int8, AT(set, totalSentences)),                                      \
        Key("sentence_number", V::Int8, AT(set, sentenceNumber)),                                  \
        Key("sequential_identifier", V::Int8, AT(set, sequentialIdentifier)),                      \
        Key("fill_bits", V::Int8, AT(set, fillBits)),                                              \
        Text("payload", AT(set, payload), kAisPayloadSize)
constexpr FieldLayout kAbm[] = {
    ENCAPSULATION_HEAD(AbmFields),
    Key("channel", V::Char, AT(AbmFields, channel)),
    Key("message_id", V::Int8, AT(AbmFields, messageId)),
    Key("destination_mmsi", V::Int32, AT(AbmFields, destinationMmsi)),
};
constexpr FieldLayout kBbm[] = {
    ENCAPSULATION_HEAD(BbmFields),
    Key("channel", V::Int8, AT(BbmFields, channel)),
    Key("message_id", V::Int8, AT(BbmFields, messageId)),
};
constexpr FieldLayout kVdm[] = {
    ENCAPSULATION_HEAD(VdmFields),
    Key("channel", V::Char, AT(VdmFields, channel)),
};
#undef ENCAPSULATION_HEAD
constexpr FieldLayout kAca[] = {
    Key("sequence_number", V::Char, AT(AcaFields, sequenceNumber)),
    Key("north_east", V::LatLon, AT(AcaFields, northEast)),
    Key("south_west", V::LatLon, AT(AcaFields, southWest)),
    Key("transition_zone_size", V::Char, AT(AcaFields, transitionZoneSize)),
    Key("channel_a", V::Int16, AT(AcaFields, channelA)),
    Key("channel_a_bandwidth", V::Char, AT(AcaFields, channelABandwidth)),
    Key("channel_b", V::Int16, AT(AcaFields, channelB)),
    Key("channel_b_bandwidth", V::Char, AT(AcaFields, channelBBandwidth)),
    Key("tx_rx_mode", V::Char, AT(AcaFields, txRxMode)),
    Key("power_level", V::Char, AT(AcaFields, powerLevel)),
    Key("information_source", V::Char, AT(AcaFields, informationSource)),
    Key("in_use_flag", V::Char, AT(AcaFields, inUseFlag)),
    Key("in_use_change_time", V::Time, AT(AcaFields, inUseChangeTime)),
};
constexpr FieldLayout kAck[] = {Key("alarm_id", V::Int16, AT(AckFields, alarmId))};
constexpr FieldLayout kAcs[] = {
    Key("sequence_number", V::Char, AT(AcsFields, sequenceNumber)),
    Key("mmsi", V::Int32, AT(AcsFields, mmsi)),
    Key("time", V::Time, AT(AcsFields, time)),
    Key("day", V::Int8, AT(AcsFields, day)),
    Key("month", V::Int8, AT(AcsFields, month)),
    Key("year", V::Int16, AT(AcsFields, year)),
};
constexpr FieldLayout kAiq[] = {Key("value", V::Int8, AT(AiqFields, value))};
constexpr FieldLayout kAlr[] = {
    Key("time", V::Time, AT(AlrFields, time)),
    Key("alarm_number", V::Int16, AT(AlrFields, alarmNumber)),
    Key("condition", V::Char, AT(AlrFields, condition)),
    Key("acknowledge_state", V::Char, AT(AlrFields, acknowledgeState)),
    Text("description", AT(AlrFields, description), kAlarmTextSize),
};
constexpr FieldLayout kBdy[] = {
    Key("number", V::Int32, AT(BdyFields, number)),
    Text("first_text", AT(BdyFields, firstText), kShortTextSize),
    Text("second_text", AT(BdyFields, secondText), kShortTextSize),
    Key("first_flag", V::Int8, AT(BdyFields, firstFlag)),
    Key("second_flag", V::Int8, AT(BdyFields, secondFlag)),
};
constexpr FieldLayout kBth[] = {
    Array("codes", V::Int16, AT(BthFields, codes), 6, sizeof(std::int16_t)),
    Text("text", AT(BthFields, text), kStoreTextSize),
};
constexpr FieldLayout kCttItem[] = {
    Member("identifier", V::Int32, AT(CttItem, identifier), sizeof(CttItem)),
    Member("flag", V::Int8, AT(CttItem, flag), sizeof(CttItem)),
};
constexpr FieldLayout kCtt[] = {
    Key("mode", V::Char, AT(CttFields, mode)),
    Key("subject", V::Int32, AT(CttFields, subject)),
    Group("items", AT(CttFields, items), 5, kCttItem),
};
constexpr FieldLayout kDbgPair[] = {
    Member("code", V::Int16, AT(DbgFields, codes), sizeof(std::int16_t)),
    Member("value", V::Int32, AT(DbgFields, values), sizeof(std::int32_t)),
};
constexpr FieldLayout kDbg[] = {Group("pairs", 0, 4, kDbgPair)};
constexpr FieldLayout kDtm[] = {
    Text("local_datum", AT(DtmFields, localDatum), kDatumSize),
    Key("local_datum_subdivision", V::Char, AT(DtmFields, localDatumSubdivision)),
    Key("offset", V::LatLon, AT(DtmFields, offset)),
    Key("altitude_offset", V::Real, AT(DtmFields, altitudeOffset)),
    Text("reference_datum", AT(DtmFields, referenceDatum), kShortTextSize),
};
constexpr FieldLayout kFrq[] = {
    Array("values", V::Int32, AT(FrqFields, values), 2, sizeof(std::int32_t)),
    Array("counts", V::Int8, AT(FrqFields, counts), 2, 1),
};
constexpr FieldLayout kGbs[] = {
    Key("time", V::Time, AT(GbsFields, time)),
    Key("latitude_error", V::Real, AT(GbsFields, latitudeError)),
    Key("longitude_error", V::Real, AT(GbsFields, longitudeError)),
    Key("altitude_error", V::Real, AT(GbsFields, altitudeError)),
    Key("failed_satellite_id", V::Int8, AT(GbsFields, failedSatelliteId)),
    Key("probability_of_missed_detection", V::Real, AT(GbsFields, probabilityOfMissedDetection)),
    Key("bias_estimate", V::Real, AT(GbsFields, biasEstimate)),
    Key("bias_standard_deviation", V::Real, AT(GbsFields, biasStandardDeviation)),
    LenientOnly(Key("system_id", V::Int8, AT(GbsFields, systemId))),
    LenientOnly(Key("signal_id", V::Int8, AT(GbsFields, signalId))),
};
constexpr FieldLayout kGga[] = {
    Key("time", V::Time, AT(GgaFields, time)),
    Key("position", V::LatLon, AT(GgaFields, position)),
    Key("quality", V::Int8, AT(GgaFields, quality)),
    Key("satellites_in_use", V::Int8, AT(GgaFields, satellitesInUse)),
    Key("hdop", V::Real, AT(GgaFields, hdop)),
    Key("altitude", V::Real, AT(GgaFields, altitude)),
    Key("altitude_unit", V::Char, AT(GgaFields, altitudeUnit)),
    Key("geoidal_separation", V::Real, AT(GgaFields, geoidalSeparation)),
    Key("separation_unit", V::Char, AT(GgaFields, separationUnit)),
    Key("age_of_differential_data", V::Real, AT(GgaFields, ageOfDifferentialData)),
    Key("reference_station_id", V::Int16, AT(GgaFields, referenceStationId)),
};
constexpr FieldLayout kGll[] = {
    Key("position", V::LatLon, AT(GllFields, position)),
    Key("time", V::Time, AT(GllFields, time)),
    Key("status", V::Char, AT(GllFields, status)),
    Key("mode", V::Char, AT(GllFields, mode)),
};
constexpr FieldLayout kGns[] = {
    Key("time", V::Time, AT(GnsFields, time)),
    Key("position", V::LatLon, AT(GnsFields, position)),
    Key("mode_indicator", V::TwoChars, AT(GnsFields, modeIndicator)),
    Key("satellites_in_use", V::TwoChars, AT(GnsFields, satellitesInUse)),
    Key("hdop", V::Real, AT(GnsFields, hdop)),
    Key("altitude", V::Real, AT(GnsFields, altitude)),
    Key("geoidal_separation", V::Real, AT(GnsFields, geoidalSeparation)),
    Key("age_of_differential_data", V::Real, AT(GnsFields, ageOfDifferentialData)),
    Key("reference_station_id", V::Real, AT(GnsFields, referenceStationId)),
};
constexpr FieldLayout kGrs[] = {
    Key("time", V::Time, AT(GrsFields, time)),
    Key("mode", V::Char, AT(GrsFields, mode)),
    Array("range_residuals", V::Real, AT(GrsFields, rangeResiduals), 12, sizeof(float)),
};
constexpr FieldLayout kGsa[] = {
    Key("selection_mode", V::Char, AT(GsaFields, selectionMode)),
    Key("fix_mode", V::Int8, AT(GsaFields, fixMode)),
    Array("satellite_ids", V::Int8, AT(GsaFields, satelliteIds), 12, 1),
    Key("pdop", V::Real, AT(GsaFields, pdop)),
    Key("hdop", V::Real, AT(GsaFields, hdop)),
    Key("vdop", V::Real, AT(GsaFields, vdop)),
    LenientOnly(Key("system_id", V::Int8, AT(GsaFields, systemId))),
};
constexpr FieldLayout kGst[] = {
    Key("time", V::Time, AT(GstFields, time)),
    Key("range_rms", V::Real, AT(GstFields, rangeRms)),
    Key("error_ellipse_major", V::Real, AT(GstFields, errorEllipseMajor)),
    Key("error_ellipse_minor", V::Real, AT(GstFields, errorEllipseMinor)),
    Key("error_ellipse_orientation", V::Real, AT(GstFields, errorEllipseOrientation)),
    Key("latitude_error", V::Real, AT(GstFields, latitudeError)),
    Key("longitude_error", V::Real, AT(GstFields, longitudeError)),
    Key("altitude_error", V::Real, AT(GstFields, altitudeError)),
};
constexpr FieldLayout kGsvSatellite[] = {
    Member("prn", V::Int8, AT(GsvSatellite, prn), sizeof(GsvSatellite)),
    Member("elevation", V::Int8, AT(GsvSatellite, elevation), sizeof(GsvSatellite)),
    Member("azimuth", V::Int16, AT(GsvSatellite, azimuth), sizeof(GsvSatellite)),
    Member("snr", V::Int8, AT(GsvSatellite, snr), sizeof(GsvSatellite)),
};
constexpr FieldLayout kGsv[] = {
    Key("total_messages", V::Int8, AT(GsvFields, totalMessages)),
    Key("message_number", V::Int8, AT(GsvFields, messageNumber)),
    Key("satellites_in_view", V::Int8, AT(GsvFields, satellitesInView)),
    Group("satellites", AT(GsvFields, satellites), 4, kGsvSatellite),
    LenientOnly(Key("signal_id", V::Int8, AT(GsvFields, signalId))),
};
constexpr FieldLayout kHdt[] = {
    Key("heading", V::Real, AT(HdtFields, heading)),
    Key("reference", V::Char, AT(HdtFields, reference)),
};
constexpr FieldLayout kMid[] = {
    Key("first_number", V::Int32, AT(MidFields, firstNumber)),
    Key("second_number", V::Int32, AT(MidFields, secondNumber)),
};
constexpr FieldLayout kMob[] = {
    Array("code", V::UInt8, AT(MobFields, code), 3, 1),
    Key("number", V::UInt8, AT(MobFields, number)),
    Key("first_byte", V::UInt8, AT(MobFields, firstByte)),
    Key("second_byte", V::UInt8, AT(MobFields, secondByte)),
    Key("second_byte_present", V::UInt8, AT(MobFields, secondBytePresent)),
    Key("data", V::MobData, AT(MobFields, data)),
    Key("data_count", V::UInt8, AT(MobFields, dataCount)),
};
constexpr FieldLayout kOsd[] = {
    Key("heading", V::Real, AT(OsdFields, heading)),
    Key("heading_status", V::Char, AT(OsdFields, headingStatus)),
    Key("course", V::Real, AT(OsdFields, course)),
    Key("course_reference", V::Char, AT(OsdFields, courseReference)),
    Key("speed", V::Real, AT(OsdFields, speed)),
    Key("speed_reference", V::Char, AT(OsdFields, speedReference)),
    Key("set", V::Real, AT(OsdFields, set)),
    Key("drift", V::Real, AT(OsdFields, drift)),
    Key("speed_units", V::Char, AT(OsdFields, speedUnits)),
};
constexpr FieldLayout kQuery[] = {Text("text", AT(QueryFields, text), kQueryTextSize)};
constexpr FieldLayout kRma[] = {
    Key("position", V::LatLon, AT(RmaFields, position)),
    Key("status", V::Char, AT(RmaFields, status)),
};
constexpr FieldLayout kRmc[] = {
    Key("time", V::Time, AT(RmcFields, time)),
    Key("status", V::Char, AT(RmcFields, status)),
    Key("position", V::LatLon, AT(RmcFields, position)),
    Key("speed_over_ground", V::Real, AT(RmcFields, speedOverGround)),
    Key("course_over_ground", V::Real, AT(RmcFields, courseOverGround)),
    Key("date", V::Date, AT(RmcFields, date)),
    Key("magnetic_variation", V::Real, AT(RmcFields, magneticVariation)),
    Key("variation_direction", V::Char, AT(RmcFields, variationDirection)),
    Key("mode", V::Char, AT(RmcFields, mode)),
    LenientOnly(Key("navigational_status", V::Char, AT(RmcFields, navigationalStatus))),
};
constexpr FieldLayout kRot[] = {
    Key("rate_of_turn", V::Real, AT(RotFields, rateOfTurn)),
    Key("status", V::Char, AT(RotFields, status)),
};
constexpr FieldLayout kSsd[] = {
    Text("call_sign", AT(SsdFields, callSign), kCallSignSize),
    Text("name", AT(SsdFields, name), kShortTextSize),
    Key("reference_a", V::Int16, AT(SsdFields, referenceA)),
    Key("reference_b", V::Int16, AT(SsdFields, referenceB)),
    Key("reference_c", V::Int8, AT(SsdFields, referenceC)),
    Key("reference_d", V::Int8, AT(SsdFields, referenceD)),
    Key("dte_indicator", V::Int8, AT(SsdFields, dteIndicator)),
    Text("source_identifier", AT(SsdFields, sourceIdentifier), kShortTextSize),
};
constexpr FieldLayout kSmg[] = {
    Text("text", AT(SmgFields, text), kSmgTextSize),
    Key("value", V::Int8, AT(SmgFields, value)),
};
constexpr FieldLayout kTps[] = {
    Key("code", V::Int16, AT(TpsFields, code)),
    Text("text", AT(TpsFields, text), kStoreTextSize),
};
constexpr FieldLayout kTst[] = {
    Key("number", V::Int32, AT(TstFields, number)),
    Key("value", V::Int8, AT(TstFields, value)),
    Key("lower_case_letter", V::Char, AT(TstFields, lowerCaseLetter)),
    Key("letter", V::Char, AT(TstFields, letter)),
    Key("code", V::Int16, AT(TstFields, code)),
};
constexpr FieldLayout kTxt[] = {
    Key("total_sentences", V::Int8, AT(TxtFields, totalSentences)),
    Key("sentence_number", V::Int8, AT(TxtFields, sentenceNumber)),
    Key("text_identifier", V::Int8, AT(TxtFields, textIdentifier)),
    Text("text", AT(TxtFields, text), kTxtTextSize),
};
constexpr FieldLayout kVbw[] = {
    Key("longitudinal_water_speed", V::Real, AT(VbwFields, longitudinalWaterSpeed)),
    Key("transverse_water_speed", V::Real, AT(VbwFields, transverseWaterSpeed)),
    Key("water_speed_status", V::Char, AT(VbwFields, waterSpeedStatus)),
    Key("longitudinal_ground_speed", V::Real, AT(VbwFields, longitudinalGroundSpeed)),
    Key("transverse_ground_speed", V::Real, AT(VbwFields, transverseGroundSpeed)),
    Key("ground_speed_status", V::Char, AT(VbwFields, groundSpeedStatus)),
};
constexpr FieldLayout kVsd[] = {
    Key("ship_type", V::Int16, AT(VsdFields, shipType)),
    Key("maximum_draught", V::Real, AT(VsdFields, maximumDraught)),
    Key("persons_on_board", V::Int16, AT(VsdFields, personsOnBoard)),
    Text("destination", AT(VsdFields, destination), kShortTextSize),
    Key("arrival_time", V::Time, AT(VsdFields, arrivalTime)),
    Key("arrival_day", V::Int8, AT(VsdFields, arrivalDay)),
    Key("arrival_month", V::Int8, AT(VsdFields, arrivalMonth)),
    Key("navigational_status", V::Int8, AT(VsdFields, navigationalStatus)),
    Key("regional_flags", V::Int8, AT(VsdFields, regionalFlags)),
};
constexpr FieldLayout kVtg[] = {
    Key("course_true", V::Real, AT(VtgFields, courseTrue)),
    Key("course_true_unit", V::Char, AT(VtgFields, courseTrueUnit)),
    Key("course_magnetic", V::Real, AT(VtgFields, courseMagnetic)),
    Key("course_magnetic_unit", V::Char, AT(VtgFields, courseMagneticUnit)),
    Key("speed_knots", V::Real, AT(VtgFields, speedKnots)),
    Key("speed_knots_unit", V::Char, AT(VtgFields, speedKnotsUnit)),
    Key("speed_kmh", V::Real, AT(VtgFields, speedKmh)),
    Key("speed_kmh_unit", V::Char, AT(VtgFields, speedKmhUnit)),
    Key("mode", V::Char, AT(VtgFields, mode)),
};
constexpr FieldLayout kWpl[] = {
    Key("position", V::LatLon, AT(WplFields, position)),
    Text("waypoint_id", AT(WplFields, waypointId), kShortTextSize),
};
constexpr FieldLayout kZda[] = {
    Key("time", V::Time, AT(ZdaFields, time)),
    Key("year", V::Int16, AT(ZdaFields, year)),
    Key("month", V::Int8, AT(ZdaFields, month)),
    Key("day", V::Int8, AT(ZdaFields, day)),
    Key("local_zone_hours", V::Int8, AT(ZdaFields, localZoneHours)),
    Key("local_zone_minutes", V::Int8, AT(ZdaFields, localZoneMinutes)),
};
#undef AT

struct LayoutEntry {
    const char* formatter;
    std::span<const FieldLayout> fields;
};

constexpr LayoutEntry kLayouts[] = {
    {"AAM", kAam}, {"ABK", kAbk}, {"ABM", kAbm}, {"ACA", kAca}, {"ACK", kAck}, {"ACS", kAcs},
    {"AIQ", kAiq}, {"ALR", kAlr}, {"APB", kApb}, {"BBM", kBbm}, {"BDY", kBdy}, {"BOD", kBod},
    {"BTH", kBth}, {"BWC", kBwc}, {"CTT", kCtt}, {"DBG", kDbg}, {"DBT", kDbt}, {"DPT", kDpt},
    {"DSC", kDsc}, {"DTM", kDtm}, {"FRQ", kFrq}, {"GBS", kGbs}, {"GGA", kGga}, {"GLL", kGll},
    {"GNS", kGns}, {"GRS", kGrs}, {"GSA", kGsa}, {"GST", kGst}, {"GSV", kGsv}, {"HDG", kHdg},
    {"HDM", kHdm}, {"HDT", kHdt}, {"MID", kMid}, {"MOB", kMob}, {"MTW", kMtw}, {"MWD", kMwd},
    {"MWV", kMwv}, {"OSD", kOsd}, {"Q", kQuery}, {"RMA", kRma}, {"RMB", kRmb}, {"RMC", kRmc},
    {"ROT", kRot}, {"RSA", kRsa}, {"SSD", kSsd}, {"Smg", kSmg}, {"TPS", kTps}, {"TST", kTst},
    {"TXT", kTxt}, {"VBW", kVbw}, {"VDM", kVdm}, {"VDO", kVdm}, {"VDR", kVdr}, {"VHW", kVhw},
    {"VLW", kVlw}, {"VSD", kVsd}, {"VTG", kVtg}, {"VWR", kVwr}, {"VWT", kVwr}, {"WPL", kWpl},
    {"XDR", kXdr}, {"XTE", kXte}, {"ZDA", kZda},
};
static_assert(std::size(kLayouts) == 63, "a layout for every decoded formatter");

} // namespace

namespace {

// Up to four characters of a formatter, as strncmp compares them, in one word.
std::uint32_t FormatterKey(const char* formatter) {
    char letters[4] = {};
    for (std::size_t i = 0; i < sizeof letters && formatter[i] != '\0'; ++i) {
        letters[i] = formatter[i];
    }
    std::uint32_t key = 0;
    std::memcpy(&key, letters, sizeof key);
    return key;
}

} // namespace

std::span<const FieldLayout> FieldSetLayout(const char* formatter) {
    static const auto keys = [] {
        std::array<std::uint32_t, std::size(kLayouts)> all{};
        for (std::size_t i = 0; i < all.size(); ++i) {
            all[i] = FormatterKey(kLayouts[i].formatter);
        }
        return all;
    }();
    const std::uint32_t key = FormatterKey(formatter);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == key) {
            return kLayouts[i].fields;
        }
    }
    return {};
}

} // namespace varo
