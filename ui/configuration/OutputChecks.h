#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "ReplyWait.h"
#include "config/SentenceStore.h"

class QCheckBox;

namespace varo {

class TForm1;
struct ConversionRow;

// The right side of the CONFIGURATION page for one input message: a check
// box per output the gateway can produce from it, ticked from the gateway's
// CTT answer, and Apply (Button1), which sends the changed flags back.
class OutputChecks {
public:
    static constexpr std::size_t kBoxCount = 7;

    explicit OutputChecks(TForm1& form);

    // On: Button1 shown and enabled, the boxes enabled. Off: Button1 and the
    // boxes hidden and disabled. The result and name labels follow `on`.
    void ShowOutputChecks(bool on);
    // Names the message `id`, shows a box per output of its conversion row and,
    // once the gateway's answer is in (ConfigReceived), ticks them from it.
    // RMC's outputs continue in a second row: its first answer asks for that
    // row, whose answer fills boxes 5 to 7.
    void FillOutputChecks(std::int32_t id);
    // Button1: sends the boxes that changed since they were loaded, reads
    // each change back from the gateway and says "Modified successfully"
    // only when the gateway reports what was sent; otherwise it names the
    // outputs that did not take, or says that no answer came.
    void ApplyOutputSelection();
    // The query for the item went unanswered: the tree and the screen are
    // usable again and the result line says so.
    void ShowNoAnswer();

    // A new item was chosen: the continuation of an earlier RMC answer no
    // longer belongs to the boxes.
    void StartItem();
    // True when leaving the item should ask whether to save: a box differs
    // from its loaded state and Apply was not the last action.
    bool ShouldAskToSave() const;
    void ArmPrompt() { promptArmed = true; }
    // After the gateway's defaults were restored: every box ticked and saved.
    void TickAllAndSave();

    bool ContinuationMode() const { return continuationMode; }

    // After a language switch: the message name and the boxes' captions in
    // the new language.
    void ShowTexts();
    bool RmcSplitLoaded() const { return rmcSplitLoaded; }
    const std::array<bool, kBoxCount>& SavedChecks() const { return savedChecks; }

private:
    QCheckBox* Box(std::size_t index) const { return boxes[index]; }
    // Fills the boxes of `row`; false when the continuation filled boxes 5 to 7
    // and the call ends there.
    bool FillRow(const varo::ConversionRow& row);
    void FillContinuation(const varo::ConversionRow& row);
    void RequeryContinuation();
    void ShowBox(std::size_t index, std::int32_t output);
    // "GGA:Global ...", the AIS box's caption, or the bare number.
    QString BoxCaption(std::int32_t output) const;
    void HideBoxes(std::size_t first);
    // Ticks `count` boxes from `first` from the answer's slots 1 to `count`.
    void TickFromAnswer(std::size_t first, std::size_t count);
    void SaveChecks(std::size_t first, std::size_t count);
    bool MatchesSaved(std::size_t first, std::size_t count) const;
    // Slot flags 1 to `count` from `count` boxes from `first`.
    void TakeFlags(std::size_t first, std::size_t count);
    // Sends unless the boxes match their saved states; the result line says
    // "Modified successfully" either way, unless the send failed.
    void QueueIfChanged(std::size_t first, std::size_t count);
    // Sends the next queued change and reads it back; the result line once
    // every change has been answered.
    void SendNextChange();
    void ChangeAnswered(ReplyOutcome outcome, const CttFields& answer);
    // RMC's continuation was not answered with valid flags: RMC's own boxes
    // stay, Apply stays off, the result line says so.
    void ContinuationNotAnswered();
    void ShowMessage(const QString& text);

    // A change waiting to be sent: the record to send and its boxes.
    struct PendingChange {
        varo::DeviceRecord record;
        std::size_t firstBox;
        std::size_t count;
    };

    TForm1& form;
    std::array<QCheckBox*, kBoxCount> boxes;
    std::int32_t shownId = 0;                      // the message whose outputs are shown
    std::array<std::int32_t, kBoxCount> outputs{}; // what each box stands for
    bool continuationMode = false;             // the next answer to fill is the RMC continuation
    bool rmcSplitLoaded = false;               // boxes 5 to 7 hold the RMC continuation outputs
    bool promptArmed = true;                   // leaving changed boxes asks to save
    std::array<bool, kBoxCount> savedChecks{}; // the boxes as last loaded
    std::deque<PendingChange> pendingChanges;  // of the Apply under way
    PendingChange sentChange{};                // the change being read back
    std::vector<QString> notTaken;             // outputs the gateway did not take
};

} // namespace varo
