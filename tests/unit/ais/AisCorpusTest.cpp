// Runs the published AIS sentences of the corpus through the receive steps and
// checks each "expect" line against the result and the target table.
#include "AisTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

namespace varo {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

std::string Trimmed(const char* text) {
    std::string s(text);
    while (!s.empty() && (s.back() == '@' || s.back() == ' '))
        s.pop_back();
    return s;
}

// !AIVDM,total,number,id,channel,payload,fill*checksum
struct Sentence {
    AisFragment fragment;
    std::string payload;
};

bool ParseSentence(const std::string& line, Sentence& out) {
    const std::vector<std::string> f = Split(line, ',');
    if (f.size() < 7 || f[0].size() != 6) return false;
    out.payload = f[5];
    AisFragment& fragment = out.fragment;
    fragment.total = static_cast<int8_t>(std::stoi(f[1]));
    fragment.number = static_cast<int8_t>(std::stoi(f[2]));
    fragment.sequentialId = static_cast<int8_t>(f[3].empty() ? -128 : std::stoi(f[3]));
    fragment.channel = static_cast<int8_t>(f[4].empty() ? 0x80 : f[4][0]);
    fragment.fillBits = static_cast<int8_t>(std::stoi(f[6]));
    std::memcpy(fragment.formatter, f[0].c_str() + 3, 3);
    return true;
}

void Check(const std::string& expect, const AisReceiveResult& result, const AisState& state) {
    const int index = result.target;
    const AisTarget* t = index >= 0 ? &state.decoder.targets.entries[index] : nullptr;
    for (const std::string& item : Split(expect, '|')) {
        const std::size_t eq = item.find('=');
        ASSERT_NE(eq, std::string::npos) << item;
        const std::string key = item.substr(0, eq), value = item.substr(eq + 1);
        SCOPED_TRACE(key);
        if (key == "complete") {
            EXPECT_EQ(result.complete, value == "1");
            continue;
        }
        if (key == "target") {
            EXPECT_EQ(index, std::stoi(value));
            continue;
        }
        ASSERT_NE(t, nullptr) << "no target for " << key;
        const std::map<std::string, double> numbers = {
            {"class", t->targetClass},
            {"mmsi", t->mmsi},
            {"nav_status", t->status >> 4},
            {"epfd", t->status & 0x0F},
            {"flags", t->flags},
            {"dte", (t->flags >> 2) & 1},
            {"ship_type", t->shipType},
            {"to_bow", t->toBow},
            {"to_stern", t->toStern},
            {"to_port", t->toPort},
            {"to_starboard", t->toStarboard},
            {"imo", t->imo},
            {"eta_month", t->etaMonth},
            {"eta_day", t->etaDay},
            {"eta_hour", t->etaHour},
            {"eta_minute", t->etaMinute},
            {"class_b_flags", t->classBFlags},
            {"aton_flags", t->atonFlags},
            {"vdm", t->vdmCount},
            {"vdo", t->vdoCount},
        };
        float altitude = 0;
        std::memcpy(&altitude, t->altitudeOrNameExtension, sizeof altitude);
        const std::map<std::string, std::pair<double, double>> reals = {
            {"lon", {t->longitude, 2e-5}},   {"lat", {t->latitude, 2e-5}},
            {"speed", {t->speed, 1e-4}},     {"course", {t->course, 1e-4}},
            {"heading", {t->heading, 0}},    {"rot", {t->rateOfTurn, 0.05}},
            {"draught", {t->draught, 1e-4}}, {"altitude", {altitude, 0}},
        };
        const std::map<std::string, std::string> texts = {
            {"name", t->name},
            {"call_sign", t->callSign},
            {"destination", t->destination},
            {"vendor", t->vendor},
            {"name_extension", reinterpret_cast<const char*>(t->altitudeOrNameExtension)},
        };
        if (auto n = numbers.find(key); n != numbers.end()) {
            EXPECT_EQ(n->second, std::stod(value));
        } else if (auto r = reals.find(key); r != reals.end()) {
            EXPECT_NEAR(r->second.first, std::stod(value), r->second.second);
        } else if (auto s = texts.find(key); s != texts.end()) {
            EXPECT_EQ(Trimmed(s->second.c_str()), value);
        } else {
            ADD_FAILURE() << "unknown key";
        }
    }
}

TEST(AisCorpus, PublishedSentencesDecode) {
    std::ifstream file(AIS_CORPUS_FILE);
    ASSERT_TRUE(file) << AIS_CORPUS_FILE;
    auto state = NewAisState();
    AisReceiveResult last;
    std::string line;
    int lineNumber = 0, expectations = 0;
    while (std::getline(file, line)) {
        ++lineNumber;
        SCOPED_TRACE("line " + std::to_string(lineNumber));
        if (line.empty()) {
            state = NewAisState(); // every block starts from a fresh table
            continue;
        }
        if (line[0] == '#') continue;
        if (line[0] == '!') {
            Sentence sentence;
            ASSERT_TRUE(ParseSentence(line, sentence)) << line;
            sentence.fragment.payload = sentence.payload.c_str();
            last = AisReceiveFragment(sentence.fragment, *state);
            continue;
        }
        ASSERT_EQ(line.rfind("expect ", 0), 0u) << line;
        Check(line.substr(7), last, *state);
        ++expectations;
    }
    EXPECT_GE(expectations, 18);
}

} // namespace

} // namespace varo
