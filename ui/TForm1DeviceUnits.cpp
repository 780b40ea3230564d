// Creates the device information, baud and flow command and link watchdog
// units and connects them to their controls and to the receive path.
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "BaudFlowCommands.h"
#include "DeviceInfo.h"
#include "LinkWatchdog.h"
#include "TForm1.h"

namespace varo {

void TForm1::CreateDeviceUnits() {
    FDeviceInfo = std::make_unique<DeviceInfo>(*this);

    FBaudFlowCommands = std::make_unique<BaudFlowCommands>(*this);
    connect(spbBaudRate, &QToolButton::clicked, this,
            [this] { FBaudFlowCommands->ChangeNmeaBaudRate(); });
    connect(Button2, &QPushButton::clicked, this, [this] { FBaudFlowCommands->SetFlowRate(); });

    FLinkWatchdog = std::make_unique<LinkWatchdog>(*this);
    connect(PIC_Timer, &QTimer::timeout, this, [this] { FLinkWatchdog->OnWatchdogTimer(); });
}

} // namespace varo
