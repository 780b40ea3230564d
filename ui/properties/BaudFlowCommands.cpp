#include "BaudFlowCommands.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "DeviceInfo.h"
#include "DeviceLink.h"
#include "Dialogs.h"
#include "TForm1.h"
#include "gateway/Protocol.h"
#include "gateway/StaticData.h"

namespace varo {

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
    // Text that is no rate of the gateway's stands for its first rate.
    std::uint32_t newRate = protocol::kBaudCodes.front().baud;
    if (whole && chosen > 0 && protocol::BaudRateCode(static_cast<std::uint32_t>(chosen)))
        newRate = static_cast<std::uint32_t>(chosen);
    const std::uint32_t oldRate = form.FLink->Engine().BaudRate();
    DisarmBaudChange();
    form.spbBaudRate->setEnabled(false);
    form.FLink->Ask(GatewayRequest::SetBaudRate(newRate),
                    [this, oldRate, newRate](const GatewayOutcome& outcome) {
                        BaudAnswered(outcome, oldRate, newRate);
                    });
}

void BaudFlowCommands::BaudAnswered(const GatewayOutcome& outcome, std::uint32_t oldRate,
                                    std::uint32_t newRate) {
    const UiTexts& texts = form.FTexts;
    form.spbBaudRate->setEnabled(true);
    switch (outcome.outcome) {
    case Outcome::Confirmed:
        ModalMessage(QStringLiteral("%1\n%2").arg(texts.DeviceBaudRateHasBeenChanged,
                                                  texts.LinkBackAtNewRate.arg(newRate)),
                     texts.BaudRateChanged, MessageIcon::None, MessageButtons::Ok);
        return;
    case Outcome::NotTaken:
        ModalMessage(texts.BaudRateNotTaken.arg(outcome.baud), texts.MessageCaption,
                     MessageIcon::Warning, MessageButtons::Ok);
        return;
    case Outcome::Refused:
        ModalMessage(texts.BaudRateAlreadyUsed.arg(newRate), texts.MessageCaption,
                     MessageIcon::None, MessageButtons::Ok);
        return;
    case Outcome::PortLost:
        // The link has told the user.
        return;
    case Outcome::NoAnswer:
        ModalMessage(texts.BaudLinkLost.arg(newRate).arg(oldRate), texts.Error, MessageIcon::Error,
                     MessageButtons::Ok);
        // The Connect button, down, disconnects.
        if (form.FLink->ConnectPressed()) form.OpenPortClick();
        return;
    }
}

void BaudFlowCommands::ShowReportedFlowRate() {
    form.Edit1->setText(QString::number(form.FDeviceInfo->Info().flowRateSeconds));
}

void BaudFlowCommands::SetFlowRate() {
    bool whole = false;
    const int seconds = form.Edit1->text().trimmed().toInt(&whole);
    if (!whole || seconds < protocol::kMinFlowRate || seconds > protocol::kMaxFlowRate) {
        ShowReportedFlowRate();
        ModalMessage(form.FTexts.OutOfRange, form.FTexts.MessageCaption, MessageIcon::Exclamation,
                     MessageButtons::Ok);
        return;
    }
    form.Button2->setEnabled(false);
    form.FLink->Ask(GatewayRequest::SetFlowRate(seconds),
                    [this](const GatewayOutcome& outcome) { FlowRateAnswered(outcome); });
}

void BaudFlowCommands::FlowRateAnswered(const GatewayOutcome& outcome) {
    const UiTexts& texts = form.FTexts;
    form.Button2->setEnabled(true);
    switch (outcome.outcome) {
    case Outcome::Confirmed:
        ModalMessage(texts.ChangeSuccessfully, texts.MessageCaption, MessageIcon::None,
                     MessageButtons::Ok);
        return;
    case Outcome::NotTaken:
        ModalMessage(texts.FlowRateNotTaken.arg(outcome.info.flowRateSeconds), texts.MessageCaption,
                     MessageIcon::Warning, MessageButtons::Ok);
        return;
    case Outcome::Refused:
        ModalMessage(texts.NothingToChange, texts.MessageCaption, MessageIcon::None,
                     MessageButtons::Ok);
        return;
    case Outcome::PortLost:
        // The link has told the user.
        ShowReportedFlowRate();
        return;
    case Outcome::NoAnswer:
        ShowReportedFlowRate();
        ModalMessage(outcome.missing != 0 ? texts.StaticDataUnreadable.arg(QString::fromStdString(
                                                StaticValueNames(outcome.missing)))
                                          : texts.NoAnswer,
                     texts.MessageCaption, MessageIcon::Warning, MessageButtons::Ok);
        return;
    }
}

} // namespace varo
