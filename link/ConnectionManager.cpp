#include "ConnectionManager.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstring>

#include "ConnectionStatus.h"
#include "PortList.h"
#include "TForm1.h"
#include "Tag.h"
#include "comm/thread_comm.h"
#include "config/SentenceStore.h"

namespace {

constexpr const char* kStaticDataEnd = "[END OF STATIC DATA]";
constexpr std::int32_t kManualTickLimit = 20;
constexpr std::int32_t kTicksPerSpeed = 3;

std::string DeviceNameOf(const QString& number) {
    return "\\\\.\\COM" + number.toStdString();
}

} // namespace

ConnectionManager::ConnectionManager(TForm1& form) : form(form) {
    QObject::connect(form.OpenPort, &QToolButton::clicked, &form, [this] { OpenPortClick(); });
    for (QRadioButton* mode :
         {form.RadioButtonConnectionModeAuto, form.RadioButtonConnectionModeManual})
        QObject::connect(mode, &QRadioButton::clicked, &form,
                         [this] { RadioButtonConnectionModeAutoClick(); });
    // Only the user's choice counts: the steps set both lists themselves.
    QObject::connect(form.cbxComPort, &QComboBox::activated, &form, [this] { cbxComPortChange(); });
    QObject::connect(form.cbxBaudRate, &QComboBox::activated, &form,
                     [this] { cbxBaudRateChange(); });
    QObject::connect(form.Timer1, &QTimer::timeout, &form, [this] { Timer1Timer(); });
    QObject::connect(form.TimerConnection, &QTimer::timeout, &form,
                     [this] { TimerConnectionTimer(); });
}

bool ConnectionManager::AutoMode() const {
    return form.RadioButtonConnectionModeAuto->isChecked();
}

bool ConnectionManager::LinkProbe(int code) {
    varo::DeviceRecord& device = varo::ProgramSentenceStore().device;
    device.tstNumber = 99999;
    device.tstValue = 99;
    // 64 is the at-sign, just below "A": outside both letter ranges.
    device.tstLowerCaseLetter = 64;
    device.tstLetter = 64;
    device.tstCode = static_cast<std::uint16_t>(code);
    return form.SendCommand("P", "TST");
}

void ConnectionManager::EnableModeControls(bool on) {
    form.GroupBoxConnectionMode->setEnabled(on);
    form.RadioButtonConnectionModeAuto->setEnabled(on);
    form.RadioButtonConnectionModeManual->setEnabled(on);
    form.cbxComPort->setEnabled(on);
    form.cbxBaudRate->setEnabled(on);
}

void ConnectionManager::ResetConnection() {
    form.FLinkState = kLinkIdle;
    form.FLinkTicks = 0;
    form.EditAutoDetectComPort->clear();
    form.EditAutoDetectBaudRate->clear();
    form.FLinked = false;
    form.Timer1->stop();
    form.TimerConnection->stop();
    form.FConnectionStatus->ShowConnectionStatus(0, LinkStatus::Disconnect);
    EnableModeControls(true);
}

