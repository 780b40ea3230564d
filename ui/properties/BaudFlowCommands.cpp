#include "BaudFlowCommands.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <array>
#include <cstdlib>
#include <memory>

#include "ConnectionManager.h"
#include "DeviceInfo.h"
#include "DeviceLink.h"
#include "Dialogs.h"
#include "TForm1.h"
#include "comm/TermiosBuilder.h"
#include "comm/ThreadComm.h"
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
constexpr const char* kNmeaBaudKey = "NMEA Baud Rate";
constexpr const char* kFlowRateKey = "Time Interval sec";

// The first pair of the DBG fields carries the command; the other pairs are
// written as empty fields, so that no stray setting reaches the gateway. The
// plain form has no command letter.
void SetDbgCommand(std::int16_t command, std::int32_t value) {
    varo::DeviceRecord& device = varo::ProgramSentenceStore().device;
    device.dbgPairs.codes[0] = command;
    device.dbgPairs.values[0] = value;
    for (std::size_t pair = 1; pair < 4; ++pair) {
        device.dbgPairs.codes[pair] = varo::kNoDbgCode;
        device.dbgPairs.values[pair] = varo::kNoDbgValue;
    }
    device.dbgCommandChar = 0;
}

// The item of cbxBaudRate for `rate`, -1 when it has none.
int BaudItemOf(std::uint32_t rate) {
    for (std::size_t item = 0; item < BaudListRates.size(); ++item) {
        if (BaudRateValue(BaudListRates[item]) == rate) return static_cast<int>(item);
    }
    return -1;
}

} // namespace

std::int32_t NmeaBaudRateCode(int baudRate) {
    for (const BaudRateCode& row : kBaudRateCodes) {
        if (row.baudRate == baudRate) return row.code;
    }
    return kBaudRateCodes.front().code;
}

ReplyWait::Check StaticBlockCheck(const char* key, std::string expected,
                                  std::shared_ptr<std::string> reported) {
    reported->clear();
    return [key, expected = std::move(expected), reported](std::string_view line) {
        std::string_view value;
        if (ReadStaticValue(line, key, value)) reported->assign(value);
        if (!IsStaticDataEnd(line)) return LineVerdict::Pending;
        if (expected.empty() || *reported == expected) return LineVerdict::Matched;
        // A block whose line was lost (garbled right after a speed change)
        // says nothing either way: the probe is sent again at the deadline.
        return reported->empty() ? LineVerdict::Pending : LineVerdict::Different;
    };
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
    idleCaption = form.spbBaudRate->text();
    form.spbBaudRate->setText(form.FTexts.ApplyBaudRate);
    form.Label2->show();
    form.cbxBaud_NMEA->show();
    form.baudChangeArmed = true;
}

void BaudFlowCommands::DisarmBaudChange() {
    form.baudChangeArmed = false;
    form.spbBaudRate->setText(idleCaption);
    form.Label2->hide();
    form.cbxBaud_NMEA->hide();
}

void BaudFlowCommands::SendBaudChange() {
    if (form.cbxBaud_NMEA->currentIndex() < 0) return;
    bool whole = false;
    const int chosen = form.cbxBaud_NMEA->currentText().trimmed().toInt(&whole);
    // Text that is no whole number matches no row either: the first row's rate.
    const std::int32_t code = NmeaBaudRateCode(whole ? chosen : 0);
    std::uint32_t newRate = 0;
    for (const BaudRateCode& row : kBaudRateCodes) {
        if (row.code == code) newRate = static_cast<std::uint32_t>(row.baudRate);
    }
    DeviceLink& link = *form.FLink;
    const std::uint32_t oldRate = BaudRateValue(link.FComm->BaudRate());
    const UiTexts& texts = form.FTexts;
    if (newRate == oldRate) {
        DisarmBaudChange();
        ModalMessage(texts.BaudRateAlreadyUsed.arg(newRate), form.FTexts.MessageCaption,
                     MessageIcon::None, MessageButtons::Ok);
        return;
    }
    SetDbgCommand(kBaudRateCommand, code);
    // The echo of the new rate at the old speed ends the first wait early; a
    // gateway that sends none is followed after the base time all the same.
    const std::string echo = std::to_string(newRate);
    auto checkEcho = [echo](std::string_view line) {
        std::string_view value;
        return ReadStaticValue(line, kNmeaBaudKey, value) && value == echo ? LineVerdict::Matched
                                                                           : LineVerdict::Pending;
    };
    auto follow = [this, oldRate, newRate](ReplyOutcome) {
        ProbeAt(newRate, newRate, [this, oldRate, newRate](ReplyOutcome outcome) {
            BaudAnswered(outcome, oldRate, newRate);
        });
    };
    // A failed send has told the user; the chooser stays as it is.
    if (!link.FReplyWait.Start([this](int) { return form.SendCommand("P", "DBG"); },
                               std::move(checkEcho), std::move(follow), link.FReplyWait.Base, 0))
        return;
    DisarmBaudChange();
    form.spbBaudRate->setEnabled(false);
}

