#include "ConnectionStatus.h"

#include <QBitmap>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QTimer>

#include "TForm1.h"
#include "Tag.h"

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

void ConnectionStatus::ShowConnectionStatus(int index, LinkStatus status) {
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
    int frame = Tag(form.TimerConnection);
    if (frame > 6) FDirectionUp = false;
    if (frame <= 2) FDirectionUp = true;
    frame += FDirectionUp ? 1 : -1;
    SetTag(form.TimerConnection, frame);
    const int blink = (Tag(form.LabelConnectionStatus) + 1) % 8;
    SetTag(form.LabelConnectionStatus, blink);
    DrawStatusImage(form.ImageConnectTwoWay, form.ImageListConnectTwoWay, frame);
    SetLabelColour(blink < 3 ? Qt::red : Qt::black);
    form.LabelConnectionStatus->setText(form.FTexts.Connecting);
}
