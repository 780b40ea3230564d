// What the device link reads from the window and shows on it (LinkView).
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include "ConnectionManager.h"
#include "ConnectionStatus.h"
#include "DataView.h"
#include "DeviceInfo.h"
#include "OutputChecks.h"
#include "SentenceStates.h"
#include "TForm1.h"
#include "TLabeledEdit.h"
#include "Tag.h"

namespace varo {
namespace {

constexpr int kConfigurationPage = 1;

} // namespace

bool TForm1::AutoMode() const {
    return RadioButtonConnectionModeAuto->isChecked();
}

QString TForm1::ChosenPort() const {
    return cbxComPort->currentText();
}

int TForm1::ChosenBaudItem() const {
    return cbxBaudRate->currentIndex();
}

void TForm1::ShowChosenPort(int number) {
    const int item = cbxComPort->findText(QString::number(number));
    if (item >= 0) cbxComPort->setCurrentIndex(item);
}

void TForm1::ShowChosenBaudItem(int item) {
    cbxBaudRate->setCurrentIndex(item);
}

void TForm1::ShowPorts(const std::vector<std::string>& items, const std::string& selected) {
    cbxComPort->clear();
    for (const std::string& item : items)
        cbxComPort->addItem(QString::fromStdString(item));
    cbxComPort->setCurrentText(QString::fromStdString(selected));
}

void TForm1::ShowConnectionMode(bool automatic) {
    if (automatic) {
        PageControlDetectComPortMode->setCurrentWidget(TabSheetAutoConnectComPort);
        ShowAutoDetect({}, {});
    } else {
        PageControlDetectComPortMode->setCurrentWidget(TabSheetManualDetectComPort);
    }
}

void TForm1::ShowAutoDetect(const QString& port, const QString& baud) {
    EditAutoDetectComPort->setText(port);
    EditAutoDetectBaudRate->setText(baud);
}

void TForm1::ShowConnectButton(bool down) {
    SetTag(OpenPort, down ? 1 : 0);
    OpenPort->setChecked(down);
    OpenPort->setText(OpenPortCaption(down ? 1 : 0));
}

void TForm1::EnableModeControls(bool on) {
    GroupBoxConnectionMode->setEnabled(on);
    RadioButtonConnectionModeAuto->setEnabled(on);
    RadioButtonConnectionModeManual->setEnabled(on);
    cbxComPort->setEnabled(on);
    cbxBaudRate->setEnabled(on);
}

void TForm1::ShowLinkStatus(LinkStatus status) {
    FConnectionStatus->ShowConnectionStatus(status);
}

void TForm1::AnimateConnecting() {
    FConnectionStatus->Animate();
}

void TForm1::ReportFailure(LinkFailure failure, FailureCause cause) {
    // The specified text stays as it is; a second line tells the time-outs apart.
    const auto withCause = [&](const QString& text) {
        switch (cause) {
        case FailureCause::None:
            return text;
        case FailureCause::NothingReceived:
            return text + QLatin1Char('\n') + FTexts.CauseNothingReceived;
        case FailureCause::OtherSpeed:
            return text + QLatin1Char('\n') + FTexts.CauseOtherSpeed;
        case FailureCause::NoStaticDataEnd:
            return text + QLatin1Char('\n') + FTexts.CauseNoStaticDataEnd;
        }
        return text;
    };
    switch (failure) {
    case LinkFailure::NoSerialPortExist:
        ModalMessage(FTexts.NoSerialPortExist, FTexts.Warning, MessageIcon::Warning,
                     MessageButtons::Ok);
        break;
    case LinkFailure::AutoDetectTimeOut:
        ModalMessage(withCause(FTexts.AutoDetectTimeOut), FTexts.Error, MessageIcon::Error,
                     MessageButtons::Ok);
        break;
    case LinkFailure::ManualConnectTimeOut:
        ModalMessage(withCause(FTexts.ManualConnectTimeOut), FTexts.Error, MessageIcon::Error,
                     MessageButtons::Ok);
        break;
    case LinkFailure::PortOpenError:
        ModalMessage(FTexts.PortOpenError, FTexts.Error, MessageIcon::Error, MessageButtons::Ok);
        break;
    case LinkFailure::PortFolderError:
        ModalMessage(FTexts.ErrorBang, QGuiApplication::applicationDisplayName(), MessageIcon::None,
                     MessageButtons::Ok);
        break;
    }
}

void TForm1::ReportPortLost(int number) {
    // The rows stay, greyed as they age: they are what the gateway last said.
    const bool rows = FDataView->RowsInUse() > 0;
    StringGrid1->setVisible(rows);
    Image1->setVisible(!rows);
    FConnectionStatus->ShowNotice(FTexts.PortLost.arg(number), true);
}

void TForm1::ReportReconnecting(int number, int baudItem) {
    FConnectionStatus->ShowNotice(FTexts.Reconnecting.arg(number).arg(BaudItemText(baudItem)),
                                  false);
}

void TForm1::ShowPortNotes(const std::vector<PortNote>& notes) {
    FPortNotes = notes;
    for (int item = 0; item < cbxComPort->count(); ++item) {
        const bool known = static_cast<std::size_t>(item) < notes.size();
        const PortNote note = known ? notes[static_cast<std::size_t>(item)] : PortNote{};
        // The kind of a port without maker and model is the program's own word.
        QString text = note.description == "pseudo-terminal"
                           ? FTexts.PseudoTerminal
                           : QString::fromStdString(note.description);
        if (note.busyPid != 0)
            text += QStringLiteral(" - ") +
                    FTexts.PortBusy.arg(QString::fromStdString(note.busyProgram)).arg(note.busyPid);
        if (note.accessDenied) text += QStringLiteral(" - ") + FTexts.PortDenied;
        cbxComPort->setItemData(item, text, Qt::ToolTipRole);
        // A port another program holds is greyed: it can only be forced.
        if (note.busyPid != 0) cbxComPort->setItemData(item, QColor(Qt::gray), Qt::ForegroundRole);
    }
    ShowChosenPortNote();
}

void TForm1::ShowChosenPortNote() {
    const int item = cbxComPort->currentIndex();
    lblPortNote->setText(item >= 0 ? cbxComPort->itemData(item, Qt::ToolTipRole).toString()
                                   : QString());
    const bool busy = item >= 0 && static_cast<std::size_t>(item) < FPortNotes.size() &&
                      (FPortNotes[static_cast<std::size_t>(item)].busyPid != 0 ||
                       FPortNotes[static_cast<std::size_t>(item)].accessDenied);
    QPalette palette = lblPortNote->palette();
    palette.setColor(QPalette::WindowText, busy ? QColor(0xB0, 0x00, 0x00) : QColor(Qt::black));
    lblPortNote->setPalette(palette);
}

bool TForm1::ConfirmForcedConnect() {
    return ModalMessage(FTexts.CheckPortError, FTexts.Warning, MessageIcon::Warning,
                        MessageButtons::OkCancel) != MessageResult::Cancel;
}

bool TForm1::ConfigurationPageShown() const {
    return PageControlConf->currentIndex() == kConfigurationPage;
}

void TForm1::RunWatchdog(bool on) {
    if (on) {
        PIC_Timer->start();
    } else {
        PIC_Timer->stop();
    }
}

void TForm1::ShowReceivedLine(std::string_view line, LineDrop drop) {
    // The hidden echo is filled from the data view's raw monitor at its repaint.
    FDataView->ShowRawLine(line, drop);
}

void TForm1::ShowSentence(const char* line) {
    FDataView->ShowSentence(line);
}

void TForm1::ShowStaticData(const ProductInfo& info) {
    FDeviceInfo->ShowStaticData(info);
}

} // namespace varo
