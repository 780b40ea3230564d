#include "sim/PlainSentences.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace varo::sim {
namespace {

constexpr double kKmPerNauticalMile = 1.852;
constexpr double kFeetPerMetre = 3.28084;
constexpr double kFathomsPerMetre = 0.546807;
constexpr double kMetresPerSecondPerKnot = 0.514444;

std::string Format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* pattern, ...) {
    char text[96];
    va_list arguments;
    va_start(arguments, pattern);
    std::vsnprintf(text, sizeof text, pattern, arguments);
    va_end(arguments);
    return text;
}

// ddmm.mmmm,N or dddmm.mmmm,E, rounded in whole ten-thousandths of a minute
// so that 59.99999 minutes never prints as 60.
std::string Coordinate(double degrees, int degreeDigits, char positive, char negative) {
    const long long units = std::llround(std::fabs(degrees) * 600000.0);
    return Format("%0*lld%02lld.%04lld,%c", degreeDigits, units / 600000, units % 600000 / 10000,
                  units % 10000, degrees < 0 ? negative : positive);
}

std::string Position(const Vessel& v) {
    return Coordinate(v.latitude, 2, 'N', 'S') + "," + Coordinate(v.longitude, 3, 'E', 'W');
}

std::string Time(const UtcStamp& t) {
    return Format("%02d%02d%02d.%02d", t.hour, t.minute, t.second, t.hundredths);
}

double Magnetic(double trueDegrees) {
    return std::fmod(trueDegrees - kMagneticVariation + 360.0, 360.0);
}

using FieldWriter = void (*)(const OutputContext&, std::vector<std::string>&);

// $--GGA,hhmmss.ss,llll.ll,a,yyyyy.yy,a,x,xx,x.x,x.x,M,x.x,M,x.x,xxxx
void WriteGga(const OutputContext& c, std::vector<std::string>& out) {
    out.push_back(Time(c.time) + "," + Position(c.ship.Motion()) +
                  Format(",1,%02d,0.9,12.3,M,18.5,M,,", kSatellitesInUse));
}

// $--GLL,llll.ll,a,yyyyy.yy,a,hhmmss.ss,A,a
void WriteGll(const OutputContext& c, std::vector<std::string>& out) {
    out.push_back(Position(c.ship.Motion()) + "," + Time(c.time) + ",A,A");
}

// $--GSV,x,x,xx, then up to four groups xx,xx,xxx,xx
void WriteGsv(const OutputContext&, std::vector<std::string>& out) {
    constexpr int count = static_cast<int>(std::size(kSatellites));
    constexpr int parts = (count + 3) / 4;
    for (int part = 0; part < parts; ++part) {
        std::string fields = Format("%d,%d,%02d", parts, part + 1, count);
        for (int i = part * 4; i < count && i < part * 4 + 4; ++i) {
            const Satellite& s = kSatellites[i];
            fields += Format(",%02d,%02d,%03d,%02d", s.prn, s.elevation, s.azimuth, s.snr);
        }
        out.push_back(fields);
    }
}

// $--VTG,x.x,T,x.x,M,x.x,N,x.x,K,a
void WriteVtg(const OutputContext& c, std::vector<std::string>& out) {
    const Vessel& v = c.ship.Motion();
    out.push_back(Format("%.1f,T,%.1f,M,%.1f,N,%.1f,K,A", v.courseDegrees,
                         Magnetic(v.courseDegrees), v.speedKnots,
                         v.speedKnots * kKmPerNauticalMile));
}

// $--ZDA,hhmmss.ss,xx,xx,xxxx,xx,xx
void WriteZda(const OutputContext& c, std::vector<std::string>& out) {
    out.push_back(Time(c.time) +
                  Format(",%02d,%02d,%04d,00,00", c.time.day, c.time.month, c.time.year));
}

// $--HDG,x.x,x.x,a,x.x,a: magnetic sensor heading, deviation, variation
void WriteHdg(const OutputContext& c, std::vector<std::string>& out) {
    out.push_back(Format("%.1f,0.0,E,%.1f,%c", Magnetic(c.ship.HeadingDegrees()),
                         std::fabs(kMagneticVariation), kMagneticVariation < 0 ? 'W' : 'E'));
}

// $--ROT,x.x,A
void WriteRot(const OutputContext& c, std::vector<std::string>& out) {
    out.push_back(Format("%.1f,A", c.ship.Motion().rateOfTurn));
}

// $--VHW,x.x,T,x.x,M,x.x,N,x.x,K
void WriteVhw(const OutputContext& c, std::vector<std::string>& out) {
    const double heading = c.ship.HeadingDegrees();
    const double speed = c.ship.WaterSpeedKnots();
    out.push_back(Format("%.1f,T,%.1f,M,%.1f,N,%.1f,K", heading, Magnetic(heading), speed,
                         speed * kKmPerNauticalMile));
}

