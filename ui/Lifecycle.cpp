// The main window's own behaviour: the link controls, exit, the About box
// and the saved language at start.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include "DataView.h"
#include "DeviceLink.h"
#include "ProfileActions.h"
#include "TForm1.h"
#include "TLabeledEdit.h"
#include "TfrmAbout.h"

namespace varo {

void TForm1::SetLinkControls(bool on) {
    TabSheetStatic->setEnabled(on);
    TabSheet1->setEnabled(on);
    spbBaudRate->setEnabled(on);
    TreeView1->setEnabled(on);
    OutputMsgGroup->setEnabled(on);
    GroupBox8->setEnabled(on);
    // A running log can always be stopped, link or not.
    const bool recording = FDataView != nullptr && FDataView->IsRecording();
    Savelog1->setEnabled(on || recording);
    if (FProfileActions != nullptr) FProfileActions->EnableActions(on);
    SaveSpeedButton->setVisible(on || recording);
    BitBtn1->setVisible(on);
    StringGrid1->setVisible(on);
    Image1->setVisible(!on);
    if (on) {
        if (FDataView != nullptr) FDataView->NewConnection();
        PIC_Timer->start();
        return;
    }
    Button1->setEnabled(false);
    DefaultButton->setEnabled(false);
    // An unfinished baud-rate change is abandoned.
    baudChangeArmed = false;
    spbBaudRate->setChecked(false);
    spbBaudRate->setText(BaudButtonCaption);
    Label2->hide();
    cbxBaud_NMEA->hide();
    LabelEdit_Manufacturers_Model_ID->hide();
    LabeledEdit2->hide();
    All0183MsgGroup->setEnabled(false);
    All0183MsgGroup->hide();
    DetectTabSheet->stop();
    PIC_Timer->stop();
}

void TForm1::btnExitClick() {
    close();
}

bool TForm1::FormClose() {
    if (ModalMessage(FTexts.QueryExit, FTexts.Exit_Caption, MessageIcon::None,
                     MessageButtons::OkCancel) != MessageResult::Ok) {
        return false;
    }
    if (FDataView->IsRecording()) FDataView->StopLog();
    FLink->Close();
    WriteSettings();
    return true;
}

void TForm1::mnuAboutClick() {
    if (frmAbout == nullptr) return;
    frmAbout->show();
    frmAbout->raise();
    frmAbout->activateWindow();
}

QAction* TForm1::LanguageMenuItem(int language) const {
    switch (language) {
    case 1:
        return mnuLangTraChinese;
    case 2:
        return mnuLangSimpChinese;
    default:
        return mnuLangEnglish;
    }
}

void TForm1::ApplySavedLanguage() {
    // The items form an exclusive group: triggering ticks the item (a ticked
    // one stays ticked) and runs the language handler connected to it.
    LanguageMenuItem(FLanguage)->trigger();
}

} // namespace varo
