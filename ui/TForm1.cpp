#include "TForm1.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include "BaudFlowCommands.h"
#include "ConnectionManager.h"
#include "ConnectionStatus.h"
#include "DataView.h"
#include "DeviceInfo.h"
#include "DeviceLink.h"
#include "LanguageFiles.h"
#include "LinkWatchdog.h"
#include "LogReplay.h"
#include "MessageTree.h"
#include "OutputChecks.h"
#include "OutputSentences.h"
#include "ProfileActions.h"
#include "SentenceStates.h"
#include "TClickableLabel.h"
#include "Tag.h"
#include "ais/AisState.h"
#include "platform/Settings.h"
#include "sharing/StreamSharing.h"

namespace varo {

TForm1::TForm1() {
    // The link first: the window takes its timers.
    FLink = std::make_unique<DeviceLink>(*this);
    BuildWindow();
    SetLinkControls(false);
    ComputeAppFolder();
    ComputeSettingsFolder();
    ReadSettings();
    SetEnglishTexts(FTexts);
    SetUpSerialPort();
    PageControlDetectComPortMode->setCurrentWidget(TabSheetManualDetectComPort);
    lblFirmVer->clear();
    ResetConnection();
    SetUpAisDecoding();
    PageControlConf->setCurrentIndex(2);
    InitMessageScreens();
    FProfileActions = std::make_unique<ProfileActions>(*this);
    FStreamSharing = std::make_unique<StreamSharing>(*this);
    FLink->ResetSilence();
    CreateViewUnits();
    CreateDeviceUnits();
    RestoreConnectionSettings();
    RestoreWindowSettings();
    connect(cbxComPort, &QComboBox::currentIndexChanged, this, [this] { ShowChosenPortNote(); });
    connect(HealthTimer, &QTimer::timeout, this, [this] {
        FConnectionStatus->UpdateHealth();
        FDataView->MarkStaleRows();
    });
    FConnectionStatus->UpdateHealth();
    HealthTimer->start();
}

TForm1::~TForm1() = default;

QString TForm1::OpenPortCaption(int tag) const {
    return tag == 1 ? FTexts.Disconnect : FTexts.Connect;
}

void TForm1::OpenPortClick() {
    if (!FLink->ConnectPressed()) FDataView->Replay().EndForLink();
    FLink->OpenPortClick();
}

void TForm1::RefreshPorts() {
    FLink->RefreshPorts();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (FormClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm1::ComputeAppFolder() {
    AppFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

void TForm1::ComputeSettingsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const std::string folder = platform::SettingsFolder(documents.toStdString());
    SettingsFolder = QString::fromStdString(folder);
    FLanguage = 0;
    SettingsFile = QString::fromStdString(platform::SettingsFile(folder));
}

void TForm1::ReadSettings() {
    FLanguage = platform::ReadSettings(SettingsFile.toStdString());
}

void TForm1::WriteSettings() {
    const std::string file = SettingsFile.toStdString();
    platform::ConnectionSettings connection;
    connection.port = ChosenPort().toInt();
    connection.baud = BaudItemText(ChosenBaudItem()).toInt();
    connection.mode = AutoMode() ? "Auto" : "Manual";
    platform::WindowSettings window;
    const QRect frame = normalGeometry();
    window.left = frame.x();
    window.top = frame.y();
    window.width = frame.width();
    window.height = frame.height();
    window.maximized = isMaximized();
    window.page = PageControlConf->currentIndex();
    std::string reason;
    const bool written = platform::WriteSettings(file, FLanguage, &reason) &&
                         platform::WriteConnectionSettings(file, connection, &reason) &&
                         platform::WriteWindowSettings(file, window, &reason);
    // A setting that silently failed to save comes back wrong next time.
    if (!written)
        ModalMessage(FTexts.SettingsWriteError.arg(SettingsFile, QString::fromStdString(reason)),
                     FTexts.Error, MessageIcon::Error, MessageButtons::Ok);
}

void TForm1::RestoreWindowSettings() {
    const platform::WindowSettings saved = platform::ReadWindowSettings(SettingsFile.toStdString());
    if (saved.page >= 0 && saved.page < PageControlConf->count())
        PageControlConf->setCurrentIndex(saved.page);
    if (saved.width > 0 && saved.height > 0) {
        const QRect frame(saved.left, saved.top, saved.width, saved.height);
        // A place on a screen that is gone would open the window out of sight.
        if (QGuiApplication::screenAt(frame.center()) != nullptr) {
            setGeometry(frame);
        } else {
            resize(frame.size());
        }
    }
    if (saved.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm1::RestoreConnectionSettings() {
    const platform::ConnectionSettings saved =
        platform::ReadConnectionSettings(SettingsFile.toStdString());
    if (saved.mode == "Auto") RadioButtonConnectionModeAuto->setChecked(true);
    if (saved.mode == "Auto" || saved.mode == "Manual") FLink->ModeChanged();
    if (saved.port > 0) ShowChosenPort(saved.port);
    const int baud = cbxBaudRate->findText(QString::number(saved.baud));
    if (baud >= 0) ShowChosenBaudItem(baud);
}

void TForm1::SetUpSerialPort() {
    FConnectionStatus = std::make_unique<ConnectionStatus>(*this);
    RefreshPorts();
    cbxBaudRate->addItems(
        {QStringLiteral("4800"), QStringLiteral("9600"), QStringLiteral("38400")});
    cbxBaudRate->setCurrentIndex(kDefaultBaudItem);
}

void TForm1::ResetConnection() {
    FLink->ResetConnection();
}

void TForm1::SetUpAisDecoding() {
    AisState& ais = ProgramAisState();
    AisClear(ais);
    ResetAisDecoder(ais.decoder);
}

void TForm1::InitMessageScreens() {
    FOutputChecks = std::make_unique<OutputChecks>(*this);
    FSentenceStates = std::make_unique<SentenceStates>(*this);
    FMessageTree = std::make_unique<MessageTree>(*this);
    FMessageTree->BuildMessageTree();
    connect(TreeView1, &QTreeWidget::itemClicked, this, [this] { FMessageTree->TreeView1Click(); });
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this,
            [this] { FMessageTree->TreeView1DblClick(); });
    TreeView1->installEventFilter(new TreeKeyEvents(*FMessageTree, TreeView1));
    connect(Button1, &QPushButton::clicked, this,
            [this] { FOutputChecks->ApplyOutputSelection(); });
    connect(Button3, &QPushButton::clicked, this,
            [this] { FSentenceStates->ApplySentenceStates(); });
    connect(DefaultButton, &QPushButton::clicked, this,
            [this] { FSentenceStates->RestoreDefaults(); });
    for (const OutputSentence& sentence : kOutputSentences) {
        for (TClickableLabel* control : {this->*sentence.picture, this->*sentence.label}) {
            connect(control, &TClickableLabel::MouseDown, this,
                    [this, control] { FSentenceStates->ToggleSentence(Tag(control)); });
        }
    }
}

} // namespace varo
