#include "ConnectionStatus.h"

#include <QBitmap>
#include <QLabel>
#include <QPainter>
#include <QPalette>

#include <QLineEdit>
#include <QStatusBar>
#include <algorithm>
#include <cmath>

#include "DeviceLink.h"
#include "TForm1.h"

namespace varo {
namespace {

const QColor kCream(0xFF, 0xFB, 0xF0); // 0xF0FBFF in blue-green-red order
// A link is silent after max(3 flow intervals, this many seconds) without a line.
constexpr double kSilentFloorSeconds = 5.0;
// A line at the right speed with more damaged bytes than this is noisy.
constexpr double kNoisyShare = 0.01;

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

void ConnectionStatus::ShowNotice(Notice kind, const QString& text) {
    if (text.isEmpty()) {
        if (FNoticeKind == kind) FNoticeKind = Notice::None;
    } else {
        FNoticeKind = kind;
        FNotice = text;
    }
    // The notice belongs to the state of the moment: it is no start of an attempt.
    FWasPressed = form.FLink->ConnectPressed();
    UpdateHealth();
}

void ConnectionStatus::EndNotices(bool pressed, bool linked) {
    const bool started = pressed && !FWasPressed;
    const bool ended = !pressed && FWasPressed;
    switch (FNoticeKind) {
    case Notice::None:
        break;
    case Notice::PortLost:
        if (started || linked) FNoticeKind = Notice::None;
        break;
    case Notice::Reconnecting:
    case Notice::Skipped:
        if (ended || linked) FNoticeKind = Notice::None;
        break;
    }
    FWasPressed = pressed;
}

void ConnectionStatus::UpdateHealth() {
    DeviceLink& link = *form.FLink;
    LinkHealth& health = link.FHealth;
    const auto now = LinkHealth::Clock::now();
    const bool pressed = link.ConnectPressed();
    EndNotices(pressed, pressed && link.FLinked);

    QString text;
    FAmber = false;
    if (pressed) {
        bool whole = false;
        const int flow = form.Edit1->text().trimmed().toInt(&whole);
        const double interval = whole && flow > 0 ? flow : 1.0;
        const double silent = health.SilentSeconds(now);
        const bool otherSpeed =
            !health.AnySentence() && health.OtherSpeedBytes() > FOtherSpeedBytesSeen;
        FOtherSpeedBytesSeen = health.OtherSpeedBytes();
        health.Sample(now);
        const double damaged = health.DamagedShare();
        text = (health.AnyLine() ? form.FTexts.HealthLastLine.arg(silent, 0, 'f', 1)
                                 : form.FTexts.HealthNoLine) +
               QStringLiteral(" | ") +
               form.FTexts.HealthFigures.arg(health.LinesPerSecond(), 0, 'f', 1)
                   .arg(health.DroppedChecksum() + health.DroppedEnding())
                   .arg(health.DroppedTooLong())
                   .arg(health.DroppedNotSentence())
                   .arg(health.OtherSpeedBytes())
                   .arg(health.DamagedBytes());
        QString warning;
        if (link.FLinked && silent > std::max(3 * interval, kSilentFloorSeconds))
            warning = form.FTexts.HealthSilent.arg(static_cast<int>(silent));
        else if (otherSpeed)
            warning = form.FTexts.HealthOtherSpeed;
        else if (damaged > kNoisyShare)
            warning = form.FTexts.HealthNoisy.arg(std::lround(damaged * 100));
        FAmber = !warning.isEmpty();
        if (FAmber) text = warning + QStringLiteral(" | ") + text;
    } else {
        FOtherSpeedBytesSeen = 0;
        text = form.FTexts.HealthIdle;
    }
    if (FNoticeKind != Notice::None) text = FNotice + QStringLiteral(" | ") + text;
    QColor background = form.palette().color(QPalette::Window);
    if (FNoticeKind == Notice::PortLost)
        background = QColor(0xF4, 0x43, 0x36); // red
    else if (FAmber)
        background = QColor(0xFF, 0xBF, 0x00); // amber
    QPalette palette = form.HealthBar->palette();
    palette.setColor(QPalette::Window, background);
    form.HealthBar->setPalette(palette);
    form.lblHealth->setText(text);
}

} // namespace varo
