#include "DeviceLink.h"

#include <algorithm>

#include "ComNumber.h"
#include "CommandSender.h"
#include "ConnectionManager.h"
#include "DeviceWatch.h"
#include "PageWatcher.h"
#include "PortList.h"
#include "ReceivePath.h"
#include "comm/QtCommSynchronizer.h"
#include "comm/TermiosBuilder.h"
#include "comm/ThreadComm.h"
#include "platform/ComFolder.h"

namespace varo {

DeviceLink::DeviceLink(LinkView& view, bool watchDevices) : View(view) {
    FComm = std::make_unique<TComm>(std::make_shared<TQtCommSynchronizer>(&FEventContext));
    FComm->SetDeviceName("\\\\.\\COM1");
    FComm->SetBaudRate(TBaudRate::br115200);
    FComm->SetParity(TParity::paNone);
    FComm->SetDataBits(TDataBits::da8);
    FComm->SetStopBits(TStopBits::sb10);
    FPortList = std::make_unique<PortList>(*this);
    FConnection = std::make_unique<ConnectionManager>(*this);
    FCommandSender = std::make_unique<CommandSender>(*this);
    FReceivePath = std::make_unique<ReceivePath>(*this);
    FPageWatcher = std::make_unique<PageWatcher>(*this);
    FComm->OnRxChar = [this](TThreadComm* sender, std::uint32_t count) {
        FReceivePath->OnRxChar(sender, count);
    };
    // The hang-up of the device, reported once by the event thread.
    FComm->OnError = [this](TThreadComm*, std::uint32_t errors) {
        if (errors & CE_IOE) PortLost();
    };
    FEngineDeadline.setSingleShot(true);
    FEngineDeadline.setObjectName(QStringLiteral("ReplyDeadline"));
    QObject::connect(&FEngineDeadline, &QTimer::timeout, [this] {
        FEngine.OnTime(GatewayEngine::Clock::now());
        PumpEngine();
    });
    // A whole static data block, whoever asked for it: the proof that the
    // gateway answers, and what the PROPERTIES page shows.
    FEngine.onStaticData = [this](const ProductInfo& info) {
        View.ShowStaticData(info);
        FConnection->StaticDataWatcher();
    };
    FReconnectTimer.setInterval(1000);
    QObject::connect(&FReconnectTimer, &QTimer::timeout, [this] { WatchLostPort(); });
    if (watchDevices) FDeviceWatch = std::make_unique<DeviceWatch>(*this);
}

DeviceLink::~DeviceLink() {
    // The port closes first: its events reach the units.
    FComm.reset();
}

void DeviceLink::OpenPortClick() {
    FConnection->OpenPortClick();
}

void DeviceLink::ModeChanged() {
    FConnection->RadioButtonConnectionModeAutoClick();
}

void DeviceLink::PortChosen() {
    FConnection->cbxComPortChange();
}

void DeviceLink::BaudChosen() {
    FConnection->cbxBaudRateChange();
}

void DeviceLink::PageChanged() {
    FPageWatcher->PageChanged();
}

void DeviceLink::RefreshPorts() {
    FPortList->RefreshPorts();
}

void DeviceLink::Ask(GatewayRequest request, std::function<void(const GatewayOutcome&)> done) {
    const std::uint64_t generation = FLinkGeneration;
    FEngine.Submit(
        std::move(request),
        [this, generation, done = std::move(done)](const GatewayOutcome& outcome) {
            // Handed on from the event loop, not from inside the port's event:
            // what it does (a message box, the next request) must not run
            // while the receive handler runs.
            QTimer::singleShot(0, &FEventContext, [this, generation, done, outcome] {
                if (generation == FLinkGeneration && done) done(outcome);
            });
        },
        GatewayEngine::Clock::now());
    PumpEngine();
}

bool DeviceLink::LinkProbe(std::uint16_t code) {
    FEngine.SendProbe(code);
    return PumpEngine();
}

bool DeviceLink::PumpEngine() {
    if (const auto speed = FEngine.TakeSpeedChange()) {
        for (std::size_t item = 0; item < BaudListRates.size(); ++item) {
            if (BaudRateValue(BaudListRates[item]) != *speed) continue;
            FComm->SetBaudRate(BaudListRates[item]);
            View.ShowChosenBaudItem(static_cast<int>(item));
        }
        // A part line received at the other speed is noise at this one.
        FRxLine = LineAssembler{};
    }
    const std::uint64_t generation = FLinkGeneration;
    bool written = true;
    for (const std::string& line : FEngine.TakeOutgoing()) {
        if (FCommandSender->SendCommand(line)) continue;
        // The failure has been told; a request that waits for an answer to
        // a command that never left ends at once, unless the link went down.
        if (generation == FLinkGeneration) FEngine.OnPortLost();
        written = false;
        break;
    }
    if (generation != FLinkGeneration) return false;
    if (const auto due = FEngine.Deadline()) {
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
            *due - GatewayEngine::Clock::now());
        FEngineDeadline.start(std::max(wait, std::chrono::milliseconds(0)));
    } else {
        FEngineDeadline.stop();
    }
    return written;
}

