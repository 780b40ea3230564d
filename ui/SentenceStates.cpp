#include "SentenceStates.h"

#include <QLabel>
#include <algorithm>

#include "CttCommand.h"
#include "Dialogs.h"
#include "LayoutHelpers.h"
#include "OutputChecks.h"
#include "OutputSentences.h"
#include "TClickableLabel.h"
#include "TForm1.h"

namespace varo {
namespace {

constexpr std::uint32_t kApplyOutputStatesSubject = 200183;
constexpr std::uint32_t kRestoreDefaultsSubject = 32767;

// Where a tag's state travels: the slot and the power of ten of its digit.
struct StateDigit {
    std::size_t slot;
    std::uint32_t position;
};

// Tags 0 to 24 in order; tag 11 has no digit.
constexpr std::array<StateDigit, kSentenceTagCount> kStateDigits{{
    {0, 100000}, {0, 10000}, {0, 1000}, {0, 100}, {0, 10}, {0, 1}, // GGA GLL GSA GSV RMC VTG
    {1, 100000}, {1, 10000}, {1, 1000}, {1, 100}, {1, 10}, {0, 0}, // ZDA ROT HDT HDG VDM -
    {2, 100000}, {2, 10000}, {2, 1000}, {2, 100}, {2, 10}, {2, 1}, // DSC RSA VHW VLW DPT DBT
    {3, 100000}, {3, 10000}, {3, 1000}, {3, 100}, {3, 10}, {3, 1}, // XTE APB VWR MWV MWD MTW
    {4, 100000},                                                   // VDR
}};
constexpr std::uint8_t kLargestDigit = 9;

const QString kModified = QStringLiteral("Modified successfully");

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

SentenceStateTable UnpackSentenceStates(const OutputIdentifiers& identifiers) {
    SentenceStateTable states{};
    for (std::size_t tag = 0; tag < kSentenceTagCount; ++tag) {
        const StateDigit& digit = kStateDigits[tag];
        if (digit.position == 0) continue;
        states[tag] = static_cast<std::uint8_t>(identifiers[digit.slot] / digit.position % 10);
    }
    return states;
}

OutputIdentifiers PackSentenceStates(const SentenceStateTable& states) {
    OutputIdentifiers identifiers{};
    for (std::size_t tag = 0; tag < kSentenceTagCount; ++tag) {
        const StateDigit& digit = kStateDigits[tag];
        identifiers[digit.slot] += std::min(states[tag], kLargestDigit) * digit.position;
    }
    return identifiers;
}

void SentenceStates::ShowSentenceStates() {
    const varo::DeviceRecord& device = ctt::Record();
    OutputIdentifiers identifiers{};
    for (std::size_t slot = 0; slot < identifiers.size(); ++slot)
        identifiers[slot] = device.cttItems[slot].identifier;
    states = UnpackSentenceStates(identifiers);
    for (const OutputSentence& sentence : kOutputSentences)
        ShowPicture(sentence.tag);
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
    varo::DeviceRecord& device = ctt::Record();
    const OutputIdentifiers identifiers = PackSentenceStates(states);
    for (std::size_t slot = 0; slot < identifiers.size(); ++slot)
        device.cttItems[slot] = {identifiers[slot], 0, 0};
    device.cttMode = ctt::kApply;
    device.cttSubject = kApplyOutputStatesSubject;
    if (ctt::SendCtt(form)) ShowResult(form.Label9, kModified);
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
    if (!ctt::SendCtt(form)) {
        form.Label4->setText(QStringLiteral("Error!!"));
        return;
    }
    ShowResult(form.Label4, kModified);
    form.FOutputChecks->TickAllAndSave();
    for (const OutputSentence& sentence : kOutputSentences) {
        states[static_cast<std::size_t>(sentence.tag)] = 1;
        ShowPicture(sentence.tag);
    }
    ShowResult(form.Label9, kModified);
}

} // namespace varo