void ConnectionManager::OpenPortClick() {
    TComm& comm = *form.FComm;
    if (Tag(form.OpenPort) == 1) {
        SetTag(form.OpenPort, 0);
        form.OpenPort->setChecked(false);
        form.SetLinkControls(false);
        if (comm.Connected()) comm.Close();
    } else if (comm.Connected()) {
        SetTag(form.OpenPort, 0);
        form.OpenPort->setChecked(false);
        form.SetLinkControls(false);
    } else {
        SetTag(form.OpenPort, 1);
    }
    ResetConnection();

    if (Tag(form.OpenPort) == 0) {
        form.OpenPort->setText(form.OpenPortCaption(0));
        return;
    }
    StaticDataWatcher(nullptr);
    if (AutoMode()) {
        form.RefreshPorts();
        form.cbxComPort->setCurrentIndex(0);
        if (form.FOpenPorts.empty()) {
            form.EditAutoDetectComPort->setText(QStringLiteral("N/A"));
            form.EditAutoDetectBaudRate->setText(QStringLiteral("N/A"));
        } else {
            const int first = form.cbxComPort->findText(QString::number(form.FOpenPorts.front()));
            if (first >= 0) form.cbxComPort->setCurrentIndex(first);
            form.EditAutoDetectComPort->setText(form.cbxComPort->currentText());
            form.cbxBaudRate->setCurrentIndex(kDefaultBaudItem);
            form.EditAutoDetectBaudRate->setText(form.cbxBaudRate->currentText());
        }
    } else {
        bool isNumber = false;
        const int chosen = form.cbxComPort->currentText().toInt(&isNumber);
        const bool openable = isNumber && std::find(form.FOpenPorts.begin(), form.FOpenPorts.end(),
                                                    chosen) != form.FOpenPorts.end();
        if (!openable &&
            ModalMessage(form.FTexts.CheckPortError, form.FTexts.Warning, MessageIcon::Warning,
                         MessageButtons::OkCancel) == MessageResult::Cancel &&
            form.OpenPort->isChecked()) {
            SetTag(form.OpenPort, 0);
            form.OpenPort->setChecked(false);
            form.SetLinkControls(false);
            // No attempt runs: nothing is left half started.
            form.FLinkState = kLinkIdle;
            return;
        }
    }
    form.OpenPort->setText(form.OpenPortCaption(1));
    ConnectionStep();
    ++form.FLinkTicks;
    form.Timer1->start();
    form.TimerConnection->start();
    form.FConnectionStatus->ShowConnectionStatus(1, LinkStatus::Connecting);
    EnableModeControls(false);
}

void ConnectionManager::Fail(const QString& text, const QString& caption, MessageIcon icon) {
    form.FLinkState = kLinkIdle;
    form.FLinkFailed = true;
    ModalMessage(text, caption, icon, MessageButtons::Ok);
}

