// One valid example per decoded formatter, shared by the codec and tool tests.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace varo::test {

struct ExampleSentence {
    const char* formatter;
    const char* header; // everything before the first data field's comma
    std::vector<std::string> fields;
};

inline const std::vector<ExampleSentence>& ExampleSentences() {
    static const std::vector<ExampleSentence> examples = {
        {"ABK", "$AIABK", {"211444000", "A", "8", "1", "0"}},
        {"ABM",
         "!AIABM",
         {"1", "1", "0", "211444000", "2", "12", "177KQJ5000G?tO`K>RA1wUbN0TKH", "0"}},
        {"ACA",
         "$ACACA",
         {"1", "5000.0", "N", "00100.0", "W", "4900.0", "N", "00200.0", "E", "2", "2087", "0",
          "2088", "0", "0", "0", "I", "0", "123000"}},
        {"ACK", "$AIACK", {"012"}},
        {"ACS", "$AIACS", {"1", "211444000", "123000.00", "04", "07", "2002"}},
        {"AIQ", "$PZQT,A,AIQ", {"Smg", "5"}},
        {"ALR", "$AIALR", {"123000.00", "006", "A", "V", "AIS: antenna VSWR exceeds limit"}},
        {"BBM", "!AIBBM", {"1", "1", "0", "2", "8", "177KQJ5000G?tO`K>RA1wUbN0TKH", "0"}},
        {"BDY", "$PBDY", {"123456789", "SERIAL", "MODEL", "1", "0"}},
        {"BTH", "$PBTH", {"001", "002", "003", "004", "005", "006", "BRIDGE"}},
        {"CTT",
         "$PCTT",
         {"R", "200005", "129025", "1", "129026", "0", "129029", "1", "129033", "1", "575256",
          "1"}},
        {"DBG", "$PDBG", {"042", "1", "013", "38400", "", "", "", ""}},
        {"DTM", "$GPDTM", {"W84", "", "0000.0", "N", "0000.0", "E", "0.0", "W84"}},
        {"FRQ", "$PFRQ", {"000000010", "1", "000000020", "2"}},
        {"GBS", "$GPGBS", {"123519.00", "1.2", "0.8", "2.5", "07", "0.01", "1.5", "0.3"}},
        {"GGA",
         "$GPGGA",
         {"123519.00", "4807.038", "N", "01131.000", "E", "1", "08", "0.9", "545.4", "M", "46.9",
          "M", "", "0120"}},
        {"GLL", "$GPGLL", {"4916.45", "N", "12311.12", "W", "225444", "A", "A"}},
        {"GNS",
         "$GPGNS",
         {"122310.2", "3722.425671", "N", "12258.856215", "W", "AA", "14", "0.9", "1005.543", "6.5",
          "", ""}},
        {"GRS",
         "$GPGRS",
         {"123519.00", "1", "-0.1", "0.2", "0.3", "0.0", "0.1", "-0.2", "", "", "", "", "", ""}},
        {"GSA",
         "$GPGSA",
         {"A", "3", "04", "05", "", "09", "12", "", "", "24", "", "", "", "", "2.5", "1.3", "2.1"}},
        {"GST", "$GPGST", {"123519.00", "1.2", "3.0", "2.0", "45.0", "1.5", "1.1", "2.3"}},
        {"GSV",
         "$GPGSV",
         {"3", "1", "11", "03", "03", "111", "00", "04", "15", "270", "00", "06", "01", "010", "00",
          "13", "06", "292", "00"}},
        {"HDT", "$GPHDT", {"274.07", "T"}},
        {"MID", "$PMID", {"000000001", "000000002"}},
        {"MOB", "$PMOB", {"A1B2C3", "5", "0F", "", "0102030405"}},
        {"OSD", "$INOSD", {"045.0", "A", "046.0", "B", "12.5", "W", "", "", "N"}},
        {"Q", "$CCGPQ", {"GGA", "", "", "", "", "", "", "", ""}},
        {"RMA",
         "$GPRMA",
         {"A", "4916.45", "N", "12311.12", "W", "", "", "12.0", "090.0", "5.0", "E"}},
        {"RMC",
         "$GPRMC",
         {"123519", "A", "4807.038", "N", "01131.000", "W", "022.4", "084.4", "230394", "003.1",
          "W", "A"}},
        {"ROT", "$GPROT", {"-3.5", "A"}},
        {"SSD", "$AISSD", {"CALL123", "SHIPNAME", "050", "020", "05", "05", "0", "AI"}},
        {"Smg", "$PZQT,B,Smg", {"hello world", "3"}},
        {"TPS", "$PTPS", {"016", "TEXT"}},
        {"TST", "$PTST", {"00016", "02", "a", "A", "00016"}},
        {"TXT", "$GPTXT", {"01", "01", "02", "ANTENNA OK"}},
        {"VBW", "$INVBW", {"10.1", "-0.2", "A", "10.0", "-0.3", "A"}},
        {"VDM", "!AIVDM", {"1", "1", "", "B", "177KQJ5000G?tO`K>RA1wUbN0TKH", "0"}},
        {"VDO", "!AIVDO", {"1", "1", "", "A", "177KQJ5000G?tO`K>RA1wUbN0TKH", "0"}},
        {"VSD", "$AIVSD", {"070", "10.5", "25", "ROTTERDAM", "123000", "15", "07", "0", "0"}},
        {"VTG", "$GPVTG", {"054.7", "T", "034.4", "M", "005.5", "N", "010.2", "K", "A"}},
        {"WPL", "$GPWPL", {"4917.16", "N", "12310.64", "W", "003"}},
        {"ZDA", "$GPZDA", {"201530.00", "04", "07", "2002", "00", "00"}},
        {"AAM", "$GPAAM", {"A", "A", "0.10", "N", "WPTNME"}},
        {"APB",
         "$GPAPB",
         {"A", "A", "0.10", "R", "N", "V", "V", "011", "M", "DEST", "011", "M", "011", "M", "A"}},
        {"BOD", "$GPBOD", {"097.0", "T", "103.2", "M", "POINTB", "POINTA"}},
        {"BWC",
         "$GPBWC",
         {"081837", "3751.65", "S", "14507.36", "E", "165.8", "T", "160.1", "M", "18.6", "N", "WPT",
          "A"}},
        {"DBT", "$SDDBT", {"138.3", "f", "42.2", "M", "23.1", "F"}},
        {"DPT", "$SDDPT", {"42.2", "0.5", "100"}},
        {"DSC",
         "$CDDSC",
         {"12", "3380400790", "12", "06", "00", "1423108312", "2019", "", "", "S", "E"}},
        {"HDG", "$HCHDG", {"307.0", "0.0", "E", "3.5", "W"}},
        {"HDM", "$HCHDM", {"123.4", "M"}},
        {"MTW", "$YXMTW", {"17.5", "C"}},
        {"MWD", "$WIMWD", {"270.0", "T", "273.5", "M", "14.2", "N", "7.3", "M"}},
        {"MWV", "$WIMWV", {"35.5", "R", "14.2", "N", "A"}},
        {"RMB",
         "$GPRMB",
         {"A", "0.66", "L", "003", "004", "4917.24", "N", "12309.57", "W", "001.3", "052.5",
          "000.5", "V", "A"}},
        {"RSA", "$AGRSA", {"10.5", "A", "", "V"}},
        {"VDR", "$VWVDR", {"75.0", "T", "78.5", "M", "0.6", "N"}},
        {"VHW", "$VWVHW", {"310.5", "T", "314.0", "M", "6.5", "N", "12.0", "K"}},
        {"VLW", "$VWVLW", {"1520.4", "N", "12.35", "N"}},
        {"VWR", "$WIVWR", {"35.5", "R", "14.2", "N", "7.3", "M", "26.3", "K"}},
        {"VWT", "$WIVWT", {"45.0", "L", "10.0", "N", "5.1", "M", "18.5", "K"}},
        {"XDR", "$WIXDR", {"C", "19.52", "C", "TempAir", "P", "1.02481", "B", "Barometer"}},
        {"XTE", "$GPXTE", {"A", "A", "0.67", "L", "N", "A"}},
    };
    return examples;
}

// "$GPHDT,1.0,T" -> "$GPHDT,1.0,T*XX" with its checksum.
inline std::string WithChecksum(const std::string& body) {
    unsigned checksum = 0;
    for (std::size_t i = 1; i < body.size(); ++i) {
        checksum ^= static_cast<unsigned char>(body[i]);
    }
    char ending[4];
    std::snprintf(ending, sizeof ending, "*%02X", checksum);
    return body + ending;
}

inline std::string JoinFields(const std::string& header, const std::vector<std::string>& fields) {
    std::string body = header;
    for (const std::string& field : fields) {
        body += ',';
        body += field;
    }
    return body;
}

// The complete received line, CR LF included.
inline std::string SentenceLine(const std::string& header, const std::vector<std::string>& fields) {
    return WithChecksum(JoinFields(header, fields)) + "\r\n";
}

} // namespace varo::test