void DeviceLink::OnGatewayLine(std::string_view line) {
    FEngine.OnLine(line, GatewayEngine::Clock::now());
    PumpEngine();
}

bool DeviceLink::ConnectPressed() const {
    return FConnection->Pressed();
}

void DeviceLink::ResetConnection() {
    FConnection->ResetConnection();
}

void DeviceLink::BeginReplay() {
    FHealth.Reset(LinkHealth::Clock::now());
    FRxLine = LineAssembler{};
}

void DeviceLink::ReplayBytes(const std::uint8_t* bytes, std::size_t count) {
    FReceivePath->Receive(bytes, count);
}

void DeviceLink::Close() {
    if (FComm->Connected()) FComm->Close();
}

void DeviceLink::ClearReplyWait() {
    FEngine.Cancel();
    FEngineDeadline.stop();
    ++FLinkGeneration;
}

void DeviceLink::OnDeviceChange(platform::DeviceChange change) {
    RefreshPorts();
    if (change == platform::DeviceChange::RemovalComplete && FComm->Connected()) {
        const auto number = ComNumberOf(FComm->DeviceName());
        if (!number ||
            std::find(FPortNumbers.begin(), FPortNumbers.end(), *number) == FPortNumbers.end())
            PortLost();
    }
    if (FLostPort) WatchLostPort();
}

void DeviceLink::PortLost() {
    const int number = ComNumberOf(FComm->DeviceName()).value_or(0);
    if (!FConnection->Pressed()) {
        FComm->Close();
        return;
    }
    if (!FLinked && View.AutoMode()) {
        // The scan's next step opens the next port.
        FComm->Close();
        return;
    }
    const bool linked = FLinked;
    const int baudItem = View.ChosenBaudItem();
    // The Connect button, down, disconnects.
    OpenPortClick();
    if (linked && number > 0) {
        FLostPort = LostPort{number, baudItem, std::chrono::steady_clock::now()};
        FReconnectTimer.start();
        // The port box keeps showing the lost port.
        RefreshPorts();
        View.ShowChosenPort(number);
    }
    View.ReportPortLost(number);
}

void DeviceLink::WatchLostPort() {
    if (!FLostPort || FConnection->Pressed() ||
        std::chrono::steady_clock::now() - FLostPort->at > kReconnectWindow) {
        // Gone for too long, or the user connected meanwhile.
        FLostPort.reset();
        FReconnectTimer.stop();
        return;
    }
    if (!platform::IsPresentTty(platform::ComLinkPath(platform::ComFolder(), FLostPort->number)))
        return;
    RefreshPorts();
    if (std::find(FOpenPorts.begin(), FOpenPorts.end(), FLostPort->number) == FOpenPorts.end())
        return;
    const LostPort port = *FLostPort;
    FLostPort.reset();
    FReconnectTimer.stop();
    View.ReportReconnecting(port.number, port.baudItem);
    FConnection->Reconnect(port.number, port.baudItem);
}

} // namespace varo
