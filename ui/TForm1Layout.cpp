// The window frame and its top panel: connection mode, status pictures and
// the toolbar buttons.
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "LayoutHelpers.h"
#include "Pictures.h"
#include "TForm1.h"
#include "Tag.h"

namespace varo {
namespace {

constexpr int kClientWidth = 904;
constexpr int kClientHeight = 579;
constexpr int kPanelHeight = 79;
constexpr int kHealthBarHeight = 22;

// A speed button: a checkable tool button. Buttons of a group that
// allows all of them up are independent toggles, never exclusive.
QToolButton* SpeedButton(QWidget* parent, const char* name, const QRect& geometry, int groupIndex) {
    auto* button = Place(new QToolButton(parent), name, geometry);
    button->setCheckable(true);
    button->setAutoExclusive(false);
    button->setProperty("groupIndex", groupIndex);
    return button;
}

// One row of a connection page: a caption and its 70-pixel field.
template <class Field>
Field* ConnectionRow(QWidget* page, int y, const char* labelName, QLabel*& label,
                     const char* fieldName) {
    label = PlaceLabel(page, labelName, QString(), QRect(0, y + 2, 86, 20));
    return Place(new Field(page), fieldName, QRect(88, y, 70, 22));
}

} // namespace

void TForm1::BuildWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("VARO NMEA Configuration"));
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 13));
    UseSkyBluePalette(this, kSkyBlue);
    pictures::InitResources();
    LoadImageLists();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(client);
    // The window grows and maximises; below its built size the pages would be cut.
    client->setMinimumSize(kClientWidth, kClientHeight);

    Panel1 = new QWidget(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(kPanelHeight);
    Panel1->setFont(PixelFont(QStringLiteral("Arial"), 13));
    SetBackground(Panel1, kSkyBlue);
    column->addWidget(Panel1);
    BuildTopPanel();

    PageControlConf = new QTabWidget(client);
    PageControlConf->setObjectName(QStringLiteral("PageControlConf"));
    PageControlConf->setFont(PixelFont(QStringLiteral("Arial Unicode MS"), 12));
    column->addWidget(PageControlConf, 1);
    BuildPropertiesPage();
    BuildConfigurationPage();
    BuildDataViewPage();

    // The pages are white under any desktop palette: their captions are dark.
    for (QWidget* page : {TabSheetStatic, TabSheet1, TabSheet2})
        SetBackground(page, Qt::white);
    QPalette tabs = PageControlConf->tabBar()->palette();
    tabs.setColor(QPalette::Button, QColor(0xE8, 0xE8, 0xE8));
    tabs.setColor(QPalette::Window, QColor(0xE8, 0xE8, 0xE8));
    tabs.setColor(QPalette::ButtonText, Qt::black);
    MakeDisabledLegible(tabs);
    PageControlConf->tabBar()->setPalette(tabs);

    BuildMenu();
    // The menu bar sits on sky blue too; its captions are drawn as button text.
    QPalette bar = menuBar()->palette();
    bar.setColor(QPalette::ButtonText, Qt::black);
    MakeDisabledLegible(bar);
    menuBar()->setPalette(bar);
    BuildTimers();
    BuildHealthBar();
    ConnectSignals();
    move(360, 113);
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height() + kHealthBarHeight);
}

// The link's health below every page; the chosen port's note at its right.
void TForm1::BuildHealthBar() {
    HealthBar = new QStatusBar(this);
    HealthBar->setObjectName(QStringLiteral("HealthBar"));
    HealthBar->setSizeGripEnabled(false);
    HealthBar->setAutoFillBackground(true);
    HealthBar->setFixedHeight(kHealthBarHeight);
    setStatusBar(HealthBar);
    lblHealth = new QLabel(HealthBar);
    lblHealth->setObjectName(QStringLiteral("lblHealth"));
    // Long figures are clipped, never widen the window.
    lblHealth->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    HealthBar->addWidget(lblHealth, 1);
    lblPortNote = new QLabel(HealthBar);
    lblPortNote->setObjectName(QStringLiteral("lblPortNote"));
    HealthBar->addPermanentWidget(lblPortNote);
    HealthTimer = new QTimer(this);
    HealthTimer->setObjectName(QStringLiteral("HealthTimer"));
    HealthTimer->setInterval(500);
}

