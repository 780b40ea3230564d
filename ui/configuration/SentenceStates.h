#pragma once

#include <array>

class QLabel;
class QString;
#include <cstddef>
#include <cstdint>

#include "ReplyWait.h"
#include "config/OutputStates.h"

namespace varo {

class TForm1;

// The NMEA 0183 output selection on the CONFIGURATION page (its encoding is
// in config/OutputStates.h).
class SentenceStates {
public:
    explicit SentenceStates(TForm1& form) : form(form) {}

    // The answer to the output-selection query is in DeviceRecord: takes the
    // states from it and redraws every picture. A slot the gateway left blank
    // leaves its sentences unknown (shown with the third picture) until the
    // user sets them.
    void ShowSentenceStates();
    // The query went unanswered.
    void ShowNoAnswer();
    // Mouse-down on a picture or label: on and off alternate, any other state
    // becomes off. Nothing is sent.
    void ToggleSentence(int tag);
    // Button3: sends all 24 states, unless some are unknown, then reads the
    // selection back: "Modified successfully" only when the gateway reports
    // what was sent, else the sentences that did not take.
    void ApplySentenceStates();
    // DefaultButton: after asking, has the gateway restore its factory
    // filtering, reads the selection back and shows the restored states.
    void RestoreDefaults();

    const SentenceStateTable& States() const { return states; }

private:
    void ShowPicture(int tag);
    // States and knowledge from the answer's five identifiers.
    void TakeStates(const OutputIdentifiers& identifiers);
    void ShowMessage(QLabel* label, const QString& text);
    void ApplyAnswered(ReplyOutcome outcome, const CttFields& answer,
                       const SentenceStateTable& sent);
    void DefaultsAnswered(ReplyOutcome outcome, const CttFields& answer);

    TForm1& form;
    SentenceStateTable states{};
    std::array<bool, kSentenceTagCount> known{}; // reported by the gateway or set by the user
};

} // namespace varo
