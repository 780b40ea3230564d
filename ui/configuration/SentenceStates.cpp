#include "SentenceStates.h"

#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QStringList>
#include <algorithm>

#include "DeviceLink.h"
#include "Dialogs.h"
#include "LayoutHelpers.h"
#include "OutputChecks.h"
#include "OutputSentences.h"
#include "TClickableLabel.h"
#include "TForm1.h"

namespace varo {
namespace {

// The digit that stands for a state nobody knows: the picture of an unusual
// state, and a state the engine refuses to send.
constexpr std::uint8_t kUnknownState = 9;

const OutputSentence* SentenceOfTag(int tag) {
    const auto found =
        std::find_if(kOutputSentences.begin(), kOutputSentences.end(),
                     [tag](const OutputSentence& sentence) { return sentence.tag == tag; });
    return found == kOutputSentences.end() ? nullptr : &*found;
}

QString SentenceNames(const std::vector<int>& tags) {
    QStringList names;
    for (int tag : tags)
        if (const OutputSentence* sentence = SentenceOfTag(tag))
            names << QString::fromLatin1(sentence->code);
    return names.join(QStringLiteral(", "));
}

} // namespace

void SentenceStates::AskSentenceStates() {
    form.FLink->Ask(GatewayRequest::QueryOutputs(),
                    [this](const GatewayOutcome& outcome) { Answered(outcome); });
}

void SentenceStates::ShowReport(const OutputReport& report) {
    form.All0183MsgGroup->setEnabled(true);
    bool allKnown = true;
    for (const OutputSentence& sentence : kOutputSentences) {
        const auto tag = static_cast<std::size_t>(sentence.tag);
        states[tag] = report.known[tag] ? report.states[tag] : kUnknownState;
        allKnown = allKnown && report.known[tag];
        ShowPicture(sentence.tag);
    }
    if (!allKnown) ShowMessage(form.Label9, form.FTexts.OutputStatesUnknown);
}

void SentenceStates::ShowMessage(QLabel* label, const QString& text) {
    SetTextColour(label, form.palette().color(QPalette::WindowText));
    label->setText(text);
}

void SentenceStates::ShowSuccess(QLabel* label, const QString& text) {
    SetTextColour(label, kResultGreen);
    label->setText(text);
}

void SentenceStates::ToggleSentence(int tag) {
    if (SentenceOfTag(tag) == nullptr) return;
    std::uint8_t& state = states[static_cast<std::size_t>(tag)];
    state = state == 0 ? 1 : 0;
    ShowPicture(tag);
}

// A reported digit that the image list has no picture for shows its last
// picture, the one for an unusual state.
void SentenceStates::ShowPicture(int tag) {
    const OutputSentence* sentence = SentenceOfTag(tag);
    if (sentence == nullptr || form.ImageList2.empty()) return;
    const std::size_t image =
        std::min<std::size_t>(states[static_cast<std::size_t>(tag)], form.ImageList2.size() - 1);
    (form.*sentence->picture)->setPixmap(form.ImageList2[image]);
}

void SentenceStates::ApplySentenceStates() {
    form.Label9->clear();
    form.FLink->Ask(GatewayRequest::ChangeOutputs(states),
                    [this](const GatewayOutcome& outcome) { Answered(outcome); });
}

void SentenceStates::Answered(const GatewayOutcome& outcome) {
    const UiTexts& texts = form.FTexts;
    switch (outcome.outcome) {
    case Outcome::Confirmed:
        ShowReport(outcome.outputs);
        if (outcome.request == GatewayRequest::Kind::ChangeOutputs)
            ShowSuccess(form.Label9, texts.ModifiedSuccessfully);
        return;
    case Outcome::NotTaken:
        // What the gateway now reports is what the panel shows.
        ShowReport(outcome.outputs);
        ShowMessage(form.Label9, texts.NotTaken.arg(SentenceNames(outcome.outputDiffers)));
        return;
    case Outcome::Refused:
        ShowMessage(form.Label9, outcome.refusal == Refusal::NothingToChange
                                     ? texts.NothingToChange
                                     : texts.OutputStatesUnknown);
        return;
    case Outcome::NoAnswer:
        ShowMessage(form.Label9, texts.NoAnswer);
        return;
    case Outcome::PortLost:
        // The link has told the user; no result stands for the request.
        form.Label9->clear();
        return;
    }
}

void SentenceStates::RestoreDefaults() {
    if (ModalMessage(form.FTexts.DefaultQuestion, form.FTexts.Warning, MessageIcon::Exclamation,
                     MessageButtons::YesNo) != MessageResult::Yes) {
        return;
    }
    form.Label4->clear();
    form.Label9->clear();
    form.FLink->Ask(GatewayRequest::RestoreDefaults(form.FOutputChecks->ShownId()),
                    [this](const GatewayOutcome& outcome) { DefaultsAnswered(outcome); });
}

void SentenceStates::DefaultsAnswered(const GatewayOutcome& outcome) {
    const UiTexts& texts = form.FTexts;
    if (outcome.outcome == Outcome::PortLost) return;
    if (outcome.outcome == Outcome::NoAnswer) {
        ShowMessage(form.Label4, texts.NoAnswer);
        ShowMessage(form.Label9, texts.NoAnswer);
        return;
    }
    ShowReport(outcome.outputs);
    if (outcome.outputDiffers.empty())
        ShowSuccess(form.Label9, texts.ModifiedSuccessfully);
    else
        ShowMessage(form.Label9, texts.NotTaken.arg(SentenceNames(outcome.outputDiffers)));
    form.FOutputChecks->ShowDefaults(outcome);
}

} // namespace varo
