#include "ConnectionStatus.h"

#include <QBitmap>
#include <QLabel>
#include <QPainter>
#include <QPalette>

#include "TForm1.h"

namespace varo {
namespace {

const QColor kCream(0xFF, 0xFB, 0xF0); // 0xF0FBFF in blue-green-red order

} // namespace

void DrawStatusImage(QLabel* image, const std::vector<QPixmap>& list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return;
    QPixmap picture(image->size());
    picture.fill(kCream);
    QPixmap source = list[static_cast<std::size_t>(index)];
    source.setMask(source.createMaskFromColor(Qt::white, Qt::MaskInColor));
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, source);
    painter.end();
    image->setPixmap(picture);
}

void ConnectionStatus::SetLabelColour(Qt::GlobalColor colour) {
    QPalette palette = form.LabelConnectionStatus->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    form.LabelConnectionStatus->setPalette(palette);
}

void ConnectionStatus::ShowConnectionStatus(LinkStatus status) {
    const int index = status == LinkStatus::Disconnect ? 0 : 1;
    // A confirmed link leaves the animation where the next attempt starts it.
    if (status == LinkStatus::Connected) FFrame = 2;
    DrawStatusImage(form.ImageConnectToDevice, form.ImageListConnectToDevice, index);
    DrawStatusImage(form.ImageConnectTwoWay, form.ImageListConnectTwoWay, index);
    switch (status) {
    case LinkStatus::Disconnect:
        SetLabelColour(Qt::black);
        form.LabelConnectionStatus->setEnabled(false);
        form.LabelConnectionStatus->setText(form.FTexts.DisconnectStatus);
        break;
    case LinkStatus::Connecting:
        form.LabelConnectionStatus->setEnabled(true);
        SetLabelColour(Qt::black);
        form.LabelConnectionStatus->setText(form.FTexts.Connecting);
        break;
    case LinkStatus::Connected:
        form.LabelConnectionStatus->setEnabled(true);
        SetLabelColour(Qt::blue);
        form.LabelConnectionStatus->setText(form.FTexts.Connected);
        break;
    }
}

void ConnectionStatus::Animate() {
    if (FFrame > 6) FDirectionUp = false;
    if (FFrame <= 2) FDirectionUp = true;
    FFrame += FDirectionUp ? 1 : -1;
    FBlinkFrame = (FBlinkFrame + 1) % 8;
    DrawStatusImage(form.ImageConnectTwoWay, form.ImageListConnectTwoWay, FFrame);
    SetLabelColour(FBlinkFrame < 3 ? Qt::red : Qt::black);
    form.LabelConnectionStatus->setText(form.FTexts.Connecting);
}

} // namespace varo
