#include "OutputChecks.h"

#include <QCheckBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStringList>

#include "CttCommand.h"
#include "DeviceLink.h"
#include "LayoutHelpers.h"
#include "MessageCatalog.h"
#include "TForm1.h"
#include "config/ConversionMap.h"
#include "config/FilterCatalog.h"

namespace varo {
namespace {

constexpr std::int32_t kRmcItem = 200005;
constexpr std::int32_t kRmcContinuation = kRmcContinuationItem;
constexpr std::int32_t kVdmItem = 200028;
constexpr std::int32_t kVdoItem = 200029;
// RMC's own row holds four outputs before the continuation marker.
constexpr std::size_t kRmcOwnOutputs = 4;
constexpr std::array<std::uint32_t, kRmcOwnOutputs> kRmcOutputs{129025, 129026, 129029, 129033};
// Boxes 5 to 7 hold the continuation.
constexpr std::size_t kContinuationFirstBox = 4;
constexpr std::size_t kContinuationBoxes = 3;
// A change of a single item covers boxes 1 to 5, one per slot.
constexpr std::size_t kItemBoxes = 5;

// A slot that names an output and whose flag the answer does not report as sent.
bool SlotNotTaken(const varo::DeviceRecord& sent, const CttFields& answer, std::size_t slot) {
    const varo::CttItemEntry& item = sent.cttItems[slot];
    return item.identifier != ctt::kNoOutput && answer.items[slot].flag != item.flag;
}

void ShowResult(QLabel* label, const QString& text) {
    SetTextColour(label, kResultGreen);
    label->setText(text);
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

void OutputChecks::FillOutputChecks(std::int32_t id) {
    for (QLabel* label : {form.Label4, form.Label3, form.Label5})
        label->show();
    if (!continuationMode) {
        shownId = id;
        form.Label3->setText(form.FTexts.MsgNameOf.arg(MessageDescription(form.FTexts, id)));
        form.Label5->setText(QStringLiteral("(%1)").arg(MessageCode(id)));
        for (QCheckBox* box : boxes)
            box->setChecked(false);
    }
    form.Label4->clear();
    const varo::ConversionRow* row = varo::FindConversionRow(id);
    if (row != nullptr && !FillRow(*row)) return;
    SaveChecks(0, kBoxCount);
}

bool OutputChecks::FillRow(const varo::ConversionRow& row) {
    const auto count = static_cast<std::size_t>(row.count);
    if ((count == 2 || count == 3) && continuationMode) {
        // Flags that are not 0 or 1 are no answer: the boxes of RMC's own
        // outputs must not be relabelled with the continuation's.
        bool flagsValid = form.FLink->ConfigReceived;
        for (std::size_t slot = 0; slot < count; ++slot)
            flagsValid = flagsValid && ctt::Record().cttItems[slot].flagValid != 0;
        if (flagsValid) {
            FillContinuation(row);
        } else {
            ContinuationNotAnswered();
        }
        return false;
    }
    if (row.related[count - 1] == varo::ConversionContinued) {
        for (std::size_t i = 0; i < count - 1; ++i)
            ShowBox(i, row.related[i]);
        HideBoxes(count - 1);
        if (form.FLink->ConfigReceived) {
            TickFromAnswer(0, count - 1);
            RequeryContinuation();
        }
        return true;
    }
    for (std::size_t i = 0; i < count; ++i)
        ShowBox(i, row.related[i]);
    HideBoxes(count);
    if (form.FLink->ConfigReceived) TickFromAnswer(0, count);
    return true;
}

void OutputChecks::FillContinuation(const varo::ConversionRow& row) {
    const auto count = static_cast<std::size_t>(row.count);
    for (std::size_t i = 0; i < count; ++i)
        ShowBox(kContinuationFirstBox + i, row.related[i]);
    HideBoxes(kContinuationFirstBox + count);
    TickFromAnswer(kContinuationFirstBox, count);
    SaveChecks(kContinuationFirstBox, kContinuationBoxes);
    continuationMode = false;
    rmcSplitLoaded = true;
}

// The answer for RMC is in; its remaining outputs are asked for under their
// own identifier, and the receive path hands that answer back here.
void OutputChecks::RequeryContinuation() {
    ctt::Query(form, kRmcContinuation, [this](ReplyOutcome outcome, const CttFields&) {
        if (outcome == ReplyOutcome::NoAnswer && continuationMode) ContinuationNotAnswered();
    });
    form.FLink->ExpectedReplyId = kRmcContinuation;
    form.FLink->WaitingForRequery = true;
    form.FLink->ConfigReceived = false;
    continuationMode = true;
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

void OutputChecks::HideBoxes(std::size_t first) {
    for (std::size_t i = first; i < kBoxCount; ++i)
        Box(i)->hide();
}

void OutputChecks::TickFromAnswer(std::size_t first, std::size_t count) {
    const varo::DeviceRecord& device = ctt::Record();
    for (std::size_t slot = 0; slot < count; ++slot)
        Box(first + slot)->setChecked(device.cttItems[slot].flag == 1);
}

void OutputChecks::SaveChecks(std::size_t first, std::size_t count) {
    for (std::size_t i = first; i < first + count; ++i)
        savedChecks[i] = Box(i)->isChecked();
}

bool OutputChecks::MatchesSaved(std::size_t first, std::size_t count) const {
    for (std::size_t i = first; i < first + count; ++i) {
        if (Box(i)->isChecked() != savedChecks[i]) return false;
    }
    return true;
}

void OutputChecks::TakeFlags(std::size_t first, std::size_t count) {
    varo::DeviceRecord& device = ctt::Record();
    device.cttMode = ctt::kChange;
    for (std::size_t slot = 0; slot < count; ++slot)
        device.cttItems[slot].flag = Box(first + slot)->isChecked() ? 1 : 0;
}

void OutputChecks::ShowMessage(const QString& text) {
    SetTextColour(form.Label4, form.palette().color(QPalette::WindowText));
    form.Label4->show();
    form.Label4->setText(text);
}

void OutputChecks::ShowNoAnswer() {
    form.FLink->WaitingForReply = false;
    form.FLink->WaitingForRequery = false;
    continuationMode = false;
    ShowMessage(form.FTexts.NoAnswer);
}

void OutputChecks::ContinuationNotAnswered() {
    form.FLink->WaitingForRequery = false;
    continuationMode = false;
    rmcSplitLoaded = false;
    HideBoxes(kContinuationFirstBox);
    // The record no longer holds RMC's answer, so no Apply can be built on it.
    form.Button1->setEnabled(false);
    form.Button1->hide();
    ShowMessage(form.FTexts.ContinuationNotAnswered);
}

void OutputChecks::QueueIfChanged(std::size_t first, std::size_t count) {
    if (MatchesSaved(first, count)) return;
    pendingChanges.push_back({ctt::Record(), first, count});
}

void OutputChecks::ApplyOutputSelection() {
    promptArmed = false;
    form.FLink->FReplyWait.Cancel();
    pendingChanges.clear();
    notTaken.clear();
    form.Label4->clear();
    if (!form.FLink->ConfigReceived) {
        ShowResult(form.Label4, form.FTexts.ConnectFail);
        return;
    }
    varo::DeviceRecord& device = ctt::Record();
    if (!rmcSplitLoaded) {
        // The record still holds the subject and outputs of the answer.
        TakeFlags(0, kItemBoxes);
        const auto subject = static_cast<std::int32_t>(device.cttSubject);
        if (subject == kVdmItem || subject == kVdoItem)
            device.cttItems[0].identifier = kAllAisChangeItem;
        QueueIfChanged(0, kItemBoxes);
    } else {
        // RMC: first the continuation, whose answer the record still holds,
        // then RMC's own four outputs under its own identifier.
        TakeFlags(kContinuationFirstBox, kContinuationBoxes);
        QueueIfChanged(kContinuationFirstBox, kContinuationBoxes);
        device.cttSubject = kRmcItem;
        for (std::size_t slot = 0; slot < kRmcOwnOutputs; ++slot)
            device.cttItems[slot].identifier = kRmcOutputs[slot];
        device.cttItems[kRmcOwnOutputs].identifier = ctt::kNoOutput;
        TakeFlags(0, kRmcOwnOutputs);
        QueueIfChanged(0, kRmcOwnOutputs);
        rmcSplitLoaded = false;
    }
    if (pendingChanges.empty()) {
        // Nothing differs from what the gateway reported.
        form.Label4->setText(form.FTexts.ModifiedSuccessfully);
        return;
    }
    SendNextChange();
}

void OutputChecks::SendNextChange() {
    if (pendingChanges.empty()) {
        if (notTaken.empty()) {
            ShowResult(form.Label4, form.FTexts.ModifiedSuccessfully);
        } else {
            QStringList names;
            for (const QString& name : notTaken)
                names << name;
            ShowMessage(form.FTexts.NotTaken.arg(names.join(QStringLiteral(", "))));
        }
        return;
    }
    sentChange = pendingChanges.front();
    pendingChanges.pop_front();
    ctt::Record() = sentChange.record;
    const auto subject = static_cast<std::int32_t>(sentChange.record.cttSubject);
    const PendingChange change = sentChange;
    auto accept = [change](const CttFields& answer) {
        for (std::size_t slot = 0; slot < change.count; ++slot) {
            if (SlotNotTaken(change.record, answer, slot)) return false;
        }
        return true;
    };
    // A send that failed has told the user; the result line stays empty.
    if (!ctt::ChangeAndReadBack(form, subject, accept,
                                [this](ReplyOutcome outcome, const CttFields& answer) {
                                    ChangeAnswered(outcome, answer);
                                })) {
        pendingChanges.clear();
    }
}

void OutputChecks::ChangeAnswered(ReplyOutcome outcome, const CttFields& answer) {
    if (outcome == ReplyOutcome::NoAnswer) {
        pendingChanges.clear();
        ShowMessage(form.FTexts.NoAnswer);
        return;
    }
    for (std::size_t slot = 0; slot < sentChange.count; ++slot) {
        if (!SlotNotTaken(sentChange.record, answer, slot)) continue;
        const QCheckBox* box = Box(sentChange.firstBox + slot);
        notTaken.push_back(box->text());
    }
    SendNextChange();
}

void OutputChecks::StartItem() {
    continuationMode = false;
    rmcSplitLoaded = false;
}

bool OutputChecks::ShouldAskToSave() const {
    return promptArmed && !MatchesSaved(0, kBoxCount);
}

void OutputChecks::TickAllAndSave() {
    for (QCheckBox* box : boxes)
        box->setChecked(true);
    SaveChecks(0, kBoxCount);
}

} // namespace varo
