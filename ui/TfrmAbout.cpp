#include "TfrmAbout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "LayoutHelpers.h"
#include "Pictures.h"

namespace varo {
namespace {

constexpr int kWidth = 406;
constexpr int kHeight = 342;

const QColor kPurple(0x80, 0x00, 0x80);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kNavy(0x00, 0x00, 0x80);

// Shown until a read-me file of the chosen language is loaded.
const char* const kBuiltInNotice =
    "VARO NMEA Configuration\n"
    "\n"
    "Configuration tool for the VARO RZ-60 NMEA 0183 / NMEA 2000 gateway.\n"
    "\n"
    "Connect the gateway to a serial port of this computer, choose the port and baud rate "
    "(or Auto) and press Connect. The PROPERTIES page shows the gateway's identity, "
    "CONFIGURATION its conversion filters, and NMEA0183 DATA VIEW(OUTPUT) the sentences it sends.";

} // namespace

void TfrmAbout::ShowTagline(const QString& tagline) {
    QPixmap logo(pictures::Logo);
    QPainter painter(&logo);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(180, 42, 210, 20), Qt::AlignRight | Qt::AlignVCenter, tagline);
    painter.end();
    Image2->setPixmap(logo);
    Image2->setAccessibleName(tagline);
}

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setFont(PixelFont(QStringLiteral("Arial"), 11));
    setFixedSize(kWidth, kHeight);
    setModal(false);
    // Its coloured titles and memo are drawn for a light background, also
    // under a dark desktop palette.
    UseSkyBluePalette(this, Qt::white);

    pictures::InitResources();
    Image2 = Place(new QLabel(this), "Image2", QRect(0, 0, kWidth, 110));
    Image2->setScaledContents(true);
    ShowTagline(QStringLiteral("Marine Data Gateway"));

    StaticTextProduct =
        PlaceLabel(this, "StaticTextProduct", QStringLiteral("VARO NMEA Configuration"),
                   QRect(0, 116, kWidth, 30));
    StaticTextProduct->setAlignment(Qt::AlignCenter);
    QFont title = PixelFont(QStringLiteral("Times New Roman"), 22, true);
    title.setItalic(true);
    title.setStyleHint(QFont::Serif);
    StaticTextProduct->setFont(title);
    SetTextColour(StaticTextProduct, kPurple);

    Label6 = PlaceLabel(this, "Label6", QStringLiteral("Ver 1.0.0.3   2013.11.26"),
                        QRect(0, 148, kWidth, 20));
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setFont(PixelFont(QStringLiteral("Arial"), 12, true));
    SetTextColour(Label6, kBlue);

    Memo1 = Place(new QPlainTextEdit(QString::fromUtf8(kBuiltInNotice), this), "Memo1",
                  QRect(10, 174, 386, 124));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setFont(PixelFont(QStringLiteral("Arial"), 11));
    SetTextColour(Memo1, kNavy);
    QPalette memo = Memo1->palette();
    memo.setColor(QPalette::Base, Qt::white);
    Memo1->setPalette(memo);

    btnOK = Place(new QPushButton(QStringLiteral("OK"), this), "btnOK", QRect(165, 306, 76, 28));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::close);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

} // namespace varo