void ConnectionManager::ConnectionStep() {
    switch (form.FLinkState) {
    case kLinkIdle:
        if (form.FLinked || form.FLinkFailed) {
            OpenPortClick();
            form.FLinked = false;
            form.FLinkFailed = false;
        }
        break;
    case kLinkProbing:
        if (AutoMode()) {
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
    if (form.FLinkTicks == 0) {
        const auto ports = static_cast<std::int32_t>(form.FOpenPorts.size());
        AutoTickLimit = ports > 2 ? 9 * ports + 2 : 20;
        if (ports == 0) {
            Fail(form.FTexts.NoSerialPortExist, form.FTexts.Warning, MessageIcon::Warning);
            return;
        }
    }
    if (form.FLinkTicks <= AutoTickLimit) {
        AutoStep();
    } else {
        Fail(form.FTexts.AutoDetectTimeOut, form.FTexts.Error, MessageIcon::Error);
    }
}

void ConnectionManager::ProbingManual() {
    if (form.FLinkTicks != 0) {
        ManualStep();
        return;
    }
    TComm& comm = *form.FComm;
    if (!comm.Connected()) {
        SelectBaudItem(form.cbxBaudRate->currentIndex());
        comm.SetDeviceName(DeviceNameOf(form.cbxComPort->currentText()));
        comm.Open();
    }
    if (comm.Connected()) {
        ManualStep();
    } else {
        Fail(form.FTexts.PortOpenError, form.FTexts.Error, MessageIcon::Error);
    }
}

// Each port gets 9 ticks: 3 at 38400, then 9600, then 4800, with a probe at
// the first and third tick of each speed.
void ConnectionManager::AutoStep() {
    if (form.FLinked) return;
    const std::int32_t t = form.FLinkTicks;
    if (t == 0) {
        AutoPortCursor = 0;
        AutoBaudCursor = kDefaultBaudItem;
    }
    if (t % kTicksPerSpeed == 1) return;
    if (t % kTicksPerSpeed == 2) {
        LinkProbe(kProbeStaticData);
        return;
    }
    form.cbxBaudRate->setCurrentIndex(AutoBaudCursor);
    SelectBaudItem(AutoBaudCursor);
    form.EditAutoDetectBaudRate->setText(form.cbxBaudRate->currentText());
    if (AutoBaudCursor == kDefaultBaudItem) {
        if (AutoPortCursor >= form.FOpenPorts.size()) AutoPortCursor = 0;
        OpenPortNumber(form.FOpenPorts[AutoPortCursor]);
        ++AutoPortCursor;
        form.EditAutoDetectComPort->setText(form.cbxComPort->currentText());
        form.FStaticDataEnd = false;
    }
    if (!LinkProbe(kProbeStaticData)) return;
    AutoBaudCursor = AutoBaudCursor == 0 ? kDefaultBaudItem : AutoBaudCursor - 1;
}

void ConnectionManager::ManualStep() {
    if (form.FLinked) return;
    const std::int32_t t = form.FLinkTicks;
    if (t > kManualTickLimit) {
        Fail(form.FTexts.ManualConnectTimeOut, form.FTexts.Error, MessageIcon::Error);
    } else if (t % kTicksPerSpeed != 1) {
        LinkProbe(kProbeStaticData);
    }
}

bool ConnectionManager::OpenPortNumber(int number) {
    TComm& comm = *form.FComm;
    comm.Close();
    if (comm.Connected()) return false;
    const QString text = QString::number(number);
    const int item = form.cbxComPort->findText(text);
    if (item >= 0) form.cbxComPort->setCurrentIndex(item);
    comm.SetDeviceName(DeviceNameOf(text));
    comm.Open();
    return comm.Connected();
}

// The port's speed for baud item `item` (applied at once when open); an
// unselected list leaves the speed as it is.
void ConnectionManager::SelectBaudItem(int item) {
    if (item < 0 || static_cast<std::size_t>(item) >= BaudListRates.size()) return;
    form.FComm->SetBaudRate(BaudListRates[static_cast<std::size_t>(item)]);
}

void ConnectionManager::StaticDataWatcher(const char* line) {
    switch (form.FLinkState) {
    case kLinkIdle:
        // Only Connect starts an attempt. A line received while idle (after a
        // failed attempt, before the next step disconnects) must not restart it.
        if (line != nullptr) return;
        if (form.FLinked && form.OpenPort->isChecked()) return;
        form.FStaticDataEnd = false;
        form.FLinkState = kLinkProbing;
        form.FLinkTicks = 0;
        break;
    case kLinkProbing:
        if (line == nullptr || form.FLinked) return;
        if (std::strstr(line, kStaticDataEnd) != nullptr) form.FStaticDataEnd = true;
        if (!form.FStaticDataEnd) return;
        form.FLinked = true;
        form.FLinkTicks = 0;
        form.FLinkState = kLinkLinked;
        form.SetLinkControls(true);
        break;
    default:
        break;
    }
}

void ConnectionManager::RadioButtonConnectionModeAutoClick() {
    form.RefreshPorts();
    if (AutoMode()) {
        form.PageControlDetectComPortMode->setCurrentWidget(form.TabSheetAutoConnectComPort);
        form.EditAutoDetectComPort->clear();
        form.EditAutoDetectBaudRate->clear();
    } else {
        // The port list already shows "N/A" or its first item.
        form.PageControlDetectComPortMode->setCurrentWidget(form.TabSheetManualDetectComPort);
        form.cbxBaudRate->setCurrentIndex(kDefaultBaudItem);
    }
}

void ConnectionManager::cbxComPortChange() {
    if (!form.FComm->Connected())
        form.FComm->SetDeviceName(DeviceNameOf(form.cbxComPort->currentText()));
}

void ConnectionManager::cbxBaudRateChange() {
    SelectBaudItem(form.cbxBaudRate->currentIndex());
}

void ConnectionManager::Timer1Timer() {
    ConnectionStep();
    ++form.FLinkTicks;
}

void ConnectionManager::TimerConnectionTimer() {
    if (!form.FLinked) {
        form.FConnectionStatus->Animate();
        return;
    }
    form.FConnectionStatus->ShowConnectionStatus(1, LinkStatus::Connected);
    SetTag(form.TimerConnection, 2);
    form.TimerConnection->stop();
    form.Timer1->stop();
}
