#include "gateway/GatewayClient.h"

#include <array>
#include <filesystem>
#include <thread>

#include "comm/LineSettings.h"
#include "platform/ComFolder.h"

namespace varo {
namespace {

constexpr std::array<std::uint32_t, 3> kSearchSpeeds{38400, 9600, 4800};
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
        if (!platform::IsPresentTty(device)) {
            error = "COM" + std::to_string(choice.comNumber) + " is not present";
            return false;
        }
    } else {
        number = NumberOf(device);
    }
    givenBaud = choice.baud;
    comm.SetDeviceName(device);
    comm.SetBaudRate(RateOf(choice.baud == 0 ? kSearchSpeeds[0] : choice.baud));
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
    baud = BaudRateValue(comm.BaudRate());
    session.SetBaudRate(baud);
    return true;
}

void GatewayClient::SetBaud(std::uint32_t rate) {
    comm.SetBaudRate(RateOf(rate));
    baud = rate;
    session.SetBaudRate(rate);
    assembler = LineAssembler{};
}

bool GatewayClient::Identify(ProfileIdentity& identity) {
    std::vector<std::uint32_t> speeds(kSearchSpeeds.begin(), kSearchSpeeds.end());
    if (givenBaud != 0) speeds = {givenBaud};
    for (std::uint32_t speed : speeds) {
        SetBaud(speed);
        ProfileJob job(session, ProfileJob::Kind::Info);
        Run(job);
        if (!job.Failed()) {
            identity = job.Gateway().identity;
            return true;
        }
    }
    return false;
}

void GatewayClient::Run(ProfileJob& job, const Progress& progress) {
    job.onBaudChange = [this](std::uint32_t rate) { SetBaud(rate); };
    job.Start();
    session.Run(GatewaySession::Clock::now());
    const int endedBefore = session.Ended();
    const int queuedBefore = session.Queued();
    int reported = -1;
    std::array<char, 512> buffer{};
    while (!job.Finished() && !session.Idle()) {
        for (const std::string& line : session.TakeOutgoing())
            comm.Write(line.data(), static_cast<int>(line.size()));
        TComStat stat{};
        comm.ClearCommError(stat);
        const auto now = GatewaySession::Clock::now();
        if (stat.cbInQue > 0) {
            const int want = static_cast<int>(std::min<std::size_t>(stat.cbInQue, buffer.size()));
            const int got = comm.Read(buffer.data(), want);
            for (int i = 0; i < got; ++i) {
                if (assembler.Add(static_cast<std::uint8_t>(buffer[static_cast<std::size_t>(i)])))
                    session.OnLine(assembler.Line(), now);
            }
        } else {
            std::this_thread::sleep_for(kIdlePause);
        }
        session.OnTime(GatewaySession::Clock::now());
        if (progress && session.Ended() != reported) {
            reported = session.Ended();
            progress(session.Ended() - endedBefore, session.Queued() - queuedBefore);
        }
    }
    // Lines queued by the last step (none when it ended the work) still go out.
    for (const std::string& line : session.TakeOutgoing())
        comm.Write(line.data(), static_cast<int>(line.size()));
    job.onBaudChange = nullptr;
}

} // namespace varo
