#include "TForm1.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTreeWidget>

#include "CommandSender.h"
#include "ConnectionManager.h"
#include "ConnectionStatus.h"
#include "DeviceWatch.h"
#include "PageWatcher.h"
#include "PortList.h"
#include "ReceivePath.h"
#include "BaudFlowCommands.h"
#include "DataView.h"
#include "DeviceInfo.h"
#include "LanguageFiles.h"
#include "LinkWatchdog.h"
#include "MessageTree.h"
#include "OutputChecks.h"
#include "OutputSentences.h"
#include "SentenceStates.h"
#include "TClickableLabel.h"
#include "Tag.h"
#include "ais/ais_state.h"
#include "comm/qt_comm_synchronizer.h"
#include "comm/thread_comm.h"
#include "platform/settings.h"

TForm1::TForm1() {
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
  FLinkSilenceTicks = 0;
  CreateViewUnits();
  CreateDeviceUnits();
  RegisterDeviceNotifications();
}

TForm1::~TForm1() = default;

QString TForm1::OpenPortCaption(int tag) const { return tag == 1 ? FTexts.Disconnect : FTexts.Connect; }

bool TForm1::SendCommand(const char* talker, const char* formatter) {
  return FCommandSender->SendCommand(talker, formatter);
}

bool TForm1::LinkProbe(int code) { return FConnection->LinkProbe(code); }

void TForm1::OpenPortClick() { FConnection->OpenPortClick(); }

void TForm1::RefreshPorts() { FPortList->RefreshPorts(); }

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

void TForm1::ReadSettings() { FLanguage = platform::ReadSettings(SettingsFile.toStdString()); }

void TForm1::WriteSettings() { platform::WriteSettings(SettingsFile.toStdString(), FLanguage); }

void TForm1::SetUpSerialPort() {
  FComm = std::make_unique<TComm>(std::make_shared<TQtCommSynchronizer>(this));
  FComm->SetDeviceName("\\\\.\\COM1");
  FComm->SetBaudRate(TBaudRate::br115200);
  FComm->SetParity(TParity::paNone);
  FComm->SetDataBits(TDataBits::da8);
  FComm->SetStopBits(TStopBits::sb10);
  FPortList = std::make_unique<PortList>(*this);
  FConnectionStatus = std::make_unique<ConnectionStatus>(*this);
  FConnection = std::make_unique<ConnectionManager>(*this);
  FCommandSender = std::make_unique<CommandSender>(*this);
  FReceivePath = std::make_unique<ReceivePath>(*this);
  FPageWatcher = std::make_unique<PageWatcher>(*this);
  FComm->OnRxChar = [this](TThreadComm* sender, std::uint32_t count) { FReceivePath->OnRxChar(sender, count); };
  RefreshPorts();
  cbxBaudRate->addItems({QStringLiteral("4800"), QStringLiteral("9600"), QStringLiteral("38400")});
  cbxBaudRate->setCurrentIndex(kDefaultBaudItem);
}

void TForm1::ResetConnection() { FConnection->ResetConnection(); }

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
  connect(TreeView1, &QTreeWidget::itemDoubleClicked, this, [this] { FMessageTree->TreeView1DblClick(); });
  TreeView1->installEventFilter(new TreeKeyEvents(*FMessageTree, TreeView1));
  connect(Button1, &QPushButton::clicked, this, [this] { FOutputChecks->ApplyOutputSelection(); });
  connect(Button3, &QPushButton::clicked, this, [this] { FSentenceStates->ApplySentenceStates(); });
  connect(DefaultButton, &QPushButton::clicked, this, [this] { FSentenceStates->RestoreDefaults(); });
  for (const OutputSentence& sentence : kOutputSentences) {
    for (TClickableLabel* control : {this->*sentence.picture, this->*sentence.label}) {
      connect(control, &TClickableLabel::MouseDown, this,
              [this, control] { FSentenceStates->ToggleSentence(Tag(control)); });
    }
  }
  // The receive path's answers to the screens' CTT queries.
  ShowConfigItem = [this](std::int32_t item) { FOutputChecks->FillOutputChecks(item); };
  EnableApplyControls = [this] { FOutputChecks->ShowOutputChecks(true); };
  ShowOutputStates = [this] {
    All0183MsgGroup->setEnabled(true);
    FSentenceStates->ShowSentenceStates();
  };
}

void TForm1::RegisterDeviceNotifications() { FDeviceWatch = std::make_unique<DeviceWatch>(*this); }

void TForm1::ClosePortIfOpen() {
  if (FComm->Connected()) FComm->Close();
}

void TForm1::RerunPortDiscovery() { RefreshPorts(); }

QString TForm1::ConnectedDeviceName() const { return QString::fromStdString(FComm->DeviceName()); }
