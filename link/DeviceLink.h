#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "LinkHealth.h"
#include "LinkView.h"
#include "gateway/GatewayEngine.h"
#include "gateway/LineAssembler.h"
#include "platform/DeviceNotifier.h"

namespace varo {

class TComm;
class CommandSender;
class ConnectionManager;
class DeviceWatch;
class PageWatcher;
class PortList;
class ReceivePath;

// The device link: the serial port, port discovery, the connection attempt,
// command transmission, the receive path and the page watcher, with the
// state they share. It reports to the screen through `View` only, so it
// runs under a window or under a test's fake alike (QtCore for its timers
// and for handing the port's events to the UI thread).
class DeviceLink {
public:
    // `watchDevices` listens for serial ports arriving and leaving.
    DeviceLink(LinkView& view, bool watchDevices = true);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

private:
    // Connects again when the lost port is back; forgets it after kReconnectWindow.
    void WatchLostPort();

public:
    // ---- What the screen's controls do ----
    // The Connect button: connects when it is up, else disconnects.
    void OpenPortClick();
    // Either mode button: rediscovers the ports and shows the mode's page.
    void ModeChanged();
    // The user chose a port or a speed in the lists.
    void PortChosen();
    void BaudChosen();
    // The page shown changed.
    void PageChanged();
    // Port discovery: the present and openable ports and the port list.
    void RefreshPorts();
    // The serial-port class gained or lost a device: discovery runs again, and
    // a confirmed link whose port is gone is disconnected.
    void OnDeviceChange(platform::DeviceChange change);
    // Closes the port if it is open (the window is closing).
    void Close();
    // The open port hung up or its device went away. A link or a Manual
    // attempt is disconnected at once and the screen told; a linked port is
    // watched for its return. An Auto scan just goes on to the next port.
    void PortLost();
    // A lost port that returns within this time is connected again by itself.
    static constexpr std::chrono::seconds kReconnectWindow{60};

    // ---- The gateway engine over the open port ----
    // Submits `request`; `done` gets its outcome from the event loop, never
    // after the link went down. Requests wait their turn behind those before.
    void Ask(GatewayRequest request, std::function<void(const GatewayOutcome&)> done);
    // Sends the TST probe with `code` (protocol::kProbeStaticData to connect,
    // kProbeConfigurationOpen/Closed for the page); true if sent.
    bool LinkProbe(std::uint16_t code);
    // Writes what the engine has to send, at the speed it asks for, and keeps
    // its deadline. Every received line runs it; so does work submitted to
    // the engine directly (the profile actions). False when a write failed
    // (the sender has told the user, or the Auto scan goes on).
    bool PumpEngine();
    GatewayEngine& Engine() { return FEngine; }

    // True while the Connect button is down: connecting or connected.
    bool ConnectPressed() const;
    // The idle state of the connection controls (the window starts there).
    void ResetConnection();

    // ---- The CONFIGURATION page's silence watch ----
    // One watchdog tick without a received line; the count so far.
    std::int32_t CountSilentTick() { return ++FLinkSilenceTicks; }
    void ResetSilence() { FLinkSilenceTicks = 0; }

    // ---- A log played back through the receive path ----
    // A replay starts: the line figures and a part line start afresh.
    void BeginReplay();
    // The bytes of one read of the log, as the port would deliver them.
    void ReplayBytes(const std::uint8_t* bytes, std::size_t count);

    LinkView& View;

    // ---- Shared state of the run (UI thread only) ----
    std::vector<std::int32_t> FPortNumbers; // COM numbers present, ascending
    std::vector<std::int32_t>
        FOpenPorts;              // COM numbers that could be opened (at most 64), ascending
    std::int32_t FLinkState = 0; // 0 Idle, 1 Probing, 2 Linked
    std::int32_t FLinkTicks = 0; // connection steps taken in this attempt
    bool FStaticDataEnd = false; // end-of-static-data line seen
    bool FLinked = false;        // gateway confirmed
    bool FLinkFailed = false;    // attempt failed; the next step disconnects
    std::array<std::uint8_t, 5004> FRxBuffer{}; // raw bytes of one read, zero-terminated
    LineAssembler FRxLine;                      // line under construction, kept across reads
    std::int32_t FLinkSilenceTicks = 0;         // watchdog ticks since the last line
    LinkHealth FHealth;                         // the line's figures since the attempt began

    // ---- The exchanges with the gateway ----
    // Every request, its answer, deadline and resend, and what the gateway
    // last reported (WaitingForReply, ExpectedReplyId and ConfigReceived are
    // its state).
    GatewayEngine FEngine;
    QTimer FEngineDeadline; // single shot at the engine's next deadline
    // Counts the link's ends: an outcome posted before the link went down
    // finds a newer count and is not shown.
    std::uint64_t FLinkGeneration = 0;
    // Forgets every request and report: the link went down.
    void ClearReplyWait();
    // Every accepted line (without CR LF), last in the receive path.
    void OnGatewayLine(std::string_view line);

    // ---- The link's units ----
    std::unique_ptr<PortList> FPortList;
    std::unique_ptr<ConnectionManager> FConnection;
    std::unique_ptr<CommandSender> FCommandSender;
    std::unique_ptr<ReceivePath> FReceivePath;
    std::unique_ptr<PageWatcher> FPageWatcher;
    std::unique_ptr<DeviceWatch> FDeviceWatch;

    // A linked port that was lost, watched for its return.
    struct LostPort {
        int number = 0;
        int baudItem = 0;
        std::chrono::steady_clock::time_point at;
    };
    std::optional<LostPort> FLostPort;
    QTimer FReconnectTimer; // 1000 ms while a lost port is watched

    // The port's events are handed to this object's thread (the UI thread);
    // declared before the port so that it outlives it.
    QObject FEventContext;
    // Declared after every unit so that it closes first: its events reach them.
    std::unique_ptr<TComm> FComm;
};

} // namespace varo
