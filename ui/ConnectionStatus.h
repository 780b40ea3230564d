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

    // The notices of the link shown before the health figures; each ends
    // when its cause does. PortLost (in red) ends with the next attempt or
    // link, Reconnecting and Skipped (the ports the Auto scan passes over)
    // when their attempt ends or links.
    enum class Notice { None, PortLost, Reconnecting, Skipped };
    // Shows notice `kind` with `text`; an empty text ends a notice of that kind.
    void ShowNotice(Notice kind, const QString& text);
    // Refreshes the health bar: while connecting or connected, the time since
    // the last line (once one came), lines per second over the last 5 s,
    // dropped lines, and bytes at another speed or damaged; amber when the
    // link is silent for more than max(3 flow intervals, 5 s), only bytes at
    // another speed arrive, or over 1 % of the bytes of the last 5 s are damaged.
    void UpdateHealth();
    bool HealthAmber() const { return FAmber; }

private:
    // Ends the notice whose cause is over, as the Connect button and link now stand.
    void EndNotices(bool pressed, bool linked);
    void SetLabelColour(Qt::GlobalColor colour);

    TForm1& form;
    bool FDirectionUp = true;
    int FFrame = 0;      // the two-way picture shown by the animation
    int FBlinkFrame = 0; // 0 to 7: red for frames 0 to 2
    Notice FNoticeKind = Notice::None;
    QString FNotice;
    bool FAmber = false;
    bool FWasPressed = false;
    std::uint64_t FOtherSpeedBytesSeen = 0;
};

// Paints image `index` of `list` into `image` over the panel's cream, with
// white as the transparent colour. An index outside the list paints nothing.
void DrawStatusImage(QLabel* image, const std::vector<QPixmap>& list, int index);

} // namespace varo
