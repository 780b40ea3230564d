#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

#include "gateway/GatewayEngine.h"

class QCheckBox;

namespace varo {

class TForm1;

// The right side of the CONFIGURATION page for one input message: a check
// box per output the gateway can produce from it (RMC's seven, over its two
// CTT items, are one list), ticked from the gateway's report, and Apply
// (Button1), which asks the engine to change what differs from that report
// and shows the read-back.
class OutputChecks {
public:
    static constexpr std::size_t kBoxCount = 7;

    explicit OutputChecks(TForm1& form);

    // On: Button1 shown and enabled, the boxes enabled. Off: Button1 and the
    // boxes hidden and disabled. The result and name labels follow `on`.
    void ShowOutputChecks(bool on);
    // Names the message `id`, shows a box per output unticked and asks the
    // gateway for them; its report ticks them.
    void ShowItem(std::int32_t id);
    // The gateway's report of the input shown: the boxes show it and are
    // usable; reports of another input are not shown.
    void ShowReport(const FilterReport& report);
    // The outcome of Default: the read-back of the message shown, and on
    // the result line whether every output came back on.
    void ShowDefaults(const GatewayOutcome& outcome);
    // Button1: asks the gateway to take the boxes' flags and shows the
    // read-back; "Modified successfully" only when it matches.
    void ApplyOutputSelection();

    // True when leaving the item should ask whether to save: a box differs
    // from the gateway's report and Apply was not the last action.
    bool ShouldAskToSave() const;
    void ArmPrompt() { promptArmed = true; }

    // After a language switch: the message name and the boxes' captions in
    // the new language.
    void ShowTexts();
    std::int32_t ShownId() const { return shownId; }

private:
    QCheckBox* Box(std::size_t index) const { return boxes[index]; }
    void ShowBox(std::size_t index, std::int32_t output);
    // "GGA:Global ...", the AIS box's caption, or the bare number.
    QString BoxCaption(std::int32_t output) const;
    void Answered(const GatewayOutcome& outcome);
    // The captions of the boxes of `outputs`, joined.
    QString OutputNames(const std::vector<std::size_t>& outputs) const;
    void ShowMessage(const QString& text);
    void ShowSuccess(const QString& text);

    TForm1& form;
    std::array<QCheckBox*, kBoxCount> boxes;
    std::int32_t shownId = 0;                      // the message whose outputs are shown
    std::array<std::int32_t, kBoxCount> outputs{}; // what each box stands for
    std::size_t shownBoxes = 0;
    bool promptArmed = true;                   // leaving changed boxes asks to save
    std::array<bool, kBoxCount> savedChecks{}; // the boxes as the gateway reported them
};

} // namespace varo
