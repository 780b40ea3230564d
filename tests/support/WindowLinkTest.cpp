#include "WindowLinkTest.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <qtestsupport_core.h>

#include "ConnectionManager.h"
#include "DeviceLink.h"
#include "Tag.h"
#include "comm/ThreadComm.h"

namespace varo {

// The window hears of ports through its notifications and lists them in cbxComPort.
WindowLinkTest::WindowLinkTest()
    : ports([this](int number, bool present) {
          return (form.cbxComPort->findText(QString::number(number)) >= 0) == present;
      }),
      windows(CreateApplicationWindows()), form(*windows.form) {}

WindowLinkTest::~WindowLinkTest() {
    form.FLink->Close();
}

void WindowLinkTest::ChooseManual(int number, const char* baud) {
    form.RefreshPorts();
    if (!form.RadioButtonConnectionModeManual->isChecked())
        form.RadioButtonConnectionModeManual->click();
    form.cbxComPort->setCurrentIndex(form.cbxComPort->findText(QString::number(number)));
    form.cbxBaudRate->setCurrentIndex(form.cbxBaudRate->findText(QString::fromLatin1(baud)));
}

void WindowLinkTest::ChooseAuto() {
    form.RadioButtonConnectionModeAuto->click();
}

void WindowLinkTest::PressConnect() {
    form.OpenPort->click();
    form.Timer1->stop();
    form.TimerConnection->stop();
}

void WindowLinkTest::Tick(std::chrono::milliseconds wait) {
    form.FLink->FConnection->Timer1Timer();
    QTest::qWait(static_cast<int>(wait.count()));
}

bool WindowLinkTest::Connected() const {
    return form.FLink->FComm->Connected();
}

int WindowLinkTest::ButtonTag() const {
    return Tag(form.OpenPort);
}

} // namespace varo