// $--DPT,x.x,x.x,x.x: depth below the transducer, transducer offset, range
void WriteDpt(const OutputContext& c, std::vector<std::string>& out) {
    out.push_back(Format("%.1f,0.5,100", c.ship.DepthMetres()));
}

// $--DBT,x.x,f,x.x,M,x.x,F
void WriteDbt(const OutputContext& c, std::vector<std::string>& out) {
    const double depth = c.ship.DepthMetres();
    out.push_back(
        Format("%.1f,f,%.1f,M,%.1f,F", depth * kFeetPerMetre, depth, depth * kFathomsPerMetre));
}

// $--MWV,x.x,R,x.x,N,A
void WriteMwv(const OutputContext& c, std::vector<std::string>& out) {
    out.push_back(Format("%.1f,R,%.1f,N,A", c.ship.WindAngleDegrees(), c.ship.WindSpeedKnots()));
}

// $--VWR,x.x,a,x.x,N,x.x,M,x.x,K: relative wind, off the starboard (R) or port (L) bow
void WriteVwr(const OutputContext& c, std::vector<std::string>& out) {
    const double angle = c.ship.WindAngleDegrees();
    const double speed = c.ship.WindSpeedKnots();
    out.push_back(Format("%.1f,%c,%.1f,N,%.1f,M,%.1f,K", angle <= 180 ? angle : 360 - angle,
                         angle <= 180 ? 'R' : 'L', speed, speed * kMetresPerSecondPerKnot,
                         speed * kKmPerNauticalMile));
}

// $--MWD,x.x,T,x.x,M,x.x,N,x.x,M
void WriteMwd(const OutputContext& c, std::vector<std::string>& out) {
    const double direction = std::fmod(c.ship.HeadingDegrees() + c.ship.WindAngleDegrees(), 360.0);
    const double speed = c.ship.WindSpeedKnots();
    out.push_back(Format("%.1f,T,%.1f,M,%.1f,N,%.1f,M", direction, Magnetic(direction), speed,
                         speed * kMetresPerSecondPerKnot));
}

// $--MTW,x.x,C
void WriteMtw(const OutputContext& c, std::vector<std::string>& out) {
    out.push_back(Format("%.1f,C", c.ship.WaterTemperature()));
}

// $--VLW,x.x,N,x.x,N: total and trip distance through the water
void WriteVlw(const OutputContext& c, std::vector<std::string>& out) {
    out.push_back(Format("1520.4,N,%.2f,N", c.ship.DistanceRun()));
}

// $--VDR,x.x,T,x.x,M,x.x,N: set and drift of the current
void WriteVdr(const OutputContext&, std::vector<std::string>& out) {
    out.push_back(Format("%.1f,T,%.1f,M,0.6,N", 75.0, Magnetic(75.0)));
}

// $--RSA,x.x,A,x.x,V: starboard rudder only
void WriteRsa(const OutputContext& c, std::vector<std::string>& out) {
    out.push_back(Format("%.1f,A,,V", c.ship.Motion().rateOfTurn * 2.0));
}

struct PlainSentence {
    OutputTag tag;
    const char* talker;
    const char* formatter;
    FieldWriter write;
};

constexpr PlainSentence kPlainSentences[] = {
    {otGGA, "GP", "GGA", WriteGga}, {otGLL, "GP", "GLL", WriteGll}, {otGSV, "GP", "GSV", WriteGsv},
    {otVTG, "GP", "VTG", WriteVtg}, {otZDA, "GP", "ZDA", WriteZda}, {otHDG, "HC", "HDG", WriteHdg},
    {otROT, "TI", "ROT", WriteRot}, {otVHW, "VW", "VHW", WriteVhw}, {otVLW, "VW", "VLW", WriteVlw},
    {otDPT, "SD", "DPT", WriteDpt}, {otDBT, "SD", "DBT", WriteDbt}, {otMWV, "WI", "MWV", WriteMwv},
    {otVWR, "WI", "VWR", WriteVwr}, {otMWD, "WI", "MWD", WriteMwd}, {otMTW, "YX", "MTW", WriteMtw},
    {otVDR, "VW", "VDR", WriteVdr}, {otRSA, "AG", "RSA", WriteRsa},
};

} // namespace

bool AppendPlainSentence(OutputTag tag, const OutputContext& context,
                         std::vector<std::string>& lines) {
    for (const PlainSentence& sentence : kPlainSentences) {
        if (sentence.tag != tag) continue;
        std::vector<std::string> fields;
        sentence.write(context, fields);
        for (const std::string& text : fields) {
            std::string line = FinishedSentence(sentence.talker, sentence.formatter, text);
            if (!line.empty()) lines.push_back(std::move(line));
        }
        return true;
    }
    return false;
}

} // namespace varo::sim