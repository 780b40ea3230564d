#include "gateway/GatewayClient.h"

#include <array>
#include <filesystem>
#include <thread>

#include "comm/LineSettings.h"
#include "gateway/Protocol.h"
#include "platform/ComFolder.h"

namespace varo {
namespace {

// How long the loop sleeps when nothing arrived and no deadline is due.
constexpr std::chrono::milliseconds kIdlePause{2};

TBaudRate RateOf(std::uint32_t baud) {
    for (std::size_t i = 0; i < BaudRateTable.size(); ++i)
        if (BaudRateTable[i] == baud) return static_cast<TBaudRate>(i);
    return TBaudRate::br38400;
}

// The COM number whose link leads to `device`, or 0.
int NumberOf(const std::string& device) {
    std::error_code error;
    const auto target = std::filesystem::canonical(device, error);
    if (error) return 0;
    for (const platform::ComLink& link : platform::ListComLinks(platform::ComFolder())) {
        std::error_code linkError;
        if (std::filesystem::canonical(link.Path, linkError) == target && !linkError)
            return link.Number;
    }
    return 0;
}

} // namespace

bool GatewayClient::Open(const PortChoice& choice, std::string& error) {
    std::string device = choice.device;
    number = choice.comNumber;
    if (device.empty()) {
        device = platform::ComLinkPath(platform::ComFolder(), choice.comNumber);
        name = "COM" + std::to_string(choice.comNumber);
        if (!platform::IsPresentTty(device)) {
            error = name + " is not present";
            return false;
        }
    } else {
        number = NumberOf(device);
        name = number > 0 ? "COM" + std::to_string(number) + " (" + device + ")" : device;
    }
    givenBaud = choice.baud;
    comm.SetDeviceName(device);
    comm.SetBaudRate(RateOf(choice.baud == 0 ? protocol::kSearchSpeeds[0] : choice.baud));
    try {
        comm.Open();
    } catch (const ECommError& fault) {
        error = fault.what();
        return false;
    }
    if (!comm.Connected()) {
        error = "cannot open " + device;
        return false;
    }
    engine.SetBaudRate(BaudRateValue(comm.BaudRate()));
    return true;
}

void GatewayClient::SetBaud(std::uint32_t rate) {
    comm.SetBaudRate(RateOf(rate));
    engine.SetBaudRate(rate);
    // A part line received at the other speed is noise at this one.
    assembler = LineAssembler{};
}

void GatewayClient::PortLost() {
    comm.Close();
    engine.OnPortLost();
}

bool GatewayClient::Identify(ProfileIdentity& identity, std::string& error) {
    std::vector<std::uint32_t> speeds(protocol::kSearchSpeeds.begin(),
                                      protocol::kSearchSpeeds.end());
    if (givenBaud != 0) speeds = {givenBaud};
    for (std::uint32_t speed : speeds) {
        if (!comm.Connected()) break;
        try {
            SetBaud(speed);
        } catch (const ECommError&) {
            PortLost();
            break;
        }
        ProfileJob job(engine, ProfileJob::Kind::Info);
        Run(job);
        if (!job.Failed()) {
            identity = job.Gateway().identity;
            return true;
        }
        // A gateway that answers with a damaged block is at this speed.
        if (job.PortLost() || job.Unreadable()) {
            error = job.PortLost()
                        ? name + " was lost: the port hung up or the adapter was unplugged"
                        : job.Failure();
            return false;
        }
    }
    error = comm.Connected() ? "no gateway answers on " + name
                             : name + " was lost: the port hung up or the adapter was unplugged";
    return false;
}

void GatewayClient::Transmit() {
    if (const auto speed = engine.TakeSpeedChange()) SetBaud(*speed);
    for (const std::string& line : engine.TakeOutgoing()) {
        if (!comm.Connected() ||
            comm.Write(line.data(), static_cast<int>(line.size())) != static_cast<int>(line.size()))
            return PortLost();
    }
}

bool GatewayClient::Receive() {
    TComStat stat{};
    if ((comm.ClearCommError(stat) & CE_IOE) != 0) {
        PortLost();
        return false;
    }
    if (stat.cbInQue == 0) return false;
    std::array<char, 512> buffer{};
    const int want = static_cast<int>(std::min<std::size_t>(stat.cbInQue, buffer.size()));
    const int got = comm.Read(buffer.data(), want);
    const auto now = GatewayEngine::Clock::now();
    for (int i = 0; i < got; ++i) {
        if (assembler.Add(static_cast<std::uint8_t>(buffer[static_cast<std::size_t>(i)])))
            engine.OnLine(assembler.Line(), now);
    }
    return got > 0;
}

void GatewayClient::Run(ProfileJob& job, const Progress& progress) {
    int reported = -1;
    const int endedBefore = engine.Ended();
    const int queuedBefore = engine.Queued();
    // The job's first request takes its deadline from the engine's time: now.
    engine.OnTime(GatewayEngine::Clock::now());
    job.Start();
    while (!job.Finished() && !engine.Idle()) {
        // Whatever the serial component throws is a port that no longer works.
        try {
            Transmit();
            if (comm.Connected() && !Receive()) std::this_thread::sleep_for(kIdlePause);
            engine.OnTime(GatewayEngine::Clock::now());
        } catch (const std::exception&) {
            PortLost();
        }
        if (!comm.Connected()) engine.OnPortLost();
        if (progress && engine.Ended() != reported) {
            reported = engine.Ended();
            progress(engine.Ended() - endedBefore, engine.Queued() - queuedBefore);
        }
    }
}

} // namespace varo
