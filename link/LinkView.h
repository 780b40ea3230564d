#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "LinkHealth.h"
#include "config/ProductInfo.h"

namespace varo {

// What the connection status shows.
enum class LinkStatus { Disconnect, Connecting, Connected };

// Why an attempt or a command failed. The screen chooses the words.
enum class LinkFailure {
    NoSerialPortExist,    // Auto mode found no port it could open
    AutoDetectTimeOut,    // Auto mode tried every port and speed
    ManualConnectTimeOut, // Manual mode's 20 steps passed without the static data block
    PortOpenError,        // the port did not open, or a write to it failed
    PortFolderError,      // the COM folder cannot be read, so no port can be probed
    PortAbsent,           // Manual mode: the chosen port is not present (unplugged)
    PortHeld,             // Manual mode: another program holds the chosen port
};

// What the received bytes say about an attempt that timed out.
enum class FailureCause {
    None,            // not a time-out
    NothingReceived, // no byte came back
    OtherSpeed,      // bytes came, but not as text: the gateway talks at another speed
    NoProbeAnswer,   // sentences came at this speed, but nothing answered the probe
    NoStaticDataEnd, // the static data block came without "[END OF STATIC DATA]"
};

// What the port list says about one listed port besides its number.
struct PortNote {
    std::string description; // maker and model, "pseudo-terminal" ...
    int busyPid = 0;         // another process that holds the port, 0 when none
    std::string busyProgram;
    bool accessDenied = false; // this user may not open it
    bool absent = false;       // chosen, but not present now (its adapter is unplugged)
};

// Everything the device link needs from the screen: the connection controls
// it reads and sets, the status it shows, the questions it asks and the
// received lines it hands on. The main window implements it; tests use a fake.
// Every call comes on the UI thread.
class LinkView {
public:
    virtual ~LinkView() = default;

    // ---- The connection controls ----
    virtual bool AutoMode() const = 0;
    // The chosen port's text as listed: "3", or "N/A" when none is present.
    virtual QString ChosenPort() const = 0;
    // The index of the chosen speed in BaudListRates, -1 when none.
    virtual int ChosenBaudItem() const = 0;
    virtual void ShowChosenPort(int number) = 0;
    virtual void ShowChosenBaudItem(int item) = 0;
    // The port list: its items and the one selected.
    virtual void ShowPorts(const std::vector<std::string>& items, const std::string& selected) = 0;
    // One note per item of the last ShowPorts, in its order (none for "N/A").
    virtual void ShowPortNotes(const std::vector<PortNote>& notes) = 0;
    // The mode's page; Auto mode's read-outs are cleared.
    virtual void ShowConnectionMode(bool automatic) = 0;
    // Auto mode's read-outs of the port and speed being tried ("" clears).
    virtual void ShowAutoDetect(const QString& port, const QString& baud) = 0;
    // The Connect button down (connecting or connected) or up.
    virtual void ShowConnectButton(bool down) = 0;
    virtual void EnableModeControls(bool on) = 0;
    virtual void ShowLinkStatus(LinkStatus status) = 0;
    // One frame of the connecting animation.
    virtual void AnimateConnecting() = 0;
    // The controls that need a confirmed link.
    virtual void SetLinkControls(bool on) = 0;
    // `cause` tells the time-outs apart (None for the other failures). The
    // port failures name the chosen port and what its note says.
    virtual void ReportFailure(LinkFailure failure, FailureCause cause) = 0;
    // The Auto scan passes over these present ports: another program holds
    // them, or this user may not open them. Empty when it skips none.
    virtual void ShowSkippedPorts(const std::vector<int>& numbers) = 0;
    // The open port hung up or its device was removed: the link is already
    // disconnected. `number` is its COM number (0 when unknown).
    virtual void ReportPortLost(int number) = 0;
    // The lost port is back and the link connects to it again at `baudItem`.
    virtual void ReportReconnecting(int number, int baudItem) = 0;
    // Asked before a port that could not be opened at discovery is opened
    // anyway; true to go on.
    virtual bool ConfirmForcedConnect() = 0;

    // ---- The pages ----
    virtual bool ConfigurationPageShown() const = 0;
    // The silence watch of the CONFIGURATION page.
    virtual void RunWatchdog(bool on) = 0;

    // ---- Received lines, in the order the receive path calls them ----
    // Every line, without CR LF, and why the health figures dropped it
    // (LineDrop::None when they did not). A line dropped for its length
    // comes with its first characters and goes no further.
    virtual void ShowReceivedLine(std::string_view line, LineDrop drop) = 0;
    // Every line that begins with "$" or "!", with CR LF.
    virtual void ShowSentence(const char* line) = 0;
    // Every whole static data block the gateway sent, read by the engine.
    virtual void ShowStaticData(const ProductInfo& info) = 0;
};

} // namespace varo
