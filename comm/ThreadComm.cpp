#include "comm/ThreadComm.h"

#include "comm/CommEventThread.h"

#include <system_error>

namespace varo {

ECommError::ECommError(const std::string& text, int code)
    : std::runtime_error([&] {
          std::string message = text;
          if (const auto at = message.find("%d"); at != std::string::npos)
              message.replace(at, 2, std::to_string(code));
          return message;
      }()),
      FCode(code) {}

void TCommEventChars::Change(char& Field, char Value) {
    Field = Value;
    FOwner->ApplySettings();
}

void TCommEventChars::Assign(const TCommEventChars& Source) {
    FXOnChar = Source.FXOnChar;
    FXOffChar = Source.FXOffChar;
    FErrorChar = Source.FErrorChar;
    FEofChar = Source.FEofChar;
    FEvtChar = Source.FEvtChar;
    FOwner->ApplySettings();
}

TThreadComm::TThreadComm(std::shared_ptr<TCommSynchronizer> Synchronizer)
    : FSynchronizer(std::move(Synchronizer)) {}

TThreadComm::~TThreadComm() {
    Close();
}

bool TThreadComm::Connected() const {
    std::lock_guard lock(FLock);
    return FOpen;
}

void TThreadComm::SetDeviceName(const std::string& Value) {
    std::lock_guard lock(FLock);
    if (!FOpen) FDeviceName = Value;
}

void TThreadComm::SetReadBufSize(std::uint16_t Value) {
    std::lock_guard lock(FLock);
    if (!FOpen) FReadBufSize = Value;
}

void TThreadComm::SetWriteBufSize(std::uint16_t Value) {
    std::lock_guard lock(FLock);
    if (!FOpen) FWriteBufSize = Value;
}

void TThreadComm::SetSuspendTime(std::uint32_t Value) {
    std::lock_guard lock(FLock);
    if (!FOpen) FSuspendTime = Value;
}

void TThreadComm::SetMonitorEvents(TCommEventTypes Value) {
    std::lock_guard lock(FLock);
    if (!FOpen) FMonitorEvents = Value;
}

TLineSettings TThreadComm::CurrentSettings() const {
    TLineSettings settings = FSettings;
    settings.XOnChar = FEventChars.XOnChar();
    settings.XOffChar = FEventChars.XOffChar();
    settings.ErrorChar = FEventChars.ErrorChar();
    settings.EofChar = FEventChars.EofChar();
    settings.EvtChar = FEventChars.EvtChar();
    return settings;
}

void TThreadComm::Open() {
    std::lock_guard lock(FLock);
    if (FOpen) throw ECommError(sPortAlreadyOpen, -1);
    OpenDevice();
    if (!FOpen) return;
    FWriteTimeoutMultiplier = WriteTimeoutMultiplier(FSettings.BaudRate);
    if (!SetTimeouts()) {
        CloseDevice();
        return;
    }
    try {
        ApplySettings();
    } catch (...) {
        // A port left open with settings it refused would look connected
        // while nothing on the line matches: close it again.
        CloseDevice();
        throw;
    }
    const int queueError = SetupQueues();
    if (FSynchronizer) {
        try {
            FEventThread = std::make_unique<TCommEventThread>(
                FHandle, FSuspendTime, FMonitorEvents, FSynchronizer,
                [this](std::uint32_t Mask) { Dispatch(Mask); });
        } catch (const std::system_error&) {
            CloseDevice();
            return;
        }
    }
    if (queueError != 0) throw ECommError(sSetupCommErr, queueError);
}

void TThreadComm::Close() {
    std::lock_guard lock(FLock);
    if (!FOpen) return;
    if (FEventThread) {
        FEventThread->Terminate();
        FEventThread.reset();
    }
    CloseDevice();
}

void TThreadComm::Dispatch(std::uint32_t Mask) {
    TComStat stat;
    const std::uint32_t errors = ClearCommError(stat);
    if ((Mask & EV_BREAK) && OnBreak) OnBreak(this);
    if ((Mask & EV_CTS) && OnCts) OnCts(this);
    if ((Mask & EV_DSR) && OnDsr) OnDsr(this);
    if ((Mask & EV_ERR) && OnError) OnError(this, errors);
    if ((Mask & EV_RING) && OnRing) OnRing(this);
    if ((Mask & EV_RLSD) && OnRlsd) OnRlsd(this);
    if ((Mask & EV_RXCHAR) && OnRxChar && stat.cbInQue != 0) OnRxChar(this, stat.cbInQue);
    if ((Mask & EV_RXFLAG) && OnRxFlag) OnRxFlag(this);
    if ((Mask & EV_TXEMPTY) && OnTxEmpty) OnTxEmpty(this);
    if (OnComStatEvent) OnComStatEvent(this, Mask, stat);
}

} // namespace varo
