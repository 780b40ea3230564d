// Draws the window's pictures into the folder given on the command line:
//   varo-draw-pictures resources/pictures
// The results are committed; run this again only to change a picture.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <cmath>
#include <cstdio>
#include <functional>

namespace varo {
namespace {

const QColor kNavy(0x12, 0x3a, 0x6b);
const QColor kSea(0x2b, 0x7b, 0xc0);
const QColor kSky(0xa6, 0xca, 0xf0);
const QColor kGreen(0x2e, 0x9e, 0x3e);
const QColor kGrey(0x9a, 0xa0, 0xa6);
const QColor kAmber(0xe8, 0x9a, 0x10);
const QColor kRed(0xd0, 0x30, 0x30);

using Painting = std::function<void(QPainter&)>;

QImage Draw(int width, int height, const Painting& paint, QColor background = Qt::transparent) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter);
    return image;
}

QFont Bold(int pixels, bool italic = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

void Wave(QPainter& p, qreal left, qreal right, qreal y, qreal amplitude, qreal period) {
    QPainterPath path;
    path.moveTo(left, y);
    for (qreal x = left; x <= right; x += 1.0) {
        path.lineTo(x, y + amplitude * std::sin((x - left) / period * 2.0 * M_PI));
    }
    p.drawPath(path);
}

// A personal computer: monitor on a small stand.
void Computer(QPainter& p, QRectF screen, QColor face) {
    p.setPen(QPen(kNavy, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(screen, 2, 2);
    p.setBrush(face);
    p.drawRect(screen.adjusted(3, 3, -3, -3));
    const qreal cx = screen.center().x();
    p.drawLine(QPointF(cx, screen.bottom()), QPointF(cx, screen.bottom() + 4));
    p.drawLine(QPointF(cx - 7, screen.bottom() + 5), QPointF(cx + 7, screen.bottom() + 5));
}

// The gateway: a box with one connector on each side and a status lamp.
void Gateway(QPainter& p, QRectF box, QColor lamp) {
    p.setPen(QPen(kNavy, 1.5));
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0, QColor(0x4a, 0x55, 0x60));
    shade.setColorAt(1, QColor(0x22, 0x28, 0x30));
    p.setBrush(shade);
    p.drawRoundedRect(box, 3, 3);
    p.setBrush(lamp);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(box.right() - 6, box.top() + 6), 2.5, 2.5);
    p.setBrush(QColor(0xc0, 0xc4, 0xc8));
    p.drawRect(QRectF(box.left() - 3, box.center().y() - 3, 3, 6));
    p.drawRect(QRectF(box.right(), box.center().y() - 3, 3, 6));
}

void Arrow(QPainter& p, QPointF from, QPointF to, QColor colour, qreal width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const qreal direction = to.x() > from.x() ? 1.0 : -1.0;
    QPolygonF head;
    head << to + QPointF(direction * 2, 0) << to + QPointF(-direction * 5, -4)
         << to + QPointF(-direction * 5, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
}

QImage ConnectToDevice(bool connected) {
    return Draw(120, 32, [connected](QPainter& p) {
        Computer(p, QRectF(4, 3, 30, 22), connected ? kSea : kGrey);
        Gateway(p, QRectF(86, 7, 30, 20), connected ? kGreen : kGrey);
        QPen cable(connected ? kNavy : kGrey, 2.5, connected ? Qt::SolidLine : Qt::DashLine,
                   Qt::RoundCap);
        p.setPen(cable);
        p.drawLine(QPointF(38, 17), QPointF(82, 17));
        if (!connected) {
            p.setPen(QPen(kRed, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(55, 11), QPointF(65, 23));
            p.drawLine(QPointF(65, 11), QPointF(55, 23));
        }
    });
}

// Frame 0 idle, 1 linked, 2..7 a pulse travelling along both arrows.
QImage ConnectTwoWay(int frame) {
    return Draw(32, 32, [frame](QPainter& p) {
        const QColor colour = frame == 0 ? kGrey : frame == 1 ? kGreen : kSea;
        Arrow(p, QPointF(4, 10), QPointF(26, 10), colour, 3);
        Arrow(p, QPointF(28, 22), QPointF(6, 22), colour, 3);
        if (frame >= 2) {
            const qreal x = 5 + (frame - 2) * 4.2;
            p.setPen(Qt::NoPen);
            p.setBrush(kAmber);
            p.drawEllipse(QPointF(x, 10), 3.2, 3.2);
            p.drawEllipse(QPointF(31 - x, 22), 3.2, 3.2);
        }
    });
}

QImage Idle() {
    return Draw(114, 44, [](QPainter& p) {
        QLinearGradient sea(0, 0, 0, 44);
        sea.setColorAt(0, kSea);
        sea.setColorAt(1, kNavy);
        p.setPen(QPen(kNavy, 1));
        p.setBrush(sea);
        p.drawRoundedRect(QRectF(0.5, 0.5, 113, 43), 6, 6);
        p.setPen(QPen(QColor(255, 255, 255, 110), 1.5));
        Wave(p, 4, 110, 34, 2.5, 18);
        p.setPen(Qt::white);
        p.setFont(Bold(20, true));
        p.drawText(QRectF(0, 1, 114, 28), Qt::AlignCenter, QStringLiteral("VARO"));
        p.setFont(Bold(9));
        p.drawText(QRectF(0, 26, 114, 16), Qt::AlignCenter, QStringLiteral("NMEA 0183 / 2000"));
    });
}

QImage Product() {
    return Draw(65, 65, [](QPainter& p) {
        Gateway(p, QRectF(8, 14, 49, 38), kGreen);
        p.setPen(Qt::white);
        p.setFont(Bold(10));
        p.drawText(QRectF(8, 22, 49, 22), Qt::AlignCenter, QStringLiteral("RZ-60"));
        p.setPen(QPen(kNavy, 2));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(1, 33), QPointF(5, 33));
        p.drawLine(QPointF(60, 33), QPointF(64, 33));
    });
}

QImage SentenceState(int state) {
    return Draw(16, 16, [state](QPainter& p) {
        const QColor fill = state == 0 ? QColor(0xd8, 0xdb, 0xde) : state == 1 ? kGreen : kAmber;
        p.setPen(QPen(fill.darker(150), 1));
        p.setBrush(fill);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (state == 1) {
            p.drawPolyline(QPolygonF()
                           << QPointF(4.5, 8) << QPointF(7, 10.5) << QPointF(11.5, 5.5));
        } else if (state == 2) {
            p.drawLine(QPointF(8, 4.5), QPointF(8, 8.5));
            p.drawPoint(QPointF(8, 11.5));
        }
    });
}

QImage ConnectIcon() {
    return Draw(32, 32, [](QPainter& p) {
        p.setPen(QPen(kNavy, 1.5));
        p.setBrush(kSea);
        p.drawRoundedRect(QRectF(6, 12, 14, 12), 2, 2);
        p.setBrush(QColor(0xc0, 0xc4, 0xc8));
        p.drawRect(QRectF(20, 14, 6, 3));
        p.drawRect(QRectF(20, 19, 6, 3));
        p.setPen(QPen(kNavy, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath cable;
        cable.moveTo(6, 18);
        cable.cubicTo(0, 18, 2, 6, 10, 4);
        p.drawPath(cable);
    });
}

QImage RecordIcon() {
    return Draw(20, 20, [](QPainter& p) {
        QRadialGradient glow(QPointF(8, 8), 9);
        glow.setColorAt(0, QColor(0xff, 0x80, 0x80));
        glow.setColorAt(1, kRed);
        p.setPen(QPen(kRed.darker(140), 1));
        p.setBrush(glow);
        p.drawEllipse(QRectF(3, 3, 14, 14));
    });
}

QImage RefreshIcon() {
    return Draw(20, 20, [](QPainter& p) {
        p.setPen(QPen(kGreen.darker(120), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3.5, 3.5, 13, 13), 30 * 16, 300 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen.darker(120));
        p.drawPolygon(QPolygonF() << QPointF(17.5, 2.5) << QPointF(17.5, 9) << QPointF(11.5, 7));
    });
}

QImage ExitIcon() {
    return Draw(32, 32, [](QPainter& p) {
        p.setPen(QPen(kNavy, 1.5));
        p.setBrush(QColor(0xb0, 0x7a, 0x45));
        p.drawRect(QRectF(6, 3, 14, 26));
        p.setBrush(kAmber);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(17, 16), 1.5, 1.5);
        Arrow(p, QPointF(16, 16), QPointF(28, 16), kRed, 3);
    });
}

QImage Logo() {
    return Draw(
        406, 110,
        [](QPainter& p) {
            QLinearGradient sky(0, 0, 0, 110);
            sky.setColorAt(0, kSky.lighter(110));
            sky.setColorAt(0.55, kSea);
            sky.setColorAt(1, kNavy);
            p.fillRect(QRectF(0, 0, 406, 110), sky);
            for (int i = 0; i < 3; ++i) {
                p.setPen(QPen(QColor(255, 255, 255, 90 - 25 * i), 2));
                Wave(p, 0, 406, 78 + 10 * i, 3.5, 46 + 9 * i);
            }
            p.setPen(QColor(0, 0, 0, 70));
            p.setFont(Bold(52, true));
            p.drawText(QRectF(22, 8, 250, 64), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("VARO"));
            p.setPen(Qt::white);
            p.drawText(QRectF(19, 5, 250, 64), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("VARO"));
            p.setFont(Bold(15));
            p.drawText(QRectF(200, 18, 190, 24), Qt::AlignRight | Qt::AlignVCenter,
                       QStringLiteral("RZ-60"));
            // The words under the model are the About box's to paint, in
            // the chosen language (TfrmAbout::ShowTagline).
        },
        Qt::white);
}

bool Save(const QDir& folder, const QString& name, const QImage& image) {
    const QString path = folder.filePath(name);
    const bool jpeg = name.endsWith(QStringLiteral(".jpg"));
    if (!image.save(path, jpeg ? "JPG" : "PNG", jpeg ? 92 : -1)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

} // namespace varo

int main(int argc, char** argv) {
    using namespace varo;
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok =
        Save(folder, QStringLiteral("logo.jpg"), Logo().convertToFormat(QImage::Format_RGB32));
    ok &= Save(folder, QStringLiteral("idle.png"), Idle());
    ok &= Save(folder, QStringLiteral("product.png"), Product());
    ok &= Save(folder, QStringLiteral("connect.png"), ConnectIcon());
    ok &= Save(folder, QStringLiteral("record.png"), RecordIcon());
    ok &= Save(folder, QStringLiteral("refresh.png"), RefreshIcon());
    ok &= Save(folder, QStringLiteral("exit.png"), ExitIcon());
    for (int i = 0; i < 2; ++i) {
        ok &= Save(folder, QStringLiteral("connect_to_device_%1.png").arg(i),
                   ConnectToDevice(i == 1));
    }
    for (int i = 0; i < 8; ++i) {
        ok &= Save(folder, QStringLiteral("connect_two_way_%1.png").arg(i), ConnectTwoWay(i));
    }
    for (int i = 0; i < 3; ++i) {
        ok &= Save(folder, QStringLiteral("sentence_state_%1.png").arg(i), SentenceState(i));
    }
    return ok ? 0 : 1;
}
