#include "OutputChecks.h"

#include <QCheckBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStringList>

#include "DeviceLink.h"
#include "LayoutHelpers.h"
#include "MessageCatalog.h"
#include "TForm1.h"
#include "config/ConversionMap.h"
#include "config/FilterCatalog.h"

namespace varo {
namespace {

const FilterInput* InputOf(std::int32_t id) {
    for (bool nmea0183 : {true, false}) {
        for (const FilterInput& input : FilterInputs(nmea0183))
            if (input.input == id) return &input;
    }
    return nullptr;
}

} // namespace

OutputChecks::OutputChecks(TForm1& form)
    : form(form), boxes{form.CheckBox1, form.CheckBox2, form.CheckBox3, form.CheckBox4,
                        form.CheckBox5, form.CheckBox6, form.CheckBox7} {}

void OutputChecks::ShowOutputChecks(bool on) {
    form.Button1->setEnabled(on);
    form.Button1->setVisible(on);
    for (QCheckBox* box : boxes) {
        if (!on) box->hide();
        box->setEnabled(on);
    }
    for (QLabel* label : {form.Label4, form.Label3, form.Label5})
        label->setVisible(on);
}

void OutputChecks::ShowItem(std::int32_t id) {
    ShowOutputChecks(false);
    for (QLabel* label : {form.Label4, form.Label3, form.Label5})
        label->show();
    shownId = id;
    form.Label3->setText(form.FTexts.MsgNameOf.arg(MessageDescription(form.FTexts, id)));
    form.Label5->setText(QStringLiteral("(%1)").arg(MessageCode(id)));
    form.Label4->clear();
    outputs = {};
    const FilterInput* input = InputOf(id);
    shownBoxes = input == nullptr ? 0 : std::min(input->outputs.size(), kBoxCount);
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        Box(i)->setChecked(false);
        if (i < shownBoxes) {
            ShowBox(i, input->outputs[i]);
        } else {
            Box(i)->hide();
        }
    }
    savedChecks = {};
    if (input == nullptr) return;
    form.FLink->Ask(GatewayRequest::QueryFilter(id),
                    [this](const GatewayOutcome& outcome) { Answered(outcome); });
}

void OutputChecks::ShowReport(const FilterReport& report) {
    if (report.input != shownId) return;
    for (std::size_t i = 0; i < shownBoxes && i < report.flags.size(); ++i) {
        Box(i)->setChecked(report.flags[i] == 1);
        savedChecks[i] = report.flags[i] == 1;
    }
    ShowOutputChecks(true);
    for (std::size_t i = shownBoxes; i < kBoxCount; ++i)
        Box(i)->hide();
}

QString OutputChecks::BoxCaption(std::int32_t output) const {
    if (output == varo::ConversionAll) return form.FTexts.AllAisMessages;
    if (MessageIndex(output) < varo::SentenceDescriptionTable.size())
        return QStringLiteral("%1:%2").arg(MessageCode(output),
                                           MessageDescription(form.FTexts, output));
    return QString::number(output);
}

void OutputChecks::ShowTexts() {
    if (shownId != 0)
        form.Label3->setText(form.FTexts.MsgNameOf.arg(MessageDescription(form.FTexts, shownId)));
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (outputs[i] != 0) boxes[i]->setText(BoxCaption(outputs[i]));
    }
}

void OutputChecks::ShowBox(std::size_t index, std::int32_t output) {
    QCheckBox* box = Box(index);
    box->show();
    outputs[index] = output;
    box->setText(BoxCaption(output));
    if (output == varo::ConversionAll) form.DefaultButton->setEnabled(false);
}

void OutputChecks::ShowMessage(const QString& text) {
    SetTextColour(form.Label4, form.palette().color(QPalette::WindowText));
    form.Label4->show();
    form.Label4->setText(text);
}

void OutputChecks::ShowSuccess(const QString& text) {
    SetTextColour(form.Label4, kResultGreen);
    form.Label4->show();
    form.Label4->setText(text);
}

void OutputChecks::ApplyOutputSelection() {
    promptArmed = false;
    form.Label4->clear();
    if (form.FLink->Engine().ConfigReceived(shownId) == nullptr) {
        ShowSuccess(form.FTexts.ConnectFail);
        return;
    }
    std::vector<std::uint8_t> flags;
    for (std::size_t i = 0; i < shownBoxes; ++i)
        flags.push_back(Box(i)->isChecked() ? 1 : 0);
    form.FLink->Ask(GatewayRequest::ChangeFilter(shownId, std::move(flags)),
                    [this](const GatewayOutcome& outcome) { Answered(outcome); });
}

void OutputChecks::Answered(const GatewayOutcome& outcome) {
    if (outcome.filter.input != 0 && outcome.filter.input != shownId) return;
    const UiTexts& texts = form.FTexts;
    switch (outcome.outcome) {
    case Outcome::Confirmed:
        ShowReport(outcome.filter);
        if (outcome.request == GatewayRequest::Kind::ChangeFilter)
            ShowSuccess(texts.ModifiedSuccessfully);
        return;
    case Outcome::NotTaken:
        ShowReport(outcome.filter);
        ShowMessage(texts.NotTaken.arg(OutputNames(outcome.filterDiffers)));
        return;
    case Outcome::Refused:
        ShowMessage(outcome.refusal == Refusal::NothingToChange ? texts.NothingToChange
                                                                : texts.ConnectFail);
        return;
    case Outcome::NoAnswer:
        ShowMessage(texts.NoAnswer);
        return;
    case Outcome::PortLost:
        // The link has told the user; no result stands for the request.
        form.Label4->clear();
        return;
    }
}

QString OutputChecks::OutputNames(const std::vector<std::size_t>& indices) const {
    QStringList names;
    for (std::size_t output : indices)
        if (output < shownBoxes) names << Box(output)->text();
    return names.join(QStringLiteral(", "));
}

void OutputChecks::ShowDefaults(const GatewayOutcome& outcome) {
    if (!outcome.filter.outputs.empty()) ShowReport(outcome.filter);
    if (outcome.outcome == Outcome::Confirmed) {
        ShowSuccess(form.FTexts.ModifiedSuccessfully);
    } else if (!outcome.filterDiffers.empty()) {
        ShowMessage(form.FTexts.NotTaken.arg(OutputNames(outcome.filterDiffers)));
    } else {
        ShowMessage(form.FTexts.ResultError);
    }
}

bool OutputChecks::ShouldAskToSave() const {
    if (!promptArmed) return false;
    for (std::size_t i = 0; i < shownBoxes; ++i)
        if (Box(i)->isChecked() != savedChecks[i] && Box(i)->isEnabled()) return true;
    return false;
}

} // namespace varo
