#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "Dialogs.h"
#include "LinkView.h"
#include "UiTexts.h"

class QAction;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QStatusBar;
class QTabWidget;
class QTableWidget;
class QTimer;
class QToolButton;
class QTreeWidget;
class QWidget;

namespace varo {

class TClickableLabel;
class TLabeledEdit;
class TfrmAbout;
class ConnectionStatus;
class DeviceLink;
class DataView;
class LanguageFiles;
class DeviceInfo;
class BaudFlowCommands;
class LinkWatchdog;
class MessageTree;
class ProfileActions;
class OutputChecks;
class SentenceStates;
class StreamSharing;

// The main window. It owns every control, addressed by the units that give
// them behaviour through the public members below, the state of the run
// that those units share, and the device link, whose reports it shows
// (LinkView). Behaviour lives in those units; this class holds only the
// window's own lifecycle: construction, the link controls, exit and the
// About box.
class TForm1 : public QMainWindow, public LinkView {
    Q_OBJECT

public:
    TForm1();
    ~TForm1() override;

    // Switches the controls that need a live link on or off.
    void SetLinkControls(bool on) override;

    // btnExit and mnuExit: closes the window, which asks the exit question.
    void btnExitClick();
    // The exit question, asked on every way of closing; true when the window
    // may close. On OK a running log is ended, the port closed and the
    // settings written; Cancel changes nothing.
    bool FormClose();
    // Shows the About box without making it modal, or brings it forward.
    void mnuAboutClick();

    // The language menu item for a language index: 1 Traditional Chinese,
    // 2 Simplified Chinese, anything else English.
    QAction* LanguageMenuItem(int language) const;
    // Ticks the item of FLanguage and runs its handler (the item's triggered signal).
    void ApplySavedLanguage();

    // Shows every caption of the window and the About box from FTexts: run
    // after each language file is read, so a switch takes effect at once.
    void ShowTexts();
    // The result labels already on screen, in the language of FTexts: a
    // label that shows one of `before`'s results shows the same result anew.
    void ShowResultTexts(const UiTexts& before);

    // The caption of OpenPort for its tag: 0 "Connect", 1 "Disconnect".
    QString OpenPortCaption(int tag) const;

    // The Connect button's handler: connects or disconnects by its tag.
    void OpenPortClick();
    // Port discovery: the present and openable ports and the port list.
    void RefreshPorts();

    // ---- Shared state of the run (UI thread only) ----
    std::int32_t FLanguage = 0;   // 0 English, 1 Traditional Chinese, 2 Simplified Chinese
    UiTexts FTexts;               // message and status texts of the current language
    bool baudChangeArmed = false; // between the two presses of spbBaudRate
    // spbBaudRate's caption while no change is armed: the language file's
    // TAB_BAUD "Change NMEA Baud Rate" once one was read.
    QString BaudButtonCaption = QStringLiteral("Change NMEA Baud Rate");

    QString AppFolder;      // folder of the program file, with a trailing separator
    QString SettingsFolder; // where the settings file lives, with a trailing separator
    QString SettingsFile;

    // The About box, created after this window.
    TfrmAbout* frmAbout = nullptr;

    // ---- Behaviour units ----
    std::unique_ptr<DataView> FDataView;                 // the data grid and the data log
    std::unique_ptr<LanguageFiles> FLanguageFiles;       // the language menu and files
    std::unique_ptr<DeviceInfo> FDeviceInfo;             // the PROPERTIES page's read-outs
    std::unique_ptr<BaudFlowCommands> FBaudFlowCommands; // baud-rate and flow-rate commands
    std::unique_ptr<LinkWatchdog> FLinkWatchdog;         // PIC_Timer's silence watch
    std::unique_ptr<MessageTree> FMessageTree;           // the input message tree
    std::unique_ptr<OutputChecks> FOutputChecks; // an input's output check boxes and their Apply
    std::unique_ptr<SentenceStates> FSentenceStates; // the NMEA 0183 output selection and Default
    std::unique_ptr<ConnectionStatus> FConnectionStatus; // the status pictures and label
    std::unique_ptr<ProfileActions> FProfileActions;     // File: save, apply, compare profiles
    std::unique_ptr<StreamSharing> FStreamSharing;       // Option: share the received stream
    // The device link. Declared after every unit so that it closes first: its
    // events reach them.
    std::unique_ptr<DeviceLink> FLink;

