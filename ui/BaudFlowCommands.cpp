#include "BaudFlowCommands.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <array>

#include "Dialogs.h"
#include "TForm1.h"
#include "config/SentenceStore.h"
#include "sentence/SentenceRecord.h"

namespace varo {
namespace {

struct BaudRateCode {
    int baudRate;
    std::int32_t code;
};
// Searched in this order; the first row stands in for an unknown rate.
constexpr std::array<BaudRateCode, 3> kBaudRateCodes{{{38400, 2}, {9600, 4}, {4800, 5}}};

// The caption spbBaudRate shows between its two presses.
const QString kApplyCaption = QStringLiteral("Apply");
const QString kMessageCaption = QStringLiteral("Message");

// The first pair of the DBG fields carries the command; the plain form has
// no command letter.
void SetDbgCommand(std::int16_t command, std::int32_t value) {
    varo::DeviceRecord& device = varo::ProgramSentenceStore().device;
    device.dbgPairs.codes[0] = command;
    device.dbgPairs.values[0] = value;
    device.dbgCommandChar = 0;
}

} // namespace

std::int32_t NmeaBaudRateCode(int baudRate) {
    for (const BaudRateCode& row : kBaudRateCodes) {
        if (row.baudRate == baudRate) return row.code;
    }
    return kBaudRateCodes.front().code;
}

void BaudFlowCommands::ChangeNmeaBaudRate() {
    if (!form.baudChangeArmed) {
        ArmBaudChange();
        return;
    }
    SendBaudChange();
    form.spbBaudRate->setChecked(false);
}

void BaudFlowCommands::ArmBaudChange() {
    form.spbBaudRate->setText(kApplyCaption);
    form.Label2->show();
    form.cbxBaud_NMEA->show();
    form.baudChangeArmed = true;
}

void BaudFlowCommands::SendBaudChange() {
    if (form.cbxBaud_NMEA->currentIndex() < 0) return;
    bool whole = false;
    const int baudRate = form.cbxBaud_NMEA->currentText().trimmed().toInt(&whole);
    // Text that is no whole number matches no row either.
    SetDbgCommand(kBaudRateCommand, NmeaBaudRateCode(whole ? baudRate : 0));
    // The other pairs are written as empty fields.
    varo::DbgPairs& pairs = varo::ProgramSentenceStore().device.dbgPairs;
    for (std::size_t pair = 1; pair < 4; ++pair) {
        pairs.codes[pair] = varo::kNoDbgCode;
        pairs.values[pair] = varo::kNoDbgValue;
    }
    // A failed send has told the user; the chooser stays as it is.
    if (!form.SendCommand("P", "DBG")) return;

    // The gateway now talks at the new rate: this link is over.
    form.OpenPort->setChecked(false);
    form.SetLinkControls(false);
    const UiTexts& texts = form.FTexts;
    ModalMessage(QStringLiteral("%1\n%2").arg(texts.DeviceBaudRateHasBeenChanged,
                                              texts.PleaseChangePcBaudRateInAccordance),
                 texts.BaudRateChanged, MessageIcon::None, MessageButtons::Ok);
    form.OpenPortClick();
}

void BaudFlowCommands::SetFlowRate() {
    bool whole = false;
    const int seconds = form.Edit1->text().trimmed().toInt(&whole);
    if (!whole || seconds < 0 || seconds > kMaxFlowRate) {
        form.Edit1->setText(QString::number(kMaxFlowRate));
        ModalMessage(QStringLiteral("Out of range!!"), kMessageCaption, MessageIcon::Exclamation,
                     MessageButtons::Ok);
        return;
    }
    // Pairs 2 to 4 go out as the record holds them.
    SetDbgCommand(kFlowRateCommand, seconds);
    if (!form.SendCommand("P", "DBG")) return;
    ModalMessage(QStringLiteral("Change successfully!!"), kMessageCaption, MessageIcon::None,
                 MessageButtons::Ok);
}

} // namespace varo
