#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "config/OutputStates.h"
#include "gateway/GatewayEngine.h"

class QLabel;
class QString;

namespace varo {

class TForm1;

// The NMEA 0183 output selection on the CONFIGURATION page (its encoding is
// in config/OutputStates.h), and the Default button.
class SentenceStates {
public:
    explicit SentenceStates(TForm1& form) : form(form) {}

    // Asks the gateway for the selection; its report enables the group and
    // redraws every picture.
    void AskSentenceStates();
    // Mouse-down on a picture or label: on and off alternate, any other state
    // becomes off. Nothing is sent.
    void ToggleSentence(int tag);
    // Button3: asks the gateway to take the 24 states, then shows the
    // read-back: "Modified successfully" only when it matches.
    void ApplySentenceStates();
    // DefaultButton: after asking, has the gateway restore its factory
    // filtering and shows the read-back, confirmed when every output (and
    // every output of the message shown) is on.
    void RestoreDefaults();

    const SentenceStateTable& States() const { return states; }

private:
    void ShowPicture(int tag);
    // The states the gateway reports; a sentence it left blank shows the
    // picture of an unusual state until the user sets it.
    void ShowReport(const OutputReport& report);
    void ShowMessage(QLabel* label, const QString& text);
    void ShowSuccess(QLabel* label, const QString& text);
    void Answered(const GatewayOutcome& outcome);
    void DefaultsAnswered(const GatewayOutcome& outcome);

    TForm1& form;
    SentenceStateTable states{};
};

} // namespace varo