    // ---- Top panel ----
    QWidget* Panel1;
    QGroupBox* GroupBoxConnectionMode;
    QRadioButton* RadioButtonConnectionModeManual;
    QRadioButton* RadioButtonConnectionModeAuto;
    QStackedWidget* PageControlDetectComPortMode;
    QWidget* TabSheetAutoConnectComPort;
    QLabel* LabelAutoComPort;
    QLabel* LabelAutoBaudRate;
    QLineEdit* EditAutoDetectComPort;
    QLineEdit* EditAutoDetectBaudRate;
    QWidget* TabSheetManualDetectComPort;
    QLabel* lblSerialPort;
    QLabel* lblBaudRate;
    QComboBox* cbxComPort;
    QComboBox* cbxBaudRate;
    QLabel* lblPortNote; // what the chosen port is: its adapter, who holds it
    QLabel* ImageConnectToDevice;
    QLabel* ImageConnectTwoWay;
    QLabel* LabelConnectionStatus;
    QToolButton* OpenPort; // a toggle, group 99; tag 0 not connected, 1 connecting or connected
    QLabel* Image1;
    QToolButton* SaveSpeedButton; // a toggle, group 102
    QToolButton* BitBtn1;
    QToolButton* btnExit;

    // ---- Pages ----
    QTabWidget* PageControlConf;

    // PROPERTIES
    QWidget* TabSheetStatic;
    QGroupBox* GroupBox5;
    TLabeledEdit* LabeledEdit1;
    TLabeledEdit* LabelEdit_NMEA2000_Database_Version;
    TLabeledEdit* LabelEdit_NMEA2000_Product_Code;
    TLabeledEdit* LabelEdit_Manufacturers_Mode_Version;
    TLabeledEdit* LabelEdit_Manufacturers_Model_Serial_Code;
    TLabeledEdit* LabelEdit_Manufacturers_Software_Version_Code;
    TLabeledEdit* LabelEdit_Certification_Level;
    QGroupBox* GroupBox4;
    TLabeledEdit* LabeledEdit3; // ISO address claim read-outs, "Manufacturer Code" ...
    TLabeledEdit* LabeledEdit4;
    TLabeledEdit* LabeledEdit5;
    TLabeledEdit* LabeledEdit6;
    TLabeledEdit* LabeledEdit7;
    TLabeledEdit* LabeledEdit8;
    TLabeledEdit* LabeledEdit9; // ... "Industry Group"
    QGroupBox* GroupBox7;
    QToolButton* spbBaudRate; // a toggle
    QLabel* Label2;
    QComboBox* cbxBaud_NMEA;
    QGroupBox* GroupBox8;
    QLabel* Label7; // "Flow Rate : "
    QLineEdit* Edit1;
    QLabel* Label8; // "(1 ~ 5 sec)  (0: no constraint)"
    QPushButton* Button2;
    TLabeledEdit* LabelEdit_Manufacturers_Model_ID;
    TLabeledEdit* LabeledEdit2;
    QLabel* Label1; // "RS-232"
    QComboBox* cbxBaud_RS232;
    QLabel* lblFirmVer;
    QPlainTextEdit* Memo1;
    QPlainTextEdit* MemoRecord;

    // CONFIGURATION
    QWidget* TabSheet1;
    QGroupBox* InputMsgGroup;
    QTreeWidget* TreeView1;
    QLabel* Image3;
    QLabel* Label6;
    QPushButton* DefaultButton;
    QLabel* Image2;
    QGroupBox* OutputMsgGroup;
    QLabel* Label3;
    QLabel* Label5;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox6;
    QCheckBox* CheckBox7;
    QPushButton* Button1;
    QLabel* Label4;
    QGroupBox* All0183MsgGroup;
    // Each picture and its label carry the sentence's tag (see OutputSentences.h).
    TClickableLabel *GGAImage, *GLLImage, *GSAImage, *GSVImage, *RMCImage, *VTGImage;
    TClickableLabel *ZDAImage, *ROTImage, *HDTImage, *HDGImage, *VDMImage;
    TClickableLabel *DSCImage, *RSAImage, *VHWImage, *VLWImage, *DPTImage, *DBTImage;
    TClickableLabel *XTEImage, *APBImage, *VWRImage, *MWVImage, *MWDImage, *MTWImage, *VDRImage;
    TClickableLabel *Label10, *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17;
    TClickableLabel *Label18, *Label19, *Label20, *Label21, *Label22, *Label23, *Label24, *Label25;
    TClickableLabel *Label26, *Label27, *Label28, *Label29, *Label30, *Label31, *Label32, *Label33;
    QPushButton* Button3;
    QLabel* Label9;
    QGroupBox* VDMVDOGroup;

