#pragma once

#include <array>

class QLabel;
class QString;
#include <cstddef>
#include <cstdint>

#include "ReplyWait.h"

namespace varo {

class TForm1;

// The NMEA 0183 output selection: which of 24 sentences the gateway emits.
// Each sentence has a tag (0 to 24, 11 unused) and a state: 0 off, 1 on; the
// gateway may report other digits, which are kept and shown as the third
// picture. On the wire the states are decimal digits of the five CTT output
// identifiers:
//   slot 1: GGA GLL GSA GSV RMC VTG   (10^5 ... 10^0)
//   slot 2: ZDA ROT HDT HDG VDM 0
//   slot 3: DSC RSA VHW VLW DPT DBT
//   slot 4: XTE APB VWR MWV MWD MTW
//   slot 5: VDR 0 0 0 0 0
inline constexpr std::size_t kSentenceTagCount = 25;
using SentenceStateTable = std::array<std::uint8_t, kSentenceTagCount>;
using OutputIdentifiers = std::array<std::uint32_t, 5>;

// The state of every tag from the identifiers' digits (tag 11 stays 0).
SentenceStateTable UnpackSentenceStates(const OutputIdentifiers& identifiers);
// The identifiers that carry `states`; digits above 9 are sent as 9.
OutputIdentifiers PackSentenceStates(const SentenceStateTable& states);

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
