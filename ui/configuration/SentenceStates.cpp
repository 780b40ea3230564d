#include "SentenceStates.h"

#include <QLabel>
#include <QPalette>
#include <QStringList>
#include <algorithm>

#include "CttCommand.h"
#include "DeviceLink.h"
#include "Dialogs.h"
#include "LayoutHelpers.h"
#include "OutputChecks.h"
#include "OutputSentences.h"
#include "TClickableLabel.h"
#include "TForm1.h"

namespace varo {
namespace {

constexpr std::uint32_t kRestoreDefaultsSubject = 32767;
constexpr std::uint8_t kLargestDigit = 9;

void ShowResult(QLabel* label, const QString& text) {
    SetTextColour(label, kResultGreen);
    label->setText(text);
}

const OutputSentence* SentenceOfTag(int tag) {
    const auto found =
        std::find_if(kOutputSentences.begin(), kOutputSentences.end(),
                     [tag](const OutputSentence& sentence) { return sentence.tag == tag; });
    return found == kOutputSentences.end() ? nullptr : &*found;
}

} // namespace

void SentenceStates::ShowSentenceStates() {
    const varo::DeviceRecord& device = ctt::Record();
    OutputIdentifiers identifiers{};
    for (std::size_t slot = 0; slot < identifiers.size(); ++slot)
        identifiers[slot] = device.cttItems[slot].identifier;
    TakeStates(identifiers);
}

void SentenceStates::TakeStates(const OutputIdentifiers& identifiers) {
    states = UnpackSentenceStates(identifiers);
    bool allKnown = true;
    for (const OutputSentence& sentence : kOutputSentences) {
        const auto tag = static_cast<std::size_t>(sentence.tag);
        known[tag] = identifiers[SentenceStateSlot(sentence.tag)] != ctt::kNoOutput;
        // An unknown state shows the picture of an unusual state.
        if (!known[tag]) states[tag] = kLargestDigit;
        allKnown = allKnown && known[tag];
        ShowPicture(sentence.tag);
    }
    if (!allKnown) ShowMessage(form.Label9, form.FTexts.OutputStatesUnknown);
}

void SentenceStates::ShowMessage(QLabel* label, const QString& text) {
    SetTextColour(label, form.palette().color(QPalette::WindowText));
    label->setText(text);
}

void SentenceStates::ShowNoAnswer() {
    form.FLink->WaitingForReply = false;
    ShowMessage(form.Label9, form.FTexts.NoAnswer);
}

void SentenceStates::ToggleSentence(int tag) {
    if (SentenceOfTag(tag) == nullptr) return;
    std::uint8_t& state = states[static_cast<std::size_t>(tag)];
    state = state == 0 ? 1 : 0;
    known[static_cast<std::size_t>(tag)] = true;
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
    for (const OutputSentence& sentence : kOutputSentences) {
        // States the gateway did not report must not be sent back as if it had.
        if (!known[static_cast<std::size_t>(sentence.tag)]) {
            ShowMessage(form.Label9, form.FTexts.OutputStatesUnknown);
            return;
        }
    }
    varo::DeviceRecord& device = ctt::Record();
    const OutputIdentifiers identifiers = PackSentenceStates(states);
    for (std::size_t slot = 0; slot < identifiers.size(); ++slot)
        device.cttItems[slot] = {identifiers[slot], 0, 0};
    device.cttMode = ctt::kApply;
    device.cttSubject = kApplyOutputStatesItem;
    auto accept = [identifiers](const CttFields& answer) {
        for (std::size_t slot = 0; slot < identifiers.size(); ++slot) {
            if (static_cast<std::uint32_t>(answer.items[slot].identifier) != identifiers[slot])
                return false;
        }
        return true;
    };
    const SentenceStateTable sent = states;
    ctt::ChangeAndReadBack(form, kOutputStatesItem, accept,
                           [this, sent](ReplyOutcome outcome, const CttFields& answer) {
                               ApplyAnswered(outcome, answer, sent);
                           });
}

namespace {

OutputIdentifiers IdentifiersOf(const CttFields& answer) {
    OutputIdentifiers identifiers{};
    for (std::size_t slot = 0; slot < identifiers.size(); ++slot)
        identifiers[slot] = static_cast<std::uint32_t>(answer.items[slot].identifier);
    return identifiers;
}

} // namespace

void SentenceStates::ApplyAnswered(ReplyOutcome outcome, const CttFields& answer,
                                   const SentenceStateTable& sent) {
    if (outcome == ReplyOutcome::NoAnswer) {
        ShowMessage(form.Label9, form.FTexts.NoAnswer);
        return;
    }
    // What the gateway now reports is what the panel shows.
    TakeStates(IdentifiersOf(answer));
    if (outcome == ReplyOutcome::Matched) {
        ShowResult(form.Label9, form.FTexts.ModifiedSuccessfully);
        return;
    }
    QStringList names;
    for (const OutputSentence& sentence : kOutputSentences) {
        const auto tag = static_cast<std::size_t>(sentence.tag);
        if (states[tag] != sent[tag]) names << QString::fromLatin1(sentence.code);
    }
    ShowMessage(form.Label9, form.FTexts.NotTaken.arg(names.join(QStringLiteral(", "))));
}

void SentenceStates::RestoreDefaults() {
    if (ModalMessage(QStringLiteral("This will set all messages to default filtering "
                                    "settings.Would you like to proceed?"),
                     form.FTexts.Warning, MessageIcon::Exclamation,
                     MessageButtons::YesNo) != MessageResult::Yes) {
        return;
    }
    varo::DeviceRecord& device = ctt::Record();
    device.cttMode = ctt::kChange;
    device.cttSubject = kRestoreDefaultsSubject;
    for (varo::CttItemEntry& item : device.cttItems)
        item.identifier = ctt::kNoOutput;
    // The restored selection must be reported in full to count as an answer.
    auto accept = [](const CttFields& answer) {
        for (const CttItem& item : answer.items) {
            if (item.identifier == static_cast<std::int32_t>(ctt::kNoOutput)) return false;
        }
        return true;
    };
    if (!ctt::ChangeAndReadBack(form, kOutputStatesItem, accept,
                                [this](ReplyOutcome outcome, const CttFields& answer) {
                                    DefaultsAnswered(outcome, answer);
                                })) {
        form.Label4->setText(form.FTexts.ResultError);
        return;
    }
    form.Label4->clear();
    form.Label9->clear();
}

void SentenceStates::DefaultsAnswered(ReplyOutcome outcome, const CttFields& answer) {
    if (outcome == ReplyOutcome::NoAnswer) {
        ShowMessage(form.Label4, form.FTexts.NoAnswer);
        ShowMessage(form.Label9, form.FTexts.NoAnswer);
        return;
    }
    TakeStates(IdentifiersOf(answer));
    if (outcome != ReplyOutcome::Matched) {
        form.Label4->setText(form.FTexts.ResultError);
        return;
    }
    ShowResult(form.Label4, form.FTexts.ModifiedSuccessfully);
    form.FOutputChecks->TickAllAndSave();
    ShowResult(form.Label9, form.FTexts.ModifiedSuccessfully);
}

} // namespace varo
