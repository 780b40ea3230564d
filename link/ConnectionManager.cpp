#include "ConnectionManager.h"

#include <algorithm>
#include <cstring>

#include "DeviceLink.h"
#include "LinkHealth.h"
#include "PageWatcher.h"
#include "PortList.h"
#include "comm/TermiosBuilder.h"
#include "comm/ThreadComm.h"
#include "config/SentenceStore.h"

namespace varo {
namespace {

constexpr std::int32_t kManualTickLimit = 20;
constexpr std::int32_t kTicksPerSpeed = 3;

std::string DeviceNameOf(const QString& number) {
    return "\\\\.\\COM" + number.toStdString();
}

} // namespace

QString BaudItemText(int item) {
    if (item < 0 || static_cast<std::size_t>(item) >= BaudListRates.size()) return {};
    return QString::number(BaudRateValue(BaudListRates[static_cast<std::size_t>(item)]));
}

ConnectionManager::ConnectionManager(DeviceLink& link) : link(link), view(link.View) {
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(1000);
    TimerConnection.setObjectName(QStringLiteral("TimerConnection"));
    TimerConnection.setInterval(200);
    QObject::connect(&Timer1, &QTimer::timeout, [this] { Timer1Timer(); });
    QObject::connect(&TimerConnection, &QTimer::timeout, [this] { TimerConnectionTimer(); });
}

bool ConnectionManager::LinkProbe(int code) {
    return link.LinkProbe(static_cast<std::uint16_t>(code));
}

void ConnectionManager::ResetConnection() {
    link.FLinkState = kLinkIdle;
    link.FLinkTicks = 0;
    view.ShowAutoDetect({}, {});
    link.FLinked = false;
    // A failure is over once the connection is reset: it must not cut short
    // the next attempt's display.
    link.FLinkFailed = false;
    Timer1.stop();
    TimerConnection.stop();
    Display(LinkStatus::Disconnect);
    view.EnableModeControls(true);
}

void ConnectionManager::Display(LinkStatus status) {
    view.ShowConnectButton(FPressed);
    view.ShowLinkStatus(status);
}

void ConnectionManager::Release() {
    FPressed = false;
    link.ClearReplyWait();
    FReconnecting = false;
    view.ShowConnectButton(false);
    view.SetLinkControls(false);
}

bool ConnectionManager::RefusedPort(int chosen) {
    const PortNote note = link.FPortList->NoteOf(chosen);
    if (!note.absent && note.busyPid == 0) return false;
    Release();
    link.FLinkState = kLinkIdle;
    view.ReportFailure(note.absent ? LinkFailure::PortAbsent : LinkFailure::PortHeld,
                       FailureCause::None);
    return true;
}

void ConnectionManager::OpenPortClick() {
    TComm& comm = *link.FComm;
    if (FPressed) {
        Release();
        if (comm.Connected()) comm.Close();
    } else if (comm.Connected()) {
        Release();
    } else {
        FPressed = true;
    }
    ResetConnection();

    if (!FPressed) return;
    BeginAttempt();
    link.FHealth.Reset(LinkHealth::Clock::now());
    // A line the last port left unfinished is no start for this one's first.
    link.FRxLine = LineAssembler{};
    if (Automatic()) {
        link.RefreshPorts();
        // The scan works on its own copy: a device change during it rebuilds
        // FOpenPorts.
        FScanPorts = link.FOpenPorts;
        std::vector<int> skipped;
        for (std::int32_t number : link.FPortNumbers)
            if (std::find(FScanPorts.begin(), FScanPorts.end(), number) == FScanPorts.end())
                skipped.push_back(number);
        view.ShowSkippedPorts(skipped);
        if (link.FOpenPorts.empty()) {
            view.ShowAutoDetect(QStringLiteral("N/A"), QStringLiteral("N/A"));
        } else {
            view.ShowChosenPort(link.FOpenPorts.front());
            view.ShowChosenBaudItem(kDefaultBaudItem);
            view.ShowAutoDetect(view.ChosenPort(), BaudItemText(kDefaultBaudItem));
        }
    } else {
        bool isNumber = false;
        const int chosen = view.ChosenPort().toInt(&isNumber);
        const bool openable = isNumber && std::find(link.FOpenPorts.begin(), link.FOpenPorts.end(),
                                                    chosen) != link.FOpenPorts.end();
        // An unplugged port or one another program holds cannot be forced
        // open: say so instead of asking.
        if (!openable && isNumber && RefusedPort(chosen)) return;
        if (!openable && !view.ConfirmForcedConnect()) {
            Release();
            // No attempt runs: nothing is left half started.
            link.FLinkState = kLinkIdle;
            return;
        }
    }
    view.ShowConnectButton(true);
    link.FLinkFailed = false;
    ConnectionStep();
    // A first probe that could not be sent has disconnected already: nothing
    // may be left animating "Connecting..." with the mode controls off.
    if (!FPressed) return;
    ++link.FLinkTicks;
    Timer1.start();
    view.EnableModeControls(false);
    // A first step that failed has reported it; the next step disconnects.
    if (link.FLinkFailed) return;
    TimerConnection.start();
    Display(LinkStatus::Connecting);
}

void ConnectionManager::Fail(LinkFailure failure) {
    link.FLinkState = kLinkIdle;
    link.FLinkFailed = true;
    FailureCause cause = FailureCause::None;
    if (failure == LinkFailure::AutoDetectTimeOut || failure == LinkFailure::ManualConnectTimeOut) {
        switch (link.FHealth.FailureCause()) {
        case LinkHealth::Cause::NothingReceived:
            cause = FailureCause::NothingReceived;
            break;
        case LinkHealth::Cause::OtherSpeed:
            cause = FailureCause::OtherSpeed;
            break;
        case LinkHealth::Cause::NoProbeAnswer:
            cause = FailureCause::NoProbeAnswer;
            break;
        case LinkHealth::Cause::NoStaticDataEnd:
            cause = FailureCause::NoStaticDataEnd;
            break;
        }
    }
    // The attempt has ended: nothing may go on looking like "Connecting..."
    // while the message is shown.
    TimerConnection.stop();
    Display(LinkStatus::Disconnect);
    view.ReportFailure(failure, cause);
}

void ConnectionManager::Reconnect(int number, int baudItem) {
    if (FPressed) return;
    FReconnecting = true;
    view.ShowChosenPort(number);
    view.ShowChosenBaudItem(baudItem);
    link.FComm->SetDeviceName(DeviceNameOf(QString::number(number)));
    OpenPortClick();
}

void ConnectionManager::ConnectionStep() {
    switch (link.FLinkState) {
    case kLinkIdle:
        if (link.FLinked || link.FLinkFailed) {
            OpenPortClick();
            link.FLinked = false;
            link.FLinkFailed = false;
        }
        break;
    case kLinkProbing:
        if (Automatic()) {
            ProbingAuto();
        } else {
            ProbingManual();
        }
        break;
    default:
        break;
    }
}

void ConnectionManager::ProbingAuto() {
    if (link.FLinkTicks == 0) {
        const auto ports = static_cast<std::int32_t>(FScanPorts.size());
        AutoTickLimit = ports > 2 ? 9 * ports + 2 : 20;
        if (ports == 0) {
            Fail(LinkFailure::NoSerialPortExist);
            return;
        }
    }
    if (FScanPorts.empty()) {
        Fail(LinkFailure::NoSerialPortExist);
        return;
    }
    if (link.FLinkTicks <= AutoTickLimit) {
        AutoStep();
    } else {
        Fail(LinkFailure::AutoDetectTimeOut);
    }
}

void ConnectionManager::ProbingManual() {
    if (link.FLinkTicks != 0) {
        ManualStep();
        return;
    }
    TComm& comm = *link.FComm;
    if (!comm.Connected()) {
        SelectBaudItem(view.ChosenBaudItem());
        comm.SetDeviceName(DeviceNameOf(view.ChosenPort()));
        comm.Open();
    }
    if (comm.Connected()) {
        ManualStep();
    } else {
        Fail(LinkFailure::PortOpenError);
    }
}

// Each port gets 9 ticks: 3 at 38400, then 9600, then 4800, with a probe at
// the first and third tick of each speed.
void ConnectionManager::AutoStep() {
    if (link.FLinked) return;
    const std::int32_t t = link.FLinkTicks;
    if (t == 0) {
        AutoPortCursor = 0;
        AutoBaudCursor = kDefaultBaudItem;
    }
    if (t % kTicksPerSpeed == 1) return;
    if (t % kTicksPerSpeed == 2) {
        LinkProbe(kProbeStaticData);
        return;
    }
    view.ShowChosenBaudItem(AutoBaudCursor);
    SelectBaudItem(AutoBaudCursor);
    QString port = view.ChosenPort();
    if (AutoBaudCursor == kDefaultBaudItem) {
        if (AutoPortCursor >= FScanPorts.size()) AutoPortCursor = 0;
        OpenPortNumber(FScanPorts[AutoPortCursor]);
        ++AutoPortCursor;
        port = view.ChosenPort();
        link.FStaticDataEnd = false;
    }
    view.ShowAutoDetect(port, BaudItemText(AutoBaudCursor));
    if (!LinkProbe(kProbeStaticData)) return;
    AutoBaudCursor = AutoBaudCursor == 0 ? kDefaultBaudItem : AutoBaudCursor - 1;
}

void ConnectionManager::ManualStep() {
    if (link.FLinked) return;
    const std::int32_t t = link.FLinkTicks;
    if (t > kManualTickLimit) {
        Fail(LinkFailure::ManualConnectTimeOut);
    } else if (t % kTicksPerSpeed != 1) {
        LinkProbe(kProbeStaticData);
    }
}

bool ConnectionManager::OpenPortNumber(int number) {
    TComm& comm = *link.FComm;
    comm.Close();
    if (comm.Connected()) return false;
    view.ShowChosenPort(number);
    comm.SetDeviceName(DeviceNameOf(QString::number(number)));
    comm.Open();
    return comm.Connected();
}

// The port's speed for baud item `item` (applied at once when open); an
// unselected list leaves the speed as it is.
void ConnectionManager::SelectBaudItem(int item) {
    if (item < 0 || static_cast<std::size_t>(item) >= BaudListRates.size()) return;
    link.FComm->SetBaudRate(BaudListRates[static_cast<std::size_t>(item)]);
}

// Only Connect starts an attempt: a block received while idle (after a
// failed attempt, before the next step disconnects) must not restart it.
void ConnectionManager::BeginAttempt() {
    if (link.FLinkState != kLinkIdle || (link.FLinked && FPressed)) return;
    link.FStaticDataEnd = false;
    link.FLinkState = kLinkProbing;
    link.FLinkTicks = 0;
}

void ConnectionManager::StaticDataWatcher() {
    switch (link.FLinkState) {
    case kLinkProbing:
        if (link.FLinked) return;
        link.FStaticDataEnd = true;
        link.FLinked = true;
        link.FLinkTicks = 0;
        link.FLinkState = kLinkLinked;
        view.SetLinkControls(true);
        // "Connected..." follows within a frame of the animation, whatever
        // became of it before.
        if (!TimerConnection.isActive()) TimerConnection.start();
        // The page watcher reports the page shown once the link is up.
        link.FPageWatcher->DetectTabSheet.start();
        break;
    default:
        break;
    }
}

void ConnectionManager::RadioButtonConnectionModeAutoClick() {
    link.RefreshPorts();
    const bool automatic = view.AutoMode();
    view.ShowConnectionMode(automatic);
    // Manual mode: the port list already shows "N/A" or its first item.
    if (!automatic) view.ShowChosenBaudItem(kDefaultBaudItem);
}

void ConnectionManager::cbxComPortChange() {
    if (!link.FComm->Connected()) link.FComm->SetDeviceName(DeviceNameOf(view.ChosenPort()));
}

void ConnectionManager::cbxBaudRateChange() {
    SelectBaudItem(view.ChosenBaudItem());
}

void ConnectionManager::Timer1Timer() {
    ConnectionStep();
    ++link.FLinkTicks;
}

void ConnectionManager::TimerConnectionTimer() {
    if (!link.FLinked) {
        view.AnimateConnecting();
        return;
    }
    Display(LinkStatus::Connected);
    TimerConnection.stop();
    Timer1.stop();
}

} // namespace varo
