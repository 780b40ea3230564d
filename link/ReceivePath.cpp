#include "ReceivePath.h"

#include <algorithm>
#include <cstring>

#include "ConnectionManager.h"
#include "DeviceLink.h"
#include "comm/ThreadComm.h"
#include "sentence/SentenceRecord.h"

namespace varo {

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

void ReceivePath::HandleLine(std::string_view line, LineDrop drop) {
    link.FLinkSilenceTicks = 0;
    link.View.ShowReceivedLine(line, drop);
    if (!line.empty() && (line.front() == '$' || line.front() == '!')) {
        // The line with CR LF, as the data view takes it.
        char copy[kLineBufferSize] = {};
        std::memcpy(copy, line.data(), line.size());
        std::memcpy(copy + line.size(), "\r\n", 2);
        link.View.ShowSentence(copy);
    }
    // Last, so that a request's outcome sees the line's effects on the screen.
    link.OnGatewayLine(line);
}

} // namespace varo
