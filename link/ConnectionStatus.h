#pragma once

#include <QPixmap>
#include <vector>

class QLabel;
class TForm1;

// What the status label says: the texts Disconnect..., Connecting... and
// Connected... of the current language.
enum class LinkStatus { Disconnect, Connecting, Connected };

// The connection status on the top panel: the two status pictures, the
// status label and the animation while a connection is being made.
class ConnectionStatus {
public:
    explicit ConnectionStatus(TForm1& form) : form(form) {}

    // Image `index` of both status image lists; the label in the status's
    // colour (black, black, blue; disabled while disconnected) and text.
    void ShowConnectionStatus(int index, LinkStatus status);
    // One animation frame: the two-way picture moves between images 2 and 7
    // and back, the label blinks red for 3 of every 8 frames.
    void Animate();

private:
    void SetLabelColour(Qt::GlobalColor colour);

    TForm1& form;
    bool FDirectionUp = true;
};

// Paints image `index` of `list` into `image` over the panel's cream, with
// white as the transparent colour. An index outside the list paints nothing.
void DrawStatusImage(QLabel* image, const std::vector<QPixmap>& list, int index);
