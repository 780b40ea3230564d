// varo-nmea gateway against simulated gateways on real pseudo-terminals, in
// a COM folder of the test's own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>

#include "../../support/PtyPair.h"
#include "ToolRun.h"
#include "platform/ComFolder.h"
#include "sim/SimulatedGateway.h"

namespace varo {
namespace {

using test::RunNmea;
using Json = nlohmann::ordered_json;

class GatewayTool : public testing::Test {
protected:
    GatewayTool() {
        // The program run by the test sees only this folder's ports and settings.
        setenv("VARO_COM_DIR", folder.Path.c_str(), 1);
        setenv("HOME", folder.Path.c_str(), 1);
        setenv("XDG_CONFIG_HOME", folder.Path.c_str(), 1);
    }
    ~GatewayTool() override {
        for (auto& gateway : gateways)
            gateway->Stop();
    }

    void StartGateway(int number, std::uint32_t baud, sim::SimOptions options = {}) {
        options.comNumber = number;
        options.linkFolder = folder.Path.string();
        options.nmeaBaud = baud;
        auto gateway = std::make_unique<sim::SimulatedGateway>(options);
        std::string error;
        EXPECT_TRUE(gateway->Start(error)) << error;
        gateways.push_back(std::move(gateway));
    }
    void AddSilentPort(int number) {
        silent.push_back(std::make_unique<PtyPair>());
        std::filesystem::create_symlink(silent.back()->SlavePath,
                                        platform::ComLinkPath(folder.Path.string(), number));
    }

    std::string Path(const char* name) const { return folder / name; }
    Json ReadJson(const std::string& path) const {
        std::ifstream in(path);
        return Json::parse(in, nullptr, false);
    }
    void WriteText(const std::string& path, const std::string& text) const {
        std::ofstream(path) << text;
    }
    // Reads COM `number` into a file and returns its profile.
    Json ReadProfile(int number, const std::string& path) {
        const auto read = RunNmea("gateway read --com " + std::to_string(number) + " -o " + path);
        EXPECT_EQ(read.status, 0);
        return ReadJson(path);
    }

