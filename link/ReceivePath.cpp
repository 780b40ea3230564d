#include "ReceivePath.h"

#include <algorithm>
#include <cstring>

#include "ConnectionManager.h"
#include "DeviceLink.h"
#include "comm/ThreadComm.h"
#include "config/ReceiveSentence.h"
#include "config/SentenceStore.h"
#include "share/StreamServer.h"

namespace varo {
namespace {

// "Debug Baud Rate = (38400)" and "NMEA Baud Rate = (4800)": the value
// starts after the opening parenthesis and runs to ")" or the end of the
// line, at most 9 characters.
struct BaudReadoutLine {
    std::string_view prefix; // the first 10 characters of the line
    std::size_t valueStart;
};
constexpr BaudReadoutLine kDebugBaud{"Debug Baud", 19};
constexpr BaudReadoutLine kNmeaBaud{"NMEA Baud ", 18};
constexpr std::size_t kBaudValueLength = 9;

bool ReadBaudValue(std::string_view line, const BaudReadoutLine& readout, QString& value) {
    if (line.substr(0, readout.prefix.size()) != readout.prefix) return false;
    std::string_view rest =
        line.size() > readout.valueStart ? line.substr(readout.valueStart) : std::string_view{};
    rest = rest.substr(0, std::min(rest.find(')'), kBaudValueLength));
    value = QString::fromLatin1(rest.data(), static_cast<qsizetype>(rest.size()));
    return true;
}

} // namespace

void ReceivePath::OnRxChar(TThreadComm* Sender, std::uint32_t Count) {
    // One byte of the buffer stays for the terminator.
    const std::size_t wanted = std::min<std::size_t>(Count, link.FRxBuffer.size() - 1);
    const int read = Sender->Read(link.FRxBuffer.data(), static_cast<int>(wanted));
    if (read <= 0) return;
    link.FRxBuffer[static_cast<std::size_t>(read)] = 0;
    Receive(link.FRxBuffer.data(), static_cast<std::size_t>(read));
}

void ReceivePath::Receive(const std::uint8_t* bytes, std::size_t count) {
    link.FHealth.NoteBytes(bytes, count);
    for (std::size_t i = 0; i < count; ++i) {
        if (link.FRxLine.Add(bytes[i])) {
            const LineDrop drop =
                link.FHealth.NoteLine(link.FRxLine.Line(), LinkHealth::Clock::now());
            HandleLine(link.FRxLine.Line(), drop);
        } else if (bytes[i] == '\n') {
            link.FHealth.NoteTooLong();
            link.View.ShowReceivedLine(link.FRxLine.DroppedStart(), LineDrop::TooLong);
        }
    }
}

void ReceivePath::ShowBaudReadouts(std::string_view line) {
    QString value;
    if (ReadBaudValue(line, kDebugBaud, value))
        link.View.ShowBaudReadout(BaudReadout::Debug, value);
    if (ReadBaudValue(line, kNmeaBaud, value)) link.View.ShowBaudReadout(BaudReadout::Nmea, value);
}

void ReceivePath::HandleLine(std::string_view line, LineDrop drop) {
    link.FLinkSilenceTicks = 0;
    // The line with CR LF, as every consumer after the read-outs takes it.
    char copy[kLineBufferSize] = {};
    std::memcpy(copy, line.data(), line.size());
    link.View.ShowReceivedLine(line, drop);
    ShowBaudReadouts(line);
    std::memcpy(copy + line.size(), "\r\n", 2);
    if (link.FStreamServer != nullptr && link.FLinked)
        link.FStreamServer->Send({copy, line.size() + 2});

    if (copy[0] == '$' || copy[0] == '!') link.View.ShowSentence(copy);
    MatchReply(copy);
    link.FConnection->StaticDataWatcher(copy);
    link.View.ParseDeviceInformation(copy);
    // Last, so that a request's outcome sees the line's effects on the screen.
    link.FReplyWait.OnLine(line);
    if (link.FLineTap) link.FLineTap(line);
}

bool ReceivePath::ParseReply(const char* line) {
    DeviceRecord& device = ProgramSentenceStore().device;
    device = DeviceRecord{};
    // The parser rewrites its buffer; the consumers after it get the line unchanged.
    char scratch[kLineBufferSize];
    std::memcpy(scratch, line, sizeof scratch);
    ReceiveSentence(scratch, FReceived);
    // Only the CTT answer about the item answers it: any other line, also
    // while VDO's item is asked for, leaves cttSubject 0 and the wait going on.
    return static_cast<std::int64_t>(device.cttSubject) == link.ExpectedReplyId;
}

void ReceivePath::MatchReply(const char* line) {
    const DeviceRecord& device = ProgramSentenceStore().device;
    const std::int32_t expected = link.ExpectedReplyId;
    if (link.WaitingForReply && !link.WaitingForRequery) {
        if (!ParseReply(line)) return;
        const auto item = static_cast<std::int32_t>(device.cttSubject);
        if (item == kOutputStatesItem) {
            link.View.ShowOutputStates();
            return;
        }
        if (expected != kRmcItem) link.View.EnableApplyControls();
        if (device.cttValid != 0) link.ConfigReceived = true;
        link.View.ShowConfigItem(item);
        link.WaitingForReply = false;
    } else if (link.WaitingForRequery) {
        if (!ParseReply(line)) return;
        link.View.EnableApplyControls();
        if (device.cttValid != 0) link.ConfigReceived = true;
        link.View.ShowConfigItem(static_cast<std::int32_t>(device.cttSubject));
        link.WaitingForRequery = false;
    }
}

} // namespace varo
