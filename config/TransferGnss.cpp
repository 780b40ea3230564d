// GnssRecord (GGA, GBS, GLL, GSA, GSV, RMC, VTG, ZDA) and HeadingSpeedRecord
// (GNS, VBW, ROT, HDT).
#include "config/StoreTransfer.h"

namespace varo {
namespace {

constexpr bool kStoring(Direction direction) {
    return direction == Direction::Store;
}

bool IsValidDateAndTime(const UtcTime& time, const NmeaDate& date) {
    return time.hour < 24 && time.minute < 60 && time.second < 60 && date.year > 0 &&
           date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31;
}

void TestDateAndTime(GnssRecord& gnss, const SentenceStore& store) {
    if (IsValidDateAndTime(gnss.time, gnss.date)) {
        gnss.dateValid = 1;
        SetFlag(gnss.timeValid, gnss.dateTimeStamp, store);
    }
}

} // namespace

void TransferGga(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    GgaFields& f = sentence.payload.gga;
    GnssRecord& r = store.gnss;
    Move(d, f.time, r.time);
    Move(d, f.position, r.position);
    Move(d, f.quality, r.quality);
    Move(d, f.satellitesInUse, r.satellitesInUse);
    Move(d, f.geoidalSeparation, r.geoidalSeparation);
    if (kStoring(d) && r.quality >= 1 && r.quality <= 3) {
        SetFlag(r.positionValid, r.positionStamp, store);
    }
}

void TransferGbs(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    GbsFields& f = sentence.payload.gbs;
    GnssRecord& r = store.gnss;
    Move(d, f.time, r.time);
    Move(d, f.latitudeError, r.latitudeError);
    Move(d, f.longitudeError, r.longitudeError);
    Move(d, f.altitudeError, r.altitudeError);
    Move(d, f.failedSatelliteId, r.failedSatelliteId);
    Move(d, f.probabilityOfMissedDetection, r.probabilityOfMissedDetection);
    Move(d, f.biasEstimate, r.biasEstimate);
    Move(d, f.biasStandardDeviation, r.biasStandardDeviation);
    if (kStoring(d) && r.latitudeError > -99999.0f && r.longitudeError > -99999.0f &&
        r.altitudeError > -99999.0f) {
        SetFlag(r.gbsValid, r.gbsStamp, store);
    }
}

void TransferGll(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    GllFields& f = sentence.payload.gll;
    GnssRecord& r = store.gnss;
    Move(d, f.position, r.position);
    Move(d, f.time, r.time);
    Move(d, f.status, r.status);
    Move(d, f.mode, r.mode);
    if (kStoring(d) && r.status == 'A') {
        SetFlag(r.positionValid, r.positionStamp, store);
    }
}

void TransferGsa(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    GsaFields& f = sentence.payload.gsa;
    GnssRecord& r = store.gnss;
    Move(d, f.selectionMode, r.selectionMode);
    Move(d, f.fixMode, r.fixMode);
    MoveBlock(d, f.satelliteIds, r.satelliteIds);
    Move(d, f.pdop, r.pdop);
    Move(d, f.hdop, r.hdop);
    Move(d, f.vdop, r.vdop);
    if (kStoring(d)) {
        std::int8_t inUse = 0;
        for (const std::int8_t id : r.satelliteIds) {
            inUse = static_cast<std::int8_t>(inUse + (id > 0 ? 1 : 0));
        }
        r.satellitesInUse = inUse;
    }
}

void TransferGsv(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    Move(d, sentence.payload.gsv.satellitesInView, store.gnss.satellitesInView);
}

void TransferRmc(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    RmcFields& f = sentence.payload.rmc;
    GnssRecord& r = store.gnss;
    Move(d, f.time, r.time);
    Move(d, f.status, r.status);
    Move(d, f.position, r.position);
    Move(d, f.speedOverGround, r.speedOverGround);
    Move(d, f.courseOverGround, r.courseOverGround);
    Move(d, f.date, r.date);
    Move(d, f.mode, r.mode);
    if (!kStoring(d)) {
        return;
    }
    TestDateAndTime(r, store);
    if (r.status == 'A') {
        SetFlag(r.positionValid, r.positionStamp, store);
    }
    if (r.courseOverGround >= 0.0f && r.courseOverGround <= 360.0f) {
        SetFlag(r.courseValid, r.courseStamp, store);
    }
}

// Course true and speed in knots share their places with RMC's course and speed.
void TransferVtg(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    VtgFields& f = sentence.payload.vtg;
    GnssRecord& r = store.gnss;
    Move(d, f.courseTrue, r.courseOverGround);
    Move(d, f.courseMagnetic, r.courseMagnetic);
    Move(d, f.speedKnots, r.speedOverGround);
    Move(d, f.speedKmh, r.speedKmh);
    Move(d, f.mode, r.mode);
}

void TransferZda(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    ZdaFields& f = sentence.payload.zda;
    GnssRecord& r = store.gnss;
    Move(d, f.time, r.time);
    Move(d, f.year, r.date.year);
    Move(d, f.month, r.date.month);
    Move(d, f.day, r.date.day);
    if (kStoring(d)) {
        TestDateAndTime(r, store);
    }
}

void TransferGns(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    GnsFields& f = sentence.payload.gns;
    HeadingSpeedRecord& r = store.headingSpeed;
    Move(d, f.time.hour, r.hour);
    Move(d, f.time.minute, r.minute);
    Move(d, f.time.second, r.second);
    Move(d, f.position, r.position);
    MoveBlock(d, f.modeIndicator, r.modeIndicator);
    Move(d, f.satellitesInUse[0], r.satellitesInUse);
    Move(d, f.hdop, r.hdop);
    Move(d, f.altitude, r.altitude);
    Move(d, f.geoidalSeparation, r.geoidalSeparation);
    Move(d, f.ageOfDifferentialData, r.ageOfDifferentialData);
    Move(d, f.referenceStationId, r.referenceStationId);
}

void TransferVbw(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    VbwFields& f = sentence.payload.vbw;
    HeadingSpeedRecord& r = store.headingSpeed;
    Move(d, f.longitudinalWaterSpeed, r.longitudinalWaterSpeed);
    Move(d, f.transverseWaterSpeed, r.transverseWaterSpeed);
    Move(d, f.waterSpeedStatus, r.waterSpeedStatus);
    Move(d, f.longitudinalGroundSpeed, r.longitudinalGroundSpeed);
    Move(d, f.transverseGroundSpeed, r.transverseGroundSpeed);
    Move(d, f.groundSpeedStatus, r.groundSpeedStatus);
}

void TransferRot(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    Move(d, sentence.payload.rot.rateOfTurn, store.headingSpeed.rateOfTurn);
    Move(d, sentence.payload.rot.status, store.headingSpeed.rateOfTurnStatus);
}

void TransferHdt(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    HeadingSpeedRecord& r = store.headingSpeed;
    Move(d, sentence.payload.hdt.heading, r.heading);
    if (kStoring(d) && r.heading >= 0.0f && r.heading < 360.0f) {
        SetFlag(r.headingValid, r.headingStamp, store);
    }
}

} // namespace varo
