#pragma once

// The serial port object. One interface; the device work is done by one
// backend per platform, chosen at build time: ThreadCommPosix.cpp over a
// POSIX tty, ThreadCommWin32.cpp over a Windows communications device
// opened for overlapped I/O.
//
// TThreadComm holds the state and logic; TComm is the class the program
// creates. Line settings may change at any time and take effect at once when
// the port is open; DeviceName, the buffer sizes, SuspendTime and
// MonitorEvents only change while it is closed (a change while open is
// ignored). One recursive lock serialises open, close, settings, read and write.
//
// Events are raised on the thread that runs the synchronizer's posted calls
// (the UI thread), one event mask at a time. Without a synchronizer the port
// reads and writes but starts no event thread and raises no events.
//
// Of the event mask bits, the POSIX backend reports EV_RXCHAR (bytes arrived)
// and EV_ERR (the device hung up; the error word then holds CE_IOE); the
// Windows backend reports what the driver reports. Line errors counted by the
// driver (frame, overrun, parity, break) appear in the error word.

#include "comm/CommSynchronizer.h"
#include "comm/CommTypes.h"
#include "comm/LineSettings.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace varo {

class TThreadComm;
class TCommEventThread;

using TNotifyEvent = std::function<void(TThreadComm* Sender)>;
using TCommErrorEvent = std::function<void(TThreadComm* Sender, std::uint32_t Errors)>;
using TCommRxCharEvent = std::function<void(TThreadComm* Sender, std::uint32_t Count)>;
using TCommStatEvent =
    std::function<void(TThreadComm* Sender, std::uint32_t Status, const TComStat& ComStat)>;

// The five special characters; a change applies the settings of an open port at once.
class TCommEventChars {
public:
    explicit TCommEventChars(TThreadComm* Owner) : FOwner(Owner) {}
    TCommEventChars(const TCommEventChars&) = delete;
    TCommEventChars& operator=(const TCommEventChars&) = delete;

    char XOnChar() const { return FXOnChar; }
    char XOffChar() const { return FXOffChar; }
    char ErrorChar() const { return FErrorChar; }
    char EofChar() const { return FEofChar; }
    char EvtChar() const { return FEvtChar; }
    void SetXOnChar(char Value) { Change(FXOnChar, Value); }
    void SetXOffChar(char Value) { Change(FXOffChar, Value); }
    void SetErrorChar(char Value) { Change(FErrorChar, Value); }
    void SetEofChar(char Value) { Change(FEofChar, Value); }
    void SetEvtChar(char Value) { Change(FEvtChar, Value); }
    // Copies the five characters.
    void Assign(const TCommEventChars& Source);

private:
    void Change(char& Field, char Value);
    TThreadComm* FOwner;
    char FXOnChar = 17;
    char FXOffChar = 19;
    char FErrorChar = 0;
    char FEofChar = 0;
    char FEvtChar = 0;
};

class TThreadComm {
public:
    using Clock = std::chrono::steady_clock;

    explicit TThreadComm(std::shared_ptr<TCommSynchronizer> Synchronizer = nullptr);
    virtual ~TThreadComm();
    TThreadComm(const TThreadComm&) = delete;
    TThreadComm& operator=(const TThreadComm&) = delete;

    // Opens DeviceName. A device that does not open leaves the port closed
    // without an exception (see Connected). Throws ECommError when already
    // open, when the settings cannot be applied (the device is closed again),
    // or when the driver's queues cannot be queried (the port stays open).
    void Open();
    // Stops the event thread, lets bytes just written go out until their write
    // deadline, discards the rest and unread bytes, restores the
    // terminal settings found at open, gives up exclusive use, closes.
    void Close();
    bool Connected() const;
    // Up to Count bytes, waiting at most ReadTotalTimeoutConstant (1000 ms) for
    // them; fewer (0 too) on a timeout or a hung-up device; -1 when closed.
    // Count is the capacity of Buffer: nothing is written past it.
    int Read(void* Buffer, int Count);
    // The bytes written, within Count times the write-timeout multiplier in
    // milliseconds; fewer on a timeout or a hung-up device; -1 when closed.
    int Write(const void* Buffer, int Count);

    void Lock() { FLock.lock(); }
    void Unlock() { FLock.unlock(); }
    // Applies the line settings to the open device; nothing while closed.
    // Throws ECommError "Error updating DataControlBlock (Error: %d)".
    void ApplySettings();