    TempFolder folder;
    std::vector<std::unique_ptr<sim::SimulatedGateway>> gateways;
    std::vector<std::unique_ptr<PtyPair>> silent;
};

TEST_F(GatewayTool, InfoReadAndDiffAgreeWithTheGateway) {
    sim::SimOptions options;
    options.modelId = "RZ-60\xb0"; // not UTF-8: bytes off the line
    StartGateway(4, 9600, options);
    const auto info = RunNmea("gateway info --com 4");
    ASSERT_EQ(info.status, 0);
    const Json identity = Json::parse(info.output);
    EXPECT_EQ(identity["model_id"], "RZ-60\xc2\xb0") << "the byte read as Latin-1";
    EXPECT_NE(info.output.find("\"RZ-60\\u00b0\""), std::string::npos) << info.output;
    EXPECT_EQ(identity["nmea_baud_rate"], 9600);
    EXPECT_EQ(identity["port"], Json({{"number", 4}, {"baud", 9600}}))
        << "found by the speed search";

    const std::string file = Path("read.json");
    const Json profile = ReadProfile(4, file);
    EXPECT_EQ(profile["nmea0183_inputs"].size(), 25u);
    EXPECT_EQ(profile["nmea2000_inputs"].size(), 41u);
    EXPECT_EQ(profile["nmea0183_outputs"].size(), 24u);
    EXPECT_EQ(profile["nmea0183_inputs"]["RMC"].size(), 7u) << "with the continuation row";
    EXPECT_EQ(profile["nmea0183_inputs"]["VDM"], Json({{"AIS", true}}));

    const auto same = RunNmea("gateway diff " + file + " --com 4 --baud 9600");
    EXPECT_EQ(same.status, 0) << same.output;
    EXPECT_EQ(same.output, "");
}

TEST_F(GatewayTool, ApplyWritesWhatDiffersAndDefaultRestoresTheFiltering) {
    StartGateway(2, 38400);
    const std::string file = Path("wanted.json");
    Json profile = ReadProfile(2, file);
    profile["flow_rate"] = 3;
    profile["nmea0183_inputs"]["RMC"]["127258"] = false; // in the continuation row
    profile["nmea0183_inputs"]["VDM"]["AIS"] = false;
    profile["nmea2000_inputs"]["130306"]["MWD"] = false;
    profile["nmea0183_outputs"]["VDR"] = false;
    profile["nmea0183_outputs"]["GGA"] = false;
    WriteText(file, profile.dump());

    const auto before = RunNmea("gateway diff " + file + " --com 2");
    EXPECT_EQ(before.status, 1);
    EXPECT_NE(before.output.find("nmea0183_inputs.VDM.AIS: gateway true, file false\n"),
              std::string::npos)
        << before.output;

    const auto apply = RunNmea("gateway apply " + file + " --com 2");
    EXPECT_EQ(apply.status, 0) << apply.output;
    EXPECT_EQ(ReadProfile(2, Path("after.json")), profile);

    const auto restore = RunNmea("gateway default --com 2 2>/dev/null");
    EXPECT_EQ(restore.status, 0);
    const Json restored = Json::parse(restore.output);
    EXPECT_EQ(restored["nmea0183_inputs"]["VDM"]["AIS"], true);
    EXPECT_EQ(restored["nmea0183_outputs"]["GGA"], true);
    EXPECT_EQ(restored["flow_rate"], 3) << "the defaults are the filtering only";
}

TEST_F(GatewayTool, ApplyFollowsTheGatewayToItsNewSpeedOnlyWhenAsked) {
    StartGateway(3, 38400);
    const std::string file = Path("baud.json");
    Json profile = ReadProfile(3, file);
    profile["identity"]["nmea_baud_rate"] = 9600;
    WriteText(file, profile.dump());

    EXPECT_EQ(RunNmea("gateway apply " + file + " --com 3").status, 0) << "baud not applied";
    EXPECT_EQ(RunNmea("gateway apply " + file + " --com 3 --with-baud").status, 0);
    const Json identity = Json::parse(RunNmea("gateway info --com 3 --baud 9600").output);
    EXPECT_EQ(identity["nmea_baud_rate"], 9600);
    EXPECT_EQ(RunNmea("gateway diff " + file + " --com 3 --baud 9600 --identity").status, 0);
}

TEST_F(GatewayTool, ApplyToAGatewayThatLosesCommandsNamesWhatDidNotTake) {
    sim::SimOptions lossy;
    lossy.dropCommands = 1;
    StartGateway(5, 38400, lossy);
    const std::string file = Path("lossy.json");
    Json profile = ReadProfile(5, file);
    profile["nmea0183_inputs"]["GGA"]["126992"] = false;
    WriteText(file, profile.dump());

    const auto apply = RunNmea("gateway apply " + file + " --com 5");
    EXPECT_EQ(apply.status, 1);
    EXPECT_EQ(apply.output, "not taken: nmea0183_inputs.GGA\n"
                            "nmea0183_inputs.GGA.126992: gateway true, file false\n");
}

TEST_F(GatewayTool, DamagedOrForeignFilesAreRefusedWithTheKeyNamed) {
    StartGateway(6, 38400);
    const std::string good = Path("good.json");
    const Json profile = ReadProfile(6, good);
    auto refusal = [&](Json changed) {
        const std::string file = Path("bad.json");
        WriteText(file, changed.dump());
        const auto result = RunNmea("gateway diff " + file + " --com 6 2>&1");
        EXPECT_EQ(result.status, 2);
        return result.output;
    };
    Json bad = profile;
    bad["nmea2000_inputs"]["129025"]["GGA"] = "yes";
    EXPECT_NE(refusal(bad).find("nmea2000_inputs.129025.GGA: not true or false"),
              std::string::npos);
    bad = profile;
    bad["nmea0183_inputs"].erase("ZDA");
    EXPECT_NE(refusal(bad).find("nmea0183_inputs.ZDA: missing"), std::string::npos);
    bad = profile;
    bad["version"] = 2;
    EXPECT_NE(refusal(bad).find("version: 2 is newer"), std::string::npos);
    bad = profile;
    bad["format"] = "other-profile";
    EXPECT_NE(refusal(bad).find("format: not"), std::string::npos);
    bad = profile;
    bad["flow_rate"] = 9;
    EXPECT_NE(refusal(bad).find("flow_rate: out of range"), std::string::npos);

    const std::string cut = Path("cut.json");
    WriteText(cut, profile.dump().substr(0, 100));
    EXPECT_EQ(RunNmea("gateway diff " + cut + " --com 6 2>/dev/null").status, 2);
    WriteText(cut, "{\"format\": 2e809}"); // a number beyond a double's range
    EXPECT_EQ(RunNmea("gateway diff " + cut + " --com 6 2>/dev/null").status, 2);

    bad = profile;
    bad["nmea0183_inputs"]["GGA"]["999999"] = true;
    EXPECT_NE(refusal(bad).find("nmea0183_inputs.GGA.999999: no such key"), std::string::npos);

    Json extra = profile;
    extra["comment"] = "kept by hand";
    const std::string file = Path("extra.json");
    WriteText(file, extra.dump());
    const auto result = RunNmea("gateway diff " + file + " --com 6 2>&1");
    EXPECT_EQ(result.status, 0) << "unknown top-level keys are reported, not refused";
    EXPECT_NE(result.output.find("unknown key comment (ignored)"), std::string::npos);
}

TEST_F(GatewayTool, APortWithoutAGatewayOrWithoutADeviceEndsWithStatus3) {
    AddSilentPort(7);
    EXPECT_EQ(RunNmea("gateway info --com 7 --baud 38400 2>/dev/null").status, 3);
    EXPECT_EQ(RunNmea("gateway read --com 8 2>/dev/null").status, 3);
    EXPECT_EQ(RunNmea("gateway read 2>/dev/null").status, 2);
    const auto unwritable = RunNmea("gateway read --com 8 -o " + Path("no-such/p.json") + " 2>&1");
    EXPECT_EQ(unwritable.status, 2) << "the output is checked before the port";
    EXPECT_NE(unwritable.output.find("No such file or directory"), std::string::npos)
        << unwritable.output;
}

// Noise that damages a value line of the static data block, or an answer,
// must never end in a profile with wrong values: a read either fails or
// saves what the gateway holds.
TEST_F(GatewayTool, ANoisyLineNeverYieldsAProfileWithWrongValues) {
    sim::SimOptions noisy;
    noisy.garbageRate = 0.004;
    noisy.flowRate = 2;
    StartGateway(9, 38400, noisy);
    for (int run = 0; run < 3; ++run) {
        const std::string path = Path("noisy.json");
        std::filesystem::remove(path);
        const auto read = RunNmea("gateway read --com 9 --baud 38400 -o " + path + " 2>/dev/null");
        if (read.status != 0) {
            EXPECT_EQ(read.status, 3) << run;
            EXPECT_FALSE(std::filesystem::exists(path)) << "no profile from a failed read";
            continue;
        }
        const Json profile = ReadJson(path);
        EXPECT_EQ(profile["identity"]["model_id"], "RZ-60") << run;
        EXPECT_EQ(profile["identity"]["model_version"], "A") << run;
        EXPECT_EQ(profile["identity"]["nmea_baud_rate"], 38400) << run;
        EXPECT_EQ(profile["flow_rate"], 2) << run;
    }
}

// A port that hangs up ends the work at once with status 3 and names the
// port: during the speed search (by device path) and during a read.
TEST_F(GatewayTool, APortThatHangsUpEndsTheWorkAtOnceWithStatus3) {
    using Clock = std::chrono::steady_clock;
    sim::SimOptions vanishing;
    vanishing.dropAfter = 1.0;
    StartGateway(10, 4800, vanishing); // answers only at the third speed tried
    Clock::time_point start = Clock::now();
    auto result = RunNmea("gateway info --device " + gateways.back()->DevicePath() + " 2>&1");
    EXPECT_EQ(result.status, 3);
    EXPECT_NE(result.output.find("was lost"), std::string::npos) << result.output;
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));

    vanishing.dropAfter = 1.5;
    vanishing.replyDelay = 0.05; // a read of about four seconds
    StartGateway(11, 38400, vanishing);
    start = Clock::now();
    result = RunNmea("gateway read --com 11 --baud 38400 2>&1");
    EXPECT_EQ(result.status, 3);
    EXPECT_NE(result.output.find("COM11 was lost while reading"), std::string::npos)
        << result.output;
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(3500));
}

} // namespace
} // namespace varo