void BaudFlowCommands::ProbeAt(std::uint32_t rate, std::uint32_t expected, ReplyWait::Done done) {
    DeviceLink& link = *form.FLink;
    const int item = BaudItemOf(rate);
    if (item >= 0) {
        form.ShowChosenBaudItem(item);
        link.FComm->SetBaudRate(BaudListRates[static_cast<std::size_t>(item)]);
        // A part line received at the other speed is noise at this one.
        link.FRxLine = LineAssembler{};
    }
    auto reported = std::make_shared<std::string>();
    auto check = StaticBlockCheck(kNmeaBaudKey, expected ? std::to_string(expected) : "", reported);
    if (!link.FReplyWait.Start([this](int) { return form.LinkProbe(kProbeStaticData); },
                               std::move(check), std::move(done), link.FReplyWait.DeadlineAt(rate)))
        form.spbBaudRate->setEnabled(link.ConnectPressed());
}

void BaudFlowCommands::BaudAnswered(ReplyOutcome outcome, std::uint32_t oldRate,
                                    std::uint32_t newRate) {
    const UiTexts& texts = form.FTexts;
    if (outcome == ReplyOutcome::Matched) {
        form.spbBaudRate->setEnabled(true);
        ModalMessage(QStringLiteral("%1\n%2").arg(texts.DeviceBaudRateHasBeenChanged,
                                                  texts.LinkBackAtNewRate.arg(newRate)),
                     texts.BaudRateChanged, MessageIcon::None, MessageButtons::Ok);
        return;
    }
    // Not at the new rate: is the gateway still at the old one?
    ProbeAt(oldRate, 0, [this, oldRate, newRate](ReplyOutcome atOld) {
        const UiTexts& texts = form.FTexts;
        if (atOld != ReplyOutcome::NoAnswer) {
            form.spbBaudRate->setEnabled(true);
            ModalMessage(texts.BaudRateNotTaken.arg(oldRate), form.FTexts.MessageCaption,
                         MessageIcon::Warning, MessageButtons::Ok);
            return;
        }
        ModalMessage(texts.BaudLinkLost.arg(newRate).arg(oldRate), texts.Error, MessageIcon::Error,
                     MessageButtons::Ok);
        // The Connect button, down, disconnects.
        if (form.FLink->ConnectPressed()) form.OpenPortClick();
    });
}

void BaudFlowCommands::SetFlowRate() {
    bool whole = false;
    const int seconds = form.Edit1->text().trimmed().toInt(&whole);
    if (!whole || seconds < 0 || seconds > kMaxFlowRate) {
        // The box goes back to what the gateway reported.
        form.Edit1->setText(QString::number(form.FDeviceInfo->Info().flowRateSeconds));
        ModalMessage(form.FTexts.OutOfRange, form.FTexts.MessageCaption, MessageIcon::Exclamation,
                     MessageButtons::Ok);
        return;
    }
    SetDbgCommand(kFlowRateCommand, seconds);
    DeviceLink& link = *form.FLink;
    auto send = [this](int attempt) {
        if (attempt == 0 && !form.SendCommand("P", "DBG")) return false;
        return form.LinkProbe(kProbeStaticData);
    };
    auto reported = std::make_shared<std::string>();
    auto check = StaticBlockCheck(kFlowRateKey, std::to_string(seconds), reported);
    link.FReplyWait.Start(
        std::move(send), std::move(check),
        [this, reported](ReplyOutcome outcome) {
            FlowRateAnswered(outcome, std::atoi(reported->c_str()));
        },
        link.FReplyWait.DeadlineAt(BaudRateValue(link.FComm->BaudRate())));
}

void BaudFlowCommands::FlowRateAnswered(ReplyOutcome outcome, int reported) {
    switch (outcome) {
    case ReplyOutcome::Matched:
        ModalMessage(form.FTexts.ChangeSuccessfully, form.FTexts.MessageCaption, MessageIcon::None,
                     MessageButtons::Ok);
        break;
    case ReplyOutcome::Different:
        ModalMessage(form.FTexts.FlowRateNotTaken.arg(reported), form.FTexts.MessageCaption,
                     MessageIcon::Warning, MessageButtons::Ok);
        break;
    case ReplyOutcome::NoAnswer:
        ModalMessage(form.FTexts.NoAnswer, form.FTexts.MessageCaption, MessageIcon::Warning,
                     MessageButtons::Ok);
        break;
    }
}

} // namespace varo