    // The status query: error word since the last query (CE_* bits) and queue counts.
    std::uint32_t ClearCommError(TComStat& Stat);

    const std::string& DeviceName() const { return FDeviceName; }
    void SetDeviceName(const std::string& Value);
    std::int32_t ReadTimeout() const { return FReadTimeout; }
    void SetReadTimeout(std::int32_t Value) { FReadTimeout = Value; }
    std::int32_t WriteTimeout() const { return FWriteTimeout; }
    void SetWriteTimeout(std::int32_t Value) { FWriteTimeout = Value; }
    std::uint16_t ReadBufSize() const { return FReadBufSize; }
    void SetReadBufSize(std::uint16_t Value);
    std::uint16_t WriteBufSize() const { return FWriteBufSize; }
    void SetWriteBufSize(std::uint16_t Value);
    std::uint32_t SuspendTime() const { return FSuspendTime; }
    void SetSuspendTime(std::uint32_t Value);
    TCommEventTypes MonitorEvents() const { return FMonitorEvents; }
    void SetMonitorEvents(TCommEventTypes Value);
    TBaudRate BaudRate() const { return FSettings.BaudRate; }
    void SetBaudRate(TBaudRate Value) { ChangeSetting(FSettings.BaudRate, Value); }
    TParity Parity() const { return FSettings.Parity; }
    void SetParity(TParity Value) { ChangeSetting(FSettings.Parity, Value); }
    TStopBits StopBits() const { return FSettings.StopBits; }
    void SetStopBits(TStopBits Value) { ChangeSetting(FSettings.StopBits, Value); }
    TDataBits DataBits() const { return FSettings.DataBits; }
    void SetDataBits(TDataBits Value) { ChangeSetting(FSettings.DataBits, Value); }
    TCommOptions Options() const { return FSettings.Options; }
    void SetOptions(TCommOptions Value) { ChangeSetting(FSettings.Options, Value); }
    // Stored only: the handshake keeps the driver's setting.
    TFlowControl FlowControl() const { return FFlowControl; }
    void SetFlowControl(TFlowControl Value) { ChangeSetting(FFlowControl, Value); }
    TCommEventChars& EventChars() { return FEventChars; }

    // What the backend keeps while the device is open, opaque here
    // (defined in ThreadComm<Platform>.cpp).
    struct TDeviceState;
    struct TDeviceStateDeleter {
        void operator()(TDeviceState* State) const;
    };

    TNotifyEvent OnBreak, OnCts, OnDsr, OnRing, OnRlsd;
    TCommErrorEvent OnError;
    TCommRxCharEvent OnRxChar;
    TNotifyEvent OnRxFlag, OnTxEmpty;
    TCommStatEvent OnComStatEvent;

protected:
    // Opens the device for exclusive use; sets the open flag on success.
    virtual void OpenDevice();

    TCommHandle FHandle = InvalidCommHandle;
    bool FOpen = false;

private:
    template <class T> void ChangeSetting(T& Field, T Value) {
        if (Field == Value) return;
        Field = Value;
        ApplySettings();
    }
    // Runs on the owning thread once per event mask.
    void Dispatch(std::uint32_t Mask);
    // The backend's steps of Open after the device opened: the timeouts
    // (false: the port is closed again without an error) and the driver's
    // queues (0, or the error code Open raises once the thread runs).
    bool SetTimeouts();
    int SetupQueues();
    void CloseDevice();
    TLineSettings CurrentSettings() const;

    std::shared_ptr<TCommSynchronizer> FSynchronizer;
    mutable std::recursive_mutex FLock;
    std::string FDeviceName = "Com2";
    std::int32_t FReadTimeout = 1000;
    std::int32_t FWriteTimeout = 1000;
    std::uint16_t FReadBufSize = 4096;
    std::uint16_t FWriteBufSize = 2048;
    std::uint32_t FSuspendTime = 5;
    TCommEventTypes FMonitorEvents = AllCommEvents;
    TLineSettings FSettings;
    TFlowControl FFlowControl = TFlowControl::fcDefault;
    TCommEventChars FEventChars{this};
    unsigned FWriteTimeoutMultiplier = 0;
    // The deadline of the last write: Close lets its bytes drain until then.
    std::chrono::steady_clock::time_point FDrainDeadline{};
    std::unique_ptr<TDeviceState, TDeviceStateDeleter> FState;
    std::unique_ptr<TCommEventThread> FEventThread;
};

class TComm : public TThreadComm {
public:
    using TThreadComm::TThreadComm;
};

} // namespace varo
