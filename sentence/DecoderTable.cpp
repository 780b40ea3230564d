// The field lists of the plain decoders, in sentence order, and the one table
// that maps every formatter to its decoder.
#include <array>
#include <limits>

#include "sentence/FieldDecoders.h"
#include "sentence/SpecialDecoders.h"

namespace varo {
namespace {

constexpr double kNoCharValue = static_cast<unsigned char>(kNoChar);
constexpr double kEmptyText = 0; // a blank text field stores the empty string

// A field list followed by more fields, for the longer forms of a sentence.
template <std::size_t N, std::size_t M = 0>
constexpr std::array<FieldSpec, N + M> Joined(const FieldSpec (&list)[N],
                                              const FieldSpec (&more)[M]) {
    std::array<FieldSpec, N + M> joined{};
    for (std::size_t i = 0; i < N; ++i)
        joined[i] = list[i];
    for (std::size_t i = 0; i < M; ++i)
        joined[N + i] = more[i];
    return joined;
}

// $--AAM,A,A,x.x,N,c--c
constexpr FieldSpec kAam[] = {
    CharField(offsetof(AamFields, arrivalCircleStatus)),
    CharField(offsetof(AamFields, perpendicularStatus)),
    RealField(offsetof(AamFields, arrivalCircleRadius)),
    CharField(offsetof(AamFields, radiusUnit)),
    TextField(offsetof(AamFields, waypointId), kShortTextSize).blankAs(kEmptyText),
};

// $--ABK,xxxxxxxxx,a,x.x,x,x   no blank tests: a blank or a letter gives 0
constexpr FieldSpec kAbk[] = {
    Int32Field(offsetof(AbkFields, mmsi)),
    Int8Field(offsetof(AbkFields, channel)),
    Int8Field(offsetof(AbkFields, messageId)),
    Int8Field(offsetof(AbkFields, sequenceNumber)),
    Int8Field(offsetof(AbkFields, acknowledgementType)),
};

// $--ACA,x,llll.ll,a,yyyyy.yy,a,llll.ll,a,yyyyy.yy,a,x,xxxx,x,xxxx,x,x,x,a,x,hhmmss.ss
constexpr FieldSpec kAca[] = {
    CharField(offsetof(AcaFields, sequenceNumber)),
    LatLonField(offsetof(AcaFields, northEast)),
    LatLonField(offsetof(AcaFields, southWest)),
    CharField(offsetof(AcaFields, transitionZoneSize)),
    Int16Field(offsetof(AcaFields, channelA)),
    CharField(offsetof(AcaFields, channelABandwidth)),
    Int16Field(offsetof(AcaFields, channelB)),
    CharField(offsetof(AcaFields, channelBBandwidth)),
    CharField(offsetof(AcaFields, txRxMode)),
    CharField(offsetof(AcaFields, powerLevel)),
    CharField(offsetof(AcaFields, informationSource)),
    CharField(offsetof(AcaFields, inUseFlag)),
    TimeField(offsetof(AcaFields, inUseChangeTime)),
};

// $--ACK,xxx
constexpr FieldSpec kAck[] = {Int16Field(offsetof(AckFields, alarmId)).blankAs(kNoAlarmId)};

// $--ACS,x,xxxxxxxxx,hhmmss.ss,xx,xx,xxxx
constexpr FieldSpec kAcs[] = {
    CharField(offsetof(AcsFields, sequenceNumber)), Int32Field(offsetof(AcsFields, mmsi)),
    TimeField(offsetof(AcsFields, time)),           Int8Field(offsetof(AcsFields, day)),
    Int8Field(offsetof(AcsFields, month)),          Int16Field(offsetof(AcsFields, year)),
};

// $PZQT,c,AIQ,Smg,x   the first field is matched exactly, letter case included
constexpr FieldSpec kAiq[] = {LiteralField("Smg"), Int8Field(offsetof(AiqFields, value))};

// $--ALR,hhmmss.ss,xxx,A,A,c--c
constexpr FieldSpec kAlr[] = {
    TimeField(offsetof(AlrFields, time)),
    Int16Field(offsetof(AlrFields, alarmNumber)),
    CharField(offsetof(AlrFields, condition)),
    CharField(offsetof(AlrFields, acknowledgeState)),
    TextField(offsetof(AlrFields, description), kAlarmTextSize),
};

// $--APB,A,A,x.x,a,N,A,A,x.x,a,c--c,x.x,a,x.x,a,a
constexpr FieldSpec kApb[] = {
    CharField(offsetof(ApbFields, status)),
    CharField(offsetof(ApbFields, cycleLockStatus)),
    RealField(offsetof(ApbFields, crossTrackError)),
    CharField(offsetof(ApbFields, steerDirection)),
    CharField(offsetof(ApbFields, crossTrackUnit)),
    CharField(offsetof(ApbFields, arrivalCircleStatus)),
    CharField(offsetof(ApbFields, perpendicularStatus)),
    RealField(offsetof(ApbFields, bearingOriginToDestination)).within(0, 360),
    CharField(offsetof(ApbFields, bearingOriginReference)),
    TextField(offsetof(ApbFields, destinationId), kShortTextSize).blankAs(kEmptyText),
    RealField(offsetof(ApbFields, bearingToDestination)).within(0, 360),
    CharField(offsetof(ApbFields, bearingToDestinationReference)),
    RealField(offsetof(ApbFields, headingToSteer)).within(0, 360),
    CharField(offsetof(ApbFields, headingToSteerReference)),
    CharField(offsetof(ApbFields, mode)),
};

// $PBDY,xxxxxxxxx,c--c,c--c,x,x
constexpr FieldSpec kBdy[] = {
    Int32Field(offsetof(BdyFields, number)).blankAs(kNoNineDigitNumber),
    TextField(offsetof(BdyFields, firstText), kShortTextSize).blankAs(kEmptyText),
    TextField(offsetof(BdyFields, secondText), kShortTextSize).blankAs(kEmptyText),
    Int8Field(offsetof(BdyFields, firstFlag)).blankAs(kNoFlag),
    Int8Field(offsetof(BdyFields, secondFlag)).blankAs(kNoFlag),
};

// $--BOD,x.x,T,x.x,M,c--c,c--c
constexpr FieldSpec kBod[] = {
    RealField(offsetof(BodFields, bearingTrue)).within(0, 360),
    CharField(offsetof(BodFields, bearingTrueReference)),
    RealField(offsetof(BodFields, bearingMagnetic)).within(0, 360),
    CharField(offsetof(BodFields, bearingMagneticReference)),
    TextField(offsetof(BodFields, destinationId), kShortTextSize).blankAs(kEmptyText),
    TextField(offsetof(BodFields, originId), kShortTextSize).blankAs(kEmptyText),
};

// $PBTH,xxx,xxx,xxx,xxx,xxx,xxx,c--c
constexpr FieldSpec kBth[] = {
    Int16Field(offsetof(BthFields, codes)).blankAs(kNoBthCode).times(6),
    TextField(offsetof(BthFields, text), kStoreTextSize).blankAs(kEmptyText),
};

// $--BWC,hhmmss.ss,llll.ll,a,yyyyy.yy,a,x.x,T,x.x,M,x.x,N,c--c,a
constexpr FieldSpec kBwc[] = {
    TimeField(offsetof(BwcFields, time)),
    LatLonField(offsetof(BwcFields, waypointPosition)),
    RealField(offsetof(BwcFields, bearingTrue)).within(0, 360),
    CharField(offsetof(BwcFields, bearingTrueReference)),
    RealField(offsetof(BwcFields, bearingMagnetic)).within(0, 360),
    CharField(offsetof(BwcFields, bearingMagneticReference)),
    RealField(offsetof(BwcFields, distance)),
    CharField(offsetof(BwcFields, distanceUnit)),
    TextField(offsetof(BwcFields, waypointId), kShortTextSize).blankAs(kEmptyText),
    CharField(offsetof(BwcFields, mode)),
};

constexpr FieldSpec CttIdentifier(int item) {
    return Int32Field(offsetof(CttFields, items) + item * sizeof(CttItem) +
                      offsetof(CttItem, identifier))
        .blankAs(kNoCttNumber);
}
constexpr FieldSpec CttFlag(int item) {
    return Int8Field(offsetof(CttFields, items) + item * sizeof(CttItem) + offsetof(CttItem, flag))
        .blankAs(kNoFlag);
}
// $PCTT,a,x,x,x,x,x,x,x,x,x,x,x
constexpr FieldSpec kCtt[] = {
    CharField(offsetof(CttFields, mode)),
    Int32Field(offsetof(CttFields, subject)).blankAs(kNoCttNumber),
    CttIdentifier(0),
    CttFlag(0),
    CttIdentifier(1),
    CttFlag(1),
    CttIdentifier(2),
    CttFlag(2),
    CttIdentifier(3),
    CttFlag(3),
    CttIdentifier(4),
    CttFlag(4),
};

constexpr FieldSpec DbgCode(int pair) {
    return Int16Field(offsetof(DbgFields, codes) + pair * sizeof(std::int16_t)).blankAs(kNoDbgCode);
}
constexpr FieldSpec DbgValue(int pair) {
    return Int32Field(offsetof(DbgFields, values) + pair * sizeof(std::int32_t))
        .blankAs(kNoDbgValue);
}
// $PDBG,xxx,x,xxx,x,xxx,x,xxx,x   stored as four codes, then four values
constexpr FieldSpec kDbg[] = {
    DbgCode(0), DbgValue(0), DbgCode(1), DbgValue(1),
    DbgCode(2), DbgValue(2), DbgCode(3), DbgValue(3),
};

// $--DBT,x.x,f,x.x,M,x.x,F
constexpr FieldSpec kDbt[] = {
    RealField(offsetof(DbtFields, depthFeet)),    CharField(offsetof(DbtFields, feetUnit)),
    RealField(offsetof(DbtFields, depthMetres)),  CharField(offsetof(DbtFields, metresUnit)),
    RealField(offsetof(DbtFields, depthFathoms)), CharField(offsetof(DbtFields, fathomsUnit)),
};

// $--DPT,x.x,x.x,x.x
constexpr FieldSpec kDpt[] = {
    RealField(offsetof(DptFields, depth)),
    RealField(offsetof(DptFields, transducerOffset)),
    RealField(offsetof(DptFields, maximumRange)),
};

// $--DTM,ccc,a,x.x,a,x.x,a,x.x,ccc   the offsets convert like a position
constexpr FieldSpec kDtm[] = {
    TextField(offsetof(DtmFields, localDatum), kDatumSize),
    CharField(offsetof(DtmFields, localDatumSubdivision)),
    LatLonField(offsetof(DtmFields, offset)),
    RealField(offsetof(DtmFields, altitudeOffset)).blankConverts(),
    TextField(offsetof(DtmFields, referenceDatum), kShortTextSize),
};

// $PFRQ,xxxxxxxxx,x,xxxxxxxxx,x   stored as both values, then both counts
constexpr FieldSpec kFrq[] = {
    Int32Field(offsetof(FrqFields, values)).blankAs(kNoNineDigitNumber),
    Int8Field(offsetof(FrqFields, counts)).blankAs(kNoInt8),
    Int32Field(offsetof(FrqFields, values) + sizeof(std::int32_t)).blankAs(kNoNineDigitNumber),
    Int8Field(offsetof(FrqFields, counts) + 1).blankAs(kNoInt8),
};

// $--GBS,hhmmss.ss,x.x,x.x,x.x,xx,x.x,x.x,x.x
constexpr FieldSpec kGbs[] = {
    TimeField(offsetof(GbsFields, time)),
    RealField(offsetof(GbsFields, latitudeError)),
    RealField(offsetof(GbsFields, longitudeError)),
    RealField(offsetof(GbsFields, altitudeError)),
    Int8Field(offsetof(GbsFields, failedSatelliteId)).blankAs(255),
    RealField(offsetof(GbsFields, probabilityOfMissedDetection)),
    RealField(offsetof(GbsFields, biasEstimate)),
    RealField(offsetof(GbsFields, biasStandardDeviation)),
};

// $--GBS,hhmmss.ss,x.x,x.x,x.x,xx,x.x,x.x,x.x,h,h   NMEA 4.x: system and signal ID
constexpr auto kGbsLenient =
    Joined(kGbs, {
                     Int8Field(offsetof(GbsFields, systemId)).blankAs(kNoInt8),
                     Int8Field(offsetof(GbsFields, signalId)).blankAs(kNoInt8),
                 });

// $--GGA,hhmmss.ss,llll.ll,a,yyyyy.yy,a,x,xx,x.x,x.x,M,x.x,M,x.x,xxxx
constexpr FieldSpec kGga[] = {
    TimeField(offsetof(GgaFields, time)),
    LatLonField(offsetof(GgaFields, position)),
    Int8Field(offsetof(GgaFields, quality)).blankAs(kNoInt8),
    Int8Field(offsetof(GgaFields, satellitesInUse)).blankAs(kNoInt8).within(0, 12),
    RealField(offsetof(GgaFields, hdop)).within(0, 99.9),
    RealField(offsetof(GgaFields, altitude)),
    CharField(offsetof(GgaFields, altitudeUnit)),
    RealField(offsetof(GgaFields, geoidalSeparation)),
    CharField(offsetof(GgaFields, separationUnit)),
    RealField(offsetof(GgaFields, ageOfDifferentialData)),
    Int16Field(offsetof(GgaFields, referenceStationId))
        .blankAs(kNoReferenceStation)
        .within(0, 1023),
};

// Other receivers count every satellite in use (NMEA 4.x), not at most 12.
constexpr auto kGgaLenient = [] {
    auto list = std::to_array(kGga);
    list[3] = list[3].within(0, 99);
    return list;
}();

// $--GLL,llll.ll,a,yyyyy.yy,a,hhmmss.ss,A,a
constexpr FieldSpec kGll[] = {
    LatLonField(offsetof(GllFields, position)),
    TimeField(offsetof(GllFields, time)),
    CharField(offsetof(GllFields, status)),
    CharField(offsetof(GllFields, mode)),
};

// $--GNS,hhmmss.ss,llll.ll,a,yyyyy.yy,a,c--c,xx,x.x,x.x,x.x,x.x,x.x
constexpr FieldSpec kGns[] = {
    TimeField(offsetof(GnsFields, time)),
    LatLonField(offsetof(GnsFields, position)),
    TwoCharsField(offsetof(GnsFields, modeIndicator)),
    TwoCharsField(offsetof(GnsFields, satellitesInUse)),
    RealField(offsetof(GnsFields, hdop)).within(0, 99.9),
    RealField(offsetof(GnsFields, altitude)),
    RealField(offsetof(GnsFields, geoidalSeparation)),
    RealField(offsetof(GnsFields, ageOfDifferentialData)),
    RealField(offsetof(GnsFields, referenceStationId)),
};

// $--GRS,hhmmss.ss,x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x
constexpr FieldSpec kGrs[] = {
    TimeField(offsetof(GrsFields, time)),
    CharField(offsetof(GrsFields, mode)),
    RealField(offsetof(GrsFields, rangeResiduals)).times(12),
};

// $--GSA,a,x,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,x.x,x.x,x.x
constexpr FieldSpec kGsa[] = {
    CharField(offsetof(GsaFields, selectionMode)),
    Int8Field(offsetof(GsaFields, fixMode)),
    Int8Field(offsetof(GsaFields, satelliteIds)).blankAs(kNoInt8).times(12),
    RealField(offsetof(GsaFields, pdop)),
    RealField(offsetof(GsaFields, hdop)),
    RealField(offsetof(GsaFields, vdop)),
};

// $--GSA,a,x,xx,...,x.x,x.x,x.x,h   NMEA 4.x: the system ID
constexpr auto kGsaLenient =
    Joined(kGsa, {Int8Field(offsetof(GsaFields, systemId)).blankAs(kNoInt8)});

// $--GST,hhmmss.ss,x.x,x.x,x.x,x.x,x.x,x.x,x.x
constexpr FieldSpec kGst[] = {
    TimeField(offsetof(GstFields, time)),
    RealField(offsetof(GstFields, rangeRms)),
    RealField(offsetof(GstFields, errorEllipseMajor)),
    RealField(offsetof(GstFields, errorEllipseMinor)),
    RealField(offsetof(GstFields, errorEllipseOrientation)),
    RealField(offsetof(GstFields, latitudeError)),
    RealField(offsetof(GstFields, longitudeError)),
    RealField(offsetof(GstFields, altitudeError)),
};

// $--HDG,x.x,x.x,a,x.x,a
constexpr FieldSpec kHdg[] = {
    RealField(offsetof(HdgFields, magneticSensorHeading)).blankAs(kNoHeading).within(0, 360),
    RealField(offsetof(HdgFields, deviation)),
    CharField(offsetof(HdgFields, deviationDirection)).blankAs(kNoCharValue),
    RealField(offsetof(HdgFields, variation)),
    CharField(offsetof(HdgFields, variationDirection)).blankAs(kNoCharValue),
};

// $--HDM,x.x,M
constexpr FieldSpec kHdm[] = {
    RealField(offsetof(HdmFields, heading)).blankAs(kNoHeading).within(0, 360),
    CharField(offsetof(HdmFields, reference)),
};

// $--HDT,x.x,T
constexpr FieldSpec kHdt[] = {
    RealField(offsetof(HdtFields, heading)).blankAs(kNoHeading),
    CharField(offsetof(HdtFields, reference)),
};

// $--MTW,x.x,C
constexpr FieldSpec kMtw[] = {
    RealField(offsetof(MtwFields, temperature)),
    CharField(offsetof(MtwFields, unit)),
};

// $--MWD,x.x,T,x.x,M,x.x,N,x.x,M
constexpr FieldSpec kMwd[] = {
    RealField(offsetof(MwdFields, directionTrue)).within(0, 360),
    CharField(offsetof(MwdFields, trueReference)),
    RealField(offsetof(MwdFields, directionMagnetic)).within(0, 360),
    CharField(offsetof(MwdFields, magneticReference)),
    RealField(offsetof(MwdFields, speedKnots)),
    CharField(offsetof(MwdFields, knotsUnit)),
    RealField(offsetof(MwdFields, speedMetresPerSecond)),
    CharField(offsetof(MwdFields, metresPerSecondUnit)),
};

// $--MWV,x.x,a,x.x,a,A
constexpr FieldSpec kMwv[] = {
    RealField(offsetof(MwvFields, windAngle)).within(0, 360),
    CharField(offsetof(MwvFields, reference)),
    RealField(offsetof(MwvFields, windSpeed)),
    CharField(offsetof(MwvFields, speedUnit)),
    CharField(offsetof(MwvFields, status)),
};

// $PMID,xxxxxxxxx,xxxxxxxxx
constexpr FieldSpec kMid[] = {
    Int32Field(offsetof(MidFields, firstNumber)).blankAs(kNoNineDigitNumber),
    Int32Field(offsetof(MidFields, secondNumber)).blankAs(kNoNineDigitNumber),
};

// $--OSD,x.x,A,x.x,a,x.x,a,x.x,x.x,a   no blank tests: a blank real gives 0
constexpr FieldSpec kOsd[] = {
    RealField(offsetof(OsdFields, heading)).blankConverts(),
    CharField(offsetof(OsdFields, headingStatus)),
    RealField(offsetof(OsdFields, course)).blankConverts(),
    CharField(offsetof(OsdFields, courseReference)),
    RealField(offsetof(OsdFields, speed)).blankConverts(),
    CharField(offsetof(OsdFields, speedReference)),
    RealField(offsetof(OsdFields, set)).blankConverts(),
    RealField(offsetof(OsdFields, drift)).blankConverts(),
    CharField(offsetof(OsdFields, speedUnits)),
};

// $--RMB,A,x.x,a,c--c,c--c,llll.ll,a,yyyyy.yy,a,x.x,x.x,x.x,A,a
constexpr FieldSpec kRmb[] = {
    CharField(offsetof(RmbFields, status)),
    RealField(offsetof(RmbFields, crossTrackError)),
    CharField(offsetof(RmbFields, steerDirection)),
    TextField(offsetof(RmbFields, originId), kShortTextSize).blankAs(kEmptyText),
    TextField(offsetof(RmbFields, destinationId), kShortTextSize).blankAs(kEmptyText),
    LatLonField(offsetof(RmbFields, destinationPosition)),
    RealField(offsetof(RmbFields, rangeToDestination)),
    RealField(offsetof(RmbFields, bearingToDestination)).within(0, 360),
    RealField(offsetof(RmbFields, closingVelocity)),
    CharField(offsetof(RmbFields, arrivalStatus)),
    CharField(offsetof(RmbFields, mode)),
};

// $--RMC,hhmmss.ss,A,llll.ll,a,yyyyy.yy,a,x.x,x.x,xxxxxx,x.x,a,a
constexpr FieldSpec kRmc[] = {
    TimeField(offsetof(RmcFields, time)),
    CharField(offsetof(RmcFields, status)),
    LatLonField(offsetof(RmcFields, position)),
    RealField(offsetof(RmcFields, speedOverGround)),
    RealField(offsetof(RmcFields, courseOverGround)),
    DateField(offsetof(RmcFields, date)),
    RealField(offsetof(RmcFields, magneticVariation)),
    CharField(offsetof(RmcFields, variationDirection)).blankAs(kNoCharValue),
    CharField(offsetof(RmcFields, mode)),
};

// $--RMC,...,x.x,a,a,a   NMEA 4.x: the navigational status
constexpr auto kRmcLenient = Joined(kRmc, {CharField(offsetof(RmcFields, navigationalStatus))});

// $--ROT,x.x,A
constexpr FieldSpec kRot[] = {
    RealField(offsetof(RotFields, rateOfTurn)),
    CharField(offsetof(RotFields, status)),
};

// $--RSA,x.x,A,x.x,A
constexpr FieldSpec kRsa[] = {
    RealField(offsetof(RsaFields, starboardRudder)),
    CharField(offsetof(RsaFields, starboardStatus)),
    RealField(offsetof(RsaFields, portRudder)),
    CharField(offsetof(RsaFields, portStatus)),
};

// $--SSD,c--c,c--c,xxx,xxx,xx,xx,c,aa
constexpr FieldSpec kSsd[] = {
    TextField(offsetof(SsdFields, callSign), kCallSignSize).blankAs(kEmptyText),
    TextField(offsetof(SsdFields, name), kShortTextSize).blankAs(kEmptyText),
    Int16Field(offsetof(SsdFields, referenceA)).blankAs(kNoReferenceDistanceAB),
    Int16Field(offsetof(SsdFields, referenceB)).blankAs(kNoReferenceDistanceAB),
    Int8Field(offsetof(SsdFields, referenceC)).blankAs(kNoReferenceDistanceCD),
    Int8Field(offsetof(SsdFields, referenceD)).blankAs(kNoReferenceDistanceCD),
    Int8Field(offsetof(SsdFields, dteIndicator)).blankAs(kNoDteIndicator),
    TextField(offsetof(SsdFields, sourceIdentifier), kShortTextSize),
};

// $PZQT,c,Smg,c--c,x
constexpr FieldSpec kSmg[] = {
    TextField(offsetof(SmgFields, text), kSmgTextSize),
    Int8Field(offsetof(SmgFields, value)),
};

// $PTPS,xxx,c--c
constexpr FieldSpec kTps[] = {
    Int16Field(offsetof(TpsFields, code)).blankAs(kNoTpsCode),
    TextField(offsetof(TpsFields, text), kStoreTextSize).blankAs(kEmptyText),
};

// $PTST,xxxxx,xx,a,A,xxxxx
constexpr FieldSpec kTst[] = {
    Int32Field(offsetof(TstFields, number)).blankAs(kNoTestNumber),
    Int8Field(offsetof(TstFields, value)).blankAs(kNoTestValue),
    CharField(offsetof(TstFields, lowerCaseLetter)),
    CharField(offsetof(TstFields, letter)),
    Int16Field(offsetof(TstFields, code)).blankAs(kNoTestCode),
};

// $--TXT,xx,xx,xx,c--c   the text field is cleared and at most 61 characters kept
constexpr FieldSpec kTxt[] = {
    Int8Field(offsetof(TxtFields, totalSentences)).blankAs(kNoInt8).within(1, 99),
    Int8Field(offsetof(TxtFields, sentenceNumber)).blankAs(kNoInt8).within(1, 99),
    Int8Field(offsetof(TxtFields, textIdentifier)).blankAs(kNoInt8).within(1, 99),
    TextField(offsetof(TxtFields, text), kTxtTextSize),
};

// $--VBW,x.x,x.x,A,x.x,x.x,A   no blank tests
constexpr FieldSpec kVbw[] = {
    RealField(offsetof(VbwFields, longitudinalWaterSpeed)).blankConverts(),
    RealField(offsetof(VbwFields, transverseWaterSpeed)).blankConverts(),
    CharField(offsetof(VbwFields, waterSpeedStatus)),
    RealField(offsetof(VbwFields, longitudinalGroundSpeed)).blankConverts(),
    RealField(offsetof(VbwFields, transverseGroundSpeed)).blankConverts(),
    CharField(offsetof(VbwFields, groundSpeedStatus)),
};

// $--VDR,x.x,T,x.x,M,x.x,N
constexpr FieldSpec kVdr[] = {
    RealField(offsetof(VdrFields, setTrue)).within(0, 360),
    CharField(offsetof(VdrFields, trueReference)),
    RealField(offsetof(VdrFields, setMagnetic)).within(0, 360),
    CharField(offsetof(VdrFields, magneticReference)),
    RealField(offsetof(VdrFields, drift)),
    CharField(offsetof(VdrFields, driftUnit)),
};

// $--VHW,x.x,T,x.x,M,x.x,N,x.x,K
constexpr FieldSpec kVhw[] = {
    RealField(offsetof(VhwFields, headingTrue)).within(0, 360),
    CharField(offsetof(VhwFields, trueReference)),
    RealField(offsetof(VhwFields, headingMagnetic)).within(0, 360),
    CharField(offsetof(VhwFields, magneticReference)),
    RealField(offsetof(VhwFields, speedKnots)),
    CharField(offsetof(VhwFields, knotsUnit)),
    RealField(offsetof(VhwFields, speedKmh)),
    CharField(offsetof(VhwFields, kmhUnit)),
};

// $--VLW,x.x,N,x.x,N   what the gateway sends: the distances through the water
constexpr FieldSpec kVlw[] = {
    RealField(offsetof(VlwFields, totalWaterDistance)),
    CharField(offsetof(VlwFields, totalWaterUnit)),
    RealField(offsetof(VlwFields, tripWaterDistance)),
    CharField(offsetof(VlwFields, tripWaterUnit)),
};
// $--VLW,x.x,N,x.x,N,x.x,N,x.x,N   other logs add the distances over ground
constexpr auto kVlwLenient = Joined(kVlw, {
                                              RealField(offsetof(VlwFields, totalGroundDistance)),
                                              CharField(offsetof(VlwFields, totalGroundUnit)),
                                              RealField(offsetof(VlwFields, tripGroundDistance)),
                                              CharField(offsetof(VlwFields, tripGroundUnit)),
                                          });

// $--VSD,x.x,x.x,x.x,c--c,hhmmss.ss,xx,xx,x.x,x.x
constexpr FieldSpec kVsd[] = {
    Int16Low8Field(offsetof(VsdFields, shipType)).blankAs(kNoShipType),
    RealField(offsetof(VsdFields, maximumDraught)),
    Int16Field(offsetof(VsdFields, personsOnBoard)).blankAs(kNoPersonsOnBoard),
    TextField(offsetof(VsdFields, destination), kShortTextSize).blankAs(kEmptyText),
    TimeField(offsetof(VsdFields, arrivalTime)),
    Int8Field(offsetof(VsdFields, arrivalDay)).blankAs(kNoArrivalDay),
    Int8Field(offsetof(VsdFields, arrivalMonth)).blankAs(kNoArrivalMonth),
    Int8Field(offsetof(VsdFields, navigationalStatus)).blankAs(kNoInt8),
    Int8Field(offsetof(VsdFields, regionalFlags)),
};

// $--VWR,x.x,a,x.x,N,x.x,M,x.x,K   and VWT, the true wind, in the same fields
constexpr FieldSpec kVwr[] = {
    RealField(offsetof(VwrFields, windAngle)).within(0, 180),
    CharField(offsetof(VwrFields, side)),
    RealField(offsetof(VwrFields, speedKnots)),
    CharField(offsetof(VwrFields, knotsUnit)),
    RealField(offsetof(VwrFields, speedMetresPerSecond)),
    CharField(offsetof(VwrFields, metresPerSecondUnit)),
    RealField(offsetof(VwrFields, speedKmh)),
    CharField(offsetof(VwrFields, kmhUnit)),
};

// $--VTG,x.x,T,x.x,M,x.x,N,x.x,K,a   each unit exactly one character, blank -> 0x80
constexpr FieldSpec kVtg[] = {
    RealField(offsetof(VtgFields, courseTrue)),
    UnitField(offsetof(VtgFields, courseTrueUnit)),
    RealField(offsetof(VtgFields, courseMagnetic)),
    UnitField(offsetof(VtgFields, courseMagneticUnit)),
    RealField(offsetof(VtgFields, speedKnots)),
    UnitField(offsetof(VtgFields, speedKnotsUnit)),
    RealField(offsetof(VtgFields, speedKmh)),
    UnitField(offsetof(VtgFields, speedKmhUnit)),
    CharField(offsetof(VtgFields, mode)),
};

// $--WPL,llll.ll,a,yyyyy.yy,a,c--c
constexpr FieldSpec kWpl[] = {
    LatLonField(offsetof(WplFields, position)),
    TextField(offsetof(WplFields, waypointId), kShortTextSize),
};

// $--XTE,A,A,x.x,a,N,a
constexpr FieldSpec kXte[] = {
    CharField(offsetof(XteFields, status)),
    CharField(offsetof(XteFields, cycleLockStatus)),
    RealField(offsetof(XteFields, crossTrackError)),
    CharField(offsetof(XteFields, steerDirection)),
    CharField(offsetof(XteFields, unit)),
    CharField(offsetof(XteFields, mode)),
};

// $--ZDA,hhmmss.ss,xx,xx,xxxx,xx,xx   stored as year, month, day
constexpr FieldSpec kZda[] = {
    TimeField(offsetof(ZdaFields, time)),
    Int8Field(offsetof(ZdaFields, day)).blankAs(kNoInt8).within(1, 31),
    Int8Field(offsetof(ZdaFields, month)).blankAs(kNoInt8).within(1, 12),
    Int16Field(offsetof(ZdaFields, year)).blankAs(kNoYear),
    Int8Field(offsetof(ZdaFields, localZoneHours)).blankAs(kNoInt8).within(-13, 13),
    Int8Field(offsetof(ZdaFields, localZoneMinutes)).blankAs(kNoInt8).within(0, 59),
};

// One table entry; `lenient` names what a lenient reading of other devices'
// logs uses instead (a longer list, wider limits, or its own code).
constexpr DecoderEntry List(const char (&formatter)[4], int commas,
                            std::span<const FieldSpec> fields) {
    return {{formatter[0], formatter[1], formatter[2], '\0'}, commas, fields, nullptr};
}
constexpr DecoderEntry Special(const char (&formatter)[4], int commas, SpecialDecoder decoder) {
    return {{formatter[0], formatter[1], formatter[2], '\0'}, commas, {}, decoder};
}

// Sorted by formatter (byte order) for the lookup. Comma counts of 0 are
// checked by the decoder itself (GSV takes four counts, RMA a minimum, XDR
// whole quadruplets).
constexpr std::array kDecoders = {
    List("AAM", 5, kAam),
    List("ABK", 5, kAbk),
    Special("ABM", 8, DecodeAbm),
    List("ACA", 19, kAca),
    List("ACK", 1, kAck),
    List("ACS", 6, kAcs),
    List("AIQ", 2, kAiq),
    List("ALR", 5, kAlr),
    List("APB", 15, kApb),
    Special("BBM", 7, DecodeBbm),
    List("BDY", 5, kBdy),
    List("BOD", 6, kBod),
    List("BTH", 7, kBth),
    List("BWC", 13, kBwc),
    List("CTT", 12, kCtt),
    List("DBG", 8, kDbg),
    List("DBT", 6, kDbt),
    List("DPT", 3, kDpt),
    Special("DSC", 11, DecodeDsc),
    List("DTM", 8, kDtm),
    List("FRQ", 4, kFrq),
    List("GBS", 8, kGbs).lenient(kGbsLenient),
    List("GGA", 14, kGga).lenient(kGgaLenient),
    List("GLL", 7, kGll),
    List("GNS", 12, kGns),
    List("GRS", 14, kGrs),
    List("GSA", 17, kGsa).lenient(kGsaLenient),
    List("GST", 8, kGst),
    Special("GSV", 0, DecodeGsv).lenient(DecodeGsvLenient),
    List("HDG", 5, kHdg),
    List("HDM", 2, kHdm),
    List("HDT", 2, kHdt),
    List("MID", 2, kMid),
    Special("MOB", 5, DecodeMob),
    List("MTW", 2, kMtw),
    List("MWD", 8, kMwd),
    List("MWV", 5, kMwv),
    List("OSD", 9, kOsd),
    Special("Q\0\0", 9, DecodeQuery),
    Special("RMA", 0, DecodeRma),
    List("RMB", 14, kRmb),
    List("RMC", 12, kRmc).lenient(kRmcLenient),
    List("ROT", 2, kRot),
    List("RSA", 4, kRsa),
    List("SSD", 8, kSsd),
    List("Smg", 2, kSmg),
    List("TPS", 2, kTps),
    List("TST", 5, kTst),
    List("TXT", 4, kTxt),
    List("VBW", 6, kVbw),
    Special("VDM", 6, DecodeVdm).lenient(DecodeVdmLenient),
    Special("VDO", 6, DecodeVdm).lenient(DecodeVdmLenient),
    List("VDR", 6, kVdr),
    List("VHW", 8, kVhw),
    List("VLW", 4, kVlw).lenient(kVlwLenient),
    List("VSD", 9, kVsd),
    List("VTG", 9, kVtg),
    List("VWR", 8, kVwr),
    List("VWT", 8, kVwr),
    List("WPL", 5, kWpl),
    Special("XDR", 0, DecodeXdr),
    List("XTE", 6, kXte),
    List("ZDA", 6, kZda),
};
static_assert(kDecoders.size() == 63, "one decoder per formatter");

constexpr bool TableIsSortedAndCounted() {
    for (std::size_t i = 0; i < kDecoders.size(); ++i) {
        const DecoderEntry& entry = kDecoders[i];
        if (!entry.fields.empty() && CountSentenceFields(entry.fields) != entry.commas) {
            return false;
        }
        if (i > 0) {
            const char* previous = kDecoders[i - 1].formatter;
            int order = 0;
            for (int k = 0; k < 4 && order == 0; ++k) {
                order = static_cast<unsigned char>(previous[k]) -
                        static_cast<unsigned char>(entry.formatter[k]);
            }
            if (order >= 0) {
                return false;
            }
        }
    }
    return true;
}
static_assert(TableIsSortedAndCounted(),
              "decoder table: byte order, and every list has as many fields as commas");

} // namespace

std::span<const DecoderEntry> DecoderTable() {
    return kDecoders;
}

} // namespace varo
