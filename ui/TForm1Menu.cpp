// The main menu, the timers, the image lists and the window's own signal
// connections.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "ConnectionManager.h"
#include "DeviceLink.h"
#include "PageWatcher.h"
#include "Pictures.h"
#include "TForm1.h"
#include "Tag.h"

namespace varo {
namespace {

QAction* Item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* Menu(QWidget* owner, QMenu* parentMenu, const char* name, const QString& caption) {
    QMenu* menu = parentMenu ? parentMenu->addMenu(caption) : new QMenu(caption, owner);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QTimer* Timer(QObject* owner, const char* name, int milliseconds) {
    auto* timer = new QTimer(owner);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(milliseconds);
    return timer;
}

std::vector<QPixmap> ImageList(const QStringList& paths) {
    std::vector<QPixmap> images;
    images.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths)
        images.emplace_back(path);
    return images;
}

} // namespace

void TForm1::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    mnuFile = Menu(this, nullptr, "mnuFile", QStringLiteral("File(&F)"));
    Savelog1 = Item(mnuFile, "Savelog1", QStringLiteral("Save log(&S)"));
    mnuExit = Item(mnuFile, "mnuExit", QStringLiteral("Exit(&X)"));
    bar->addMenu(mnuFile);

    V1 = Menu(this, nullptr, "V1", QStringLiteral("View(&V)"));
    R1 = Item(V1, "R1", QStringLiteral("Refresh(&R)"));
    bar->addMenu(V1);

    // The language menu is shown, all three languages with it: a switch
    // takes effect at once and is remembered in the settings file on exit.
    mnuOption = Menu(this, nullptr, "mnuOption", QStringLiteral("Option(&O)"));
    mnuLanguage = Menu(this, mnuOption, "mnuLanguage", QStringLiteral("Language(&L)"));
    mnuLangEnglish = Item(mnuLanguage, "mnuLangEnglish", QStringLiteral("English(&E)"));
    mnuLangTraChinese =
        Item(mnuLanguage, "mnuLangTraChinese", QStringLiteral("Traditional Chinese(&T)"));
    mnuLangSimpChinese =
        Item(mnuLanguage, "mnuLangSimpChinese", QStringLiteral("Simplified Chinese(&S)"));
    auto* languages = new QActionGroup(this);
    languages->setObjectName(QStringLiteral("LanguageGroup"));
    languages->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    int tag = 0;
    for (QAction* item : {mnuLangEnglish, mnuLangTraChinese, mnuLangSimpChinese}) {
        item->setCheckable(true);
        SetTag(item, tag++);
        languages->addAction(item);
    }
    mnuLangEnglish->setChecked(true);
    bar->addMenu(mnuOption);

    mnuHelp = Menu(this, nullptr, "mnuHelp", QStringLiteral("Help(&H)"));
    mnuAbout = Item(mnuHelp, "mnuAbout", QStringLiteral("About(&A)"));
    bar->addMenu(mnuHelp);
}

void TForm1::BuildTimers() {
    // The connection and page timers are the device link's.
    Timer1 = &FLink->FConnection->Timer1;
    TimerConnection = &FLink->FConnection->TimerConnection;
    PIC_Timer = Timer(this, "PIC_Timer", 100);
    DetectTabSheet = &FLink->FPageWatcher->DetectTabSheet;
}

void TForm1::LoadImageLists() {
    ImageListConnectToDevice = ImageList(pictures::ConnectToDevice());
    ImageListConnectTwoWay = ImageList(pictures::ConnectTwoWay());
    ImageList1 = ImageList({pictures::Idle});
    ImageList2 = ImageList(pictures::SentenceStates());
}

void TForm1::ConnectSignals() {
    connect(btnExit, &QToolButton::clicked, this, &TForm1::btnExitClick);
    connect(mnuExit, &QAction::triggered, this, &TForm1::btnExitClick);
    connect(mnuAbout, &QAction::triggered, this, &TForm1::mnuAboutClick);
    // The connection controls drive the device link.
    connect(OpenPort, &QToolButton::clicked, this, [this] { OpenPortClick(); });
    for (QRadioButton* mode : {RadioButtonConnectionModeAuto, RadioButtonConnectionModeManual})
        connect(mode, &QRadioButton::clicked, this, [this] { FLink->ModeChanged(); });
    // Only the user's choice counts: the connection steps set both lists themselves.
    connect(cbxComPort, &QComboBox::activated, this, [this] { FLink->PortChosen(); });
    connect(cbxBaudRate, &QComboBox::activated, this, [this] { FLink->BaudChosen(); });
    connect(PageControlConf, &QTabWidget::currentChanged, this, [this] { FLink->PageChanged(); });
}

} // namespace varo