    // NMEA0183 DATA VIEW(OUTPUT). The header is the grid's fixed row, so
    // grid row r (1, 2 ...) is table row r - 1.
    QWidget* TabSheet2;
    QTableWidget* StringGrid1;

    // ---- Link health, below every page ----
    QStatusBar* HealthBar;
    QLabel* lblHealth;
    QTimer* HealthTimer; // 500 ms, refreshes the health bar and the stale rows

    // ---- Menu ----
    QMenu* mnuFile;
    QAction* Savelog1;
    QAction* mnuExit;
    QMenu* V1;
    QAction* R1;
    QMenu* mnuOption;
    QMenu* mnuLanguage;
    QAction* mnuLangEnglish;     // tag 0
    QAction* mnuLangTraChinese;  // tag 1
    QAction* mnuLangSimpChinese; // tag 2
    QMenu* mnuHelp;
    QAction* mnuAbout;

    // ---- Timers ----
    QTimer* Timer1;          // 1000 ms, a connection step (the link's)
    QTimer* TimerConnection; // 200 ms, the connecting animation (the link's)
    QTimer* PIC_Timer;       // 100 ms, the link watchdog
    QTimer* DetectTabSheet;  // 1 ms, the page watcher (the link's)

    // ---- Image lists ----
    std::vector<QPixmap> ImageListConnectToDevice; // 120 x 32
    std::vector<QPixmap> ImageListConnectTwoWay;   // 32 x 32
    std::vector<QPixmap> ImageList1;               // 114 x 44
    std::vector<QPixmap> ImageList2;               // 16 x 16: sentence off, on, reported 2

    // ---- Dialogs ----
    TSaveDialog SaveLogFileDialog;

    // ---- LinkView: what the device link reads from and shows on the window ----
    bool AutoMode() const override;
    QString ChosenPort() const override;
    int ChosenBaudItem() const override;
    void ShowChosenPort(int number) override;
    void ShowChosenBaudItem(int item) override;
    void ShowPorts(const std::vector<std::string>& items, const std::string& selected) override;
    void ShowConnectionMode(bool automatic) override;
    void ShowAutoDetect(const QString& port, const QString& baud) override;
    void ShowConnectButton(bool down) override;
    void EnableModeControls(bool on) override;
    void ShowLinkStatus(LinkStatus status) override;
    void AnimateConnecting() override;
    void ReportFailure(LinkFailure failure, FailureCause cause) override;
    void ReportPortLost(int number) override;
    void ReportReconnecting(int number, int baudItem) override;
    void ShowPortNotes(const std::vector<PortNote>& notes) override;
    void ShowSkippedPorts(const std::vector<int>& numbers) override;
    bool ConfirmForcedConnect() override;
    bool ConfigurationPageShown() const override;
    void RunWatchdog(bool on) override;
    void ShowReceivedLine(std::string_view line, LineDrop drop) override;
    void ShowSentence(const char* line) override;
    void ShowStaticData(const ProductInfo& info) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Building the controls, one part of the window each.
    void BuildWindow();
    void BuildTopPanel();
    void BuildConnectionModeGroup();
    void BuildPropertiesPage();
    void BuildConfigurationPage();
    void BuildOutputMessageGroups();
    void BuildDataViewPage();
    void BuildMenu();
    void BuildTimers();
    void BuildHealthBar();
    void LoadImageLists();
    void ConnectSignals();

    // Construction steps served by the settings, serial and discovery units.
    void ComputeAppFolder();
    void ComputeSettingsFolder();     // SettingsFolder (created if missing) and SettingsFile
    void ReadSettings();              // FLanguage from SettingsFile
    void RestoreConnectionSettings(); // the last port, speed and mode, when still offered
    void RestoreWindowSettings();     // the last size, place and page
    void SetUpSerialPort();    // the device link, the baud list, port discovery, default selections
    void ResetConnection();    // the connection manager's idle state
    void SetUpAisDecoding();   // AIS layouts, message buffers and target table
    void InitMessageScreens(); // the message configuration screens
    void CreateViewUnits();    // the data view and the language files, connected to their controls
    void CreateDeviceUnits();  // device information, baud and flow commands, the link watchdog
    // Exit steps served by those units.
    void WriteSettings();
    // The notes of the ports listed, one per item of cbxComPort.
    std::vector<PortNote> FPortNotes;
    void ShowChosenPortNote();
    // What the port box adds to a port's number: absent, busy, access denied; empty when free.
    QString PortMark(const PortNote& note) const;
    QString FSkippedPorts; // the Auto scan's word on the ports it passes over
};

} // namespace varo
