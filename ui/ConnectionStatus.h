#pragma once

#include <QPixmap>
#include <QString>
#include <cstdint>
#include <vector>

#include "LinkView.h"

class QLabel;

namespace varo {

class TForm1;

// The connection status on the top panel: the two status pictures, the
// status label and the animation while a connection is being made.
class ConnectionStatus {
public:
    explicit ConnectionStatus(TForm1& form) : form(form) {}

    // Image 0 (disconnected) or 1 of both status image lists; the label in
    // the status's colour (black, black, blue; disabled while disconnected)
    // and its text of the current language: Disconnect..., Connecting...,
    // Connected....
    void ShowConnectionStatus(LinkStatus status);
    // One animation frame: the two-way picture moves between images 2 and 7
    // and back, the label blinks red for 3 of every 8 frames.
    void Animate();

    // A notice of the link beside the health figures until the next
    // connection: a lost port (`alarm`, in red) or a reconnect.
    void ShowNotice(const QString& text, bool alarm);
    // Refreshes the health bar: while connecting or connected, the time since
    // the last line, lines per second, dropped lines and bytes at another
    // speed; amber when the link is silent for more than max(3 flow
    // intervals, 5 s) or only bytes at another speed arrive.
    void UpdateHealth();
    bool HealthAmber() const { return FAmber; }

private:
    void SetLabelColour(Qt::GlobalColor colour);

    TForm1& form;
    bool FDirectionUp = true;
    int FFrame = 0;      // the two-way picture shown by the animation
    int FBlinkFrame = 0; // 0 to 7: red for frames 0 to 2
    QString FNotice;
    bool FNoticeAlarm = false;
    bool FAmber = false;
    bool FWasPressed = false;
    std::uint64_t FOtherSpeedBytesSeen = 0;
};

// Paints image `index` of `list` into `image` over the panel's cream, with
// white as the transparent colour. An index outside the list paints nothing.
void DrawStatusImage(QLabel* image, const std::vector<QPixmap>& list, int index);

} // namespace varo
