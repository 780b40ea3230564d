#include "TForm1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>

#include "DataView.h"
#include "LanguageFiles.h"
#include "Tag.h"

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
  RegisterDeviceNotifications();
}

TForm1::~TForm1() = default;

QString TForm1::OpenPortCaption(int tag) const { return tag == 1 ? FTexts.Disconnect : FTexts.Connect; }

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

void TForm1::ComputeSettingsFolder() {}

void TForm1::ReadSettings() {}

void TForm1::SetUpSerialPort() {}

void TForm1::ResetConnection() {}

void TForm1::SetUpAisDecoding() {}

void TForm1::InitMessageScreens() {}

void TForm1::RegisterDeviceNotifications() {}

void TForm1::ClosePortIfOpen() {}

void TForm1::WriteSettings() {}

void TForm1::RerunPortDiscovery() {}

QString TForm1::ConnectedDeviceName() const { return {}; }
