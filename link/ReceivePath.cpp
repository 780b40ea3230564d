#include "ReceivePath.h"

#include <QPlainTextEdit>
#include <algorithm>
#include <cstring>

#include "ConnectionManager.h"
#include "TForm1.h"
#include "TLabeledEdit.h"
#include "comm/thread_comm.h"
#include "config/ReceiveSentence.h"
#include "config/SentenceStore.h"

namespace {

// "Debug Baud Rate = (38400)" and "NMEA Baud Rate = (4800)": the value
// starts after the opening parenthesis and runs to ")" or the end of the
// line, at most 9 characters.
struct BaudReadout {
    std::string_view prefix; // the first 10 characters of the line
    std::size_t valueStart;
};
constexpr BaudReadout kDebugBaud{"Debug Baud", 19};
constexpr BaudReadout kNmeaBaud{"NMEA Baud ", 18};
constexpr std::size_t kBaudValueLength = 9;

bool ReadBaudValue(std::string_view line, const BaudReadout& readout, QString& value) {
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
    const std::size_t wanted = std::min<std::size_t>(Count, form.FRxBuffer.size() - 1);
    const int read = Sender->Read(form.FRxBuffer.data(), static_cast<int>(wanted));
    if (read <= 0) return;
    form.FRxBuffer[static_cast<std::size_t>(read)] = 0;
    Receive(form.FRxBuffer.data(), static_cast<std::size_t>(read));
}

void ReceivePath::Receive(const std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (form.FRxLine.Add(bytes[i])) HandleLine(form.FRxLine.Line());
    }
}

void ReceivePath::ShowBaudReadouts(std::string_view line) {
    QString value;
    if (ReadBaudValue(line, kDebugBaud, value)) form.LabeledEdit2->setText(value);
    if (ReadBaudValue(line, kNmeaBaud, value)) form.LabeledEdit1->setText(value);
}

void ReceivePath::HandleLine(std::string_view line) {
    form.FLinkSilenceTicks = 0;
    // The line with CR LF, as every consumer after the read-outs takes it.
    char copy[varo::kLineBufferSize] = {};
    std::memcpy(copy, line.data(), line.size());
    form.MemoRecord->appendPlainText(
        QString::fromLatin1(copy, static_cast<qsizetype>(line.size())));
    ShowBaudReadouts(line);
    std::memcpy(copy + line.size(), "\r\n", 2);

    if ((copy[0] == '$' || copy[0] == '!') && form.ShowSentence) form.ShowSentence(copy);
    MatchReply(copy);
    form.FConnection->StaticDataWatcher(copy);
    if (form.ParseDeviceInformation) form.ParseDeviceInformation(copy);
}

bool ReceivePath::ParseReply(const char* line, bool anyLineAnswers) {
    varo::DeviceRecord& device = varo::ProgramSentenceStore().device;
    device = varo::DeviceRecord{};
    // The parser rewrites its buffer; the consumers after it get the line unchanged.
    char scratch[varo::kLineBufferSize];
    std::memcpy(scratch, line, sizeof scratch);
    varo::ReceiveSentence(scratch, FReceived);
    return anyLineAnswers || static_cast<std::int64_t>(device.cttSubject) == form.ExpectedReplyId;
}

void ReceivePath::MatchReply(const char* line) {
    const varo::DeviceRecord& device = varo::ProgramSentenceStore().device;
    const std::int32_t expected = form.ExpectedReplyId;
    if (form.WaitingForReply && !form.WaitingForRequery) {
        if (!ParseReply(line, expected == kVdoItem)) return;
        const auto item = static_cast<std::int32_t>(device.cttSubject);
        if (item == kOutputStatesItem) {
            if (form.ShowOutputStates) form.ShowOutputStates();
            return;
        }
        if (expected != kRmcItem && form.EnableApplyControls) form.EnableApplyControls();
        if (device.cttValid != 0) form.ConfigReceived = true;
        if (form.ShowConfigItem) form.ShowConfigItem(item);
        form.WaitingForReply = false;
    } else if (form.WaitingForRequery) {
        if (!ParseReply(line, false)) return;
        if (form.EnableApplyControls) form.EnableApplyControls();
        if (device.cttValid != 0) form.ConfigReceived = true;
        if (form.ShowConfigItem) form.ShowConfigItem(static_cast<std::int32_t>(device.cttSubject));
        form.WaitingForRequery = false;
    }
}
