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
#include "comm/ThreadComm.h"

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

bool DeviceLink::SendCommand(const char* talker, const char* formatter) {
    return FCommandSender->SendCommand(talker, formatter);
}

bool DeviceLink::LinkProbe(int code) {
    return FConnection->LinkProbe(code);
}

bool DeviceLink::ConnectPressed() const {
    return FConnection->Pressed();
}

void DeviceLink::Close() {
    if (FComm->Connected()) FComm->Close();
}

void DeviceLink::ClearReplyWait() {
    FReplyWait.Cancel();
    WaitingForReply = false;
    WaitingForRequery = false;
    ExpectedReplyId = 0;
    ConfigReceived = false;
}

void DeviceLink::OnDeviceChange(platform::DeviceChange change) {
    RefreshPorts();
    if (change != platform::DeviceChange::RemovalComplete || !FLinked) return;
    const auto number = ComNumberOf(FComm->DeviceName());
    if (number &&
        std::find(FPortNumbers.begin(), FPortNumbers.end(), *number) != FPortNumbers.end())
        return;
    // The connected adapter is gone: the Connect button, down, disconnects.
    OpenPortClick();
}

} // namespace varo