void TForm1::BuildTopPanel() {
    BuildConnectionModeGroup();

    ImageConnectToDevice =
        Place(new QLabel(Panel1), "ImageConnectToDevice", QRect(383, 8, 120, 32));
    ImageConnectToDevice->setPixmap(ImageListConnectToDevice.at(0));
    ImageConnectTwoWay = Place(new QLabel(Panel1), "ImageConnectTwoWay", QRect(505, 8, 32, 32));
    ImageConnectTwoWay->setPixmap(ImageListConnectTwoWay.at(0));
    LabelConnectionStatus = PlaceLabel(Panel1, "LabelConnectionStatus",
                                       QStringLiteral("Disconnect"), QRect(383, 46, 120, 20));
    // Disabled only means "no link": the window's palette keeps it readable.
    LabelConnectionStatus->setEnabled(false);

    OpenPort = SpeedButton(Panel1, "OpenPort", QRect(545, 9, 76, 60), 99);
    OpenPort->setText(QStringLiteral("Connect"));
    OpenPort->setToolTip(QStringLiteral("Connect serial port"));
    OpenPort->setIcon(QIcon(pictures::ConnectIcon));
    OpenPort->setIconSize(QSize(32, 32));
    OpenPort->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    SetTag(OpenPort, 0);

    Image1 = Place(new QLabel(Panel1), "Image1", QRect(629, 17, 114, 44));
    Image1->setPixmap(ImageList1.at(0));

    SaveSpeedButton = SpeedButton(Panel1, "SaveSpeedButton", QRect(751, 25, 28, 28), 102);
    SaveSpeedButton->setToolTip(QStringLiteral("Start recording Log"));
    SaveSpeedButton->setIcon(QIcon(pictures::RecordIcon));
    SaveSpeedButton->setIconSize(QSize(20, 20));

    BitBtn1 = Place(new QToolButton(Panel1), "BitBtn1", QRect(783, 25, 28, 28));
    BitBtn1->setToolTip(QStringLiteral("Refresh"));
    BitBtn1->setIcon(QIcon(pictures::RefreshIcon));
    BitBtn1->setIconSize(QSize(20, 20));

    btnExit = Place(new QToolButton(Panel1), "btnExit", QRect(843, 9, 55, 60));
    btnExit->setText(QStringLiteral("EXIT"));
    btnExit->setIcon(QIcon(pictures::ExitIcon));
    btnExit->setIconSize(QSize(32, 32));
    btnExit->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
}

void TForm1::BuildConnectionModeGroup() {
    GroupBoxConnectionMode =
        Place(new QGroupBox(QStringLiteral("Serial Port and Baud Rate Setting"), Panel1),
              "GroupBoxConnectionMode", QRect(4, 4, 371, 67));
    // Only the caption is bold: the controls inside get the panel's font back.
    const QFont plain = Panel1->font();
    QFont bold = plain;
    bold.setBold(true);
    GroupBoxConnectionMode->setFont(bold);

    RadioButtonConnectionModeManual =
        Place(new QRadioButton(QStringLiteral("Manual"), GroupBoxConnectionMode),
              "RadioButtonConnectionModeManual", QRect(28, 20, 90, 20));
    RadioButtonConnectionModeAuto =
        Place(new QRadioButton(QStringLiteral("Auto"), GroupBoxConnectionMode),
              "RadioButtonConnectionModeAuto", QRect(28, 42, 90, 20));
    RadioButtonConnectionModeManual->setFont(plain);
    RadioButtonConnectionModeAuto->setFont(plain);
    RadioButtonConnectionModeManual->setChecked(true);

    PageControlDetectComPortMode = Place(new QStackedWidget(GroupBoxConnectionMode),
                                         "PageControlDetectComPortMode", QRect(150, 15, 160, 49));
    PageControlDetectComPortMode->setFont(plain);

    TabSheetAutoConnectComPort = new QWidget(PageControlDetectComPortMode);
    TabSheetAutoConnectComPort->setObjectName(QStringLiteral("TabSheetAutoConnectComPort"));
    EditAutoDetectComPort =
        ConnectionRow<QLineEdit>(TabSheetAutoConnectComPort, 0, "LabelAutoComPort",
                                 LabelAutoComPort, "EditAutoDetectComPort");
    EditAutoDetectBaudRate =
        ConnectionRow<QLineEdit>(TabSheetAutoConnectComPort, 25, "LabelAutoBaudRate",
                                 LabelAutoBaudRate, "EditAutoDetectBaudRate");
    EditAutoDetectComPort->setReadOnly(true);
    EditAutoDetectBaudRate->setReadOnly(true);
    LabelAutoComPort->setText(QStringLiteral("Serial Port"));
    LabelAutoBaudRate->setText(QStringLiteral("Baud Rate"));
    for (QLabel* label : {LabelAutoComPort, LabelAutoBaudRate}) {
        label->setFont(bold);
        SetTextColour(label, kMaroon);
    }
    PageControlDetectComPortMode->addWidget(TabSheetAutoConnectComPort);

    TabSheetManualDetectComPort = new QWidget(PageControlDetectComPortMode);
    TabSheetManualDetectComPort->setObjectName(QStringLiteral("TabSheetManualDetectComPort"));
    cbxComPort = ConnectionRow<QComboBox>(TabSheetManualDetectComPort, 0, "lblSerialPort",
                                          lblSerialPort, "cbxComPort");
    cbxBaudRate = ConnectionRow<QComboBox>(TabSheetManualDetectComPort, 25, "lblBaudRate",
                                           lblBaudRate, "cbxBaudRate");
    lblSerialPort->setText(QStringLiteral("Serial Port"));
    lblBaudRate->setText(QStringLiteral("Baud Rate"));
    PageControlDetectComPortMode->addWidget(TabSheetManualDetectComPort);
}

} // namespace varo
