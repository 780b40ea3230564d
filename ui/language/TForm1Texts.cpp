// Every caption of the window in the language of FTexts. A new control with
// a visible text gets a UiTexts member, an entry in kUiTextTable (its section
// and key in the language files, its English text), the key in the three
// files of lang/, and one line here (or in its unit's ShowTexts).
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "ConnectionStatus.h"
#include "DataView.h"
#include "DeviceInfo.h"
#include "Dialogs.h"
#include "MessageTree.h"
#include "OutputChecks.h"
#include "ProfileActions.h"
#include "TForm1.h"
#include "TLabeledEdit.h"
#include "TfrmAbout.h"
#include "sharing/StreamSharing.h"

namespace varo {

void TForm1::ShowTexts() {
    const UiTexts& texts = FTexts;

    Savelog1->setText(texts.Save_Log);
    V1->setTitle(texts.View);
    R1->setText(texts.Refresh);

    OpenPort->setToolTip(texts.ConnectHint);
    BitBtn1->setToolTip(texts.RefreshHint);

    PageControlConf->setTabText(PageControlConf->indexOf(TabSheetStatic), texts.PropertiesTab);
    GroupBox5->setTitle(texts.ProductInformation);
    const std::pair<TLabeledEdit*, const QString*> readouts[] = {
        {LabeledEdit1, &texts.Nmea0183BaudRate},
        {LabelEdit_NMEA2000_Database_Version, &texts.DatabaseVersion},
        {LabelEdit_NMEA2000_Product_Code, &texts.ProductCode},
        {LabelEdit_Manufacturers_Mode_Version, &texts.ModelVersion},
        {LabelEdit_Manufacturers_Model_Serial_Code, &texts.ModelSerialCode},
        {LabelEdit_Manufacturers_Software_Version_Code, &texts.SoftwareVersionCode},
        {LabelEdit_Certification_Level, &texts.CertificationLevel},
        {LabeledEdit3, &texts.ManufacturerCode},
        {LabeledEdit4, &texts.DeviceInstanceLower},
        {LabeledEdit5, &texts.DeviceInstanceUpper},
        {LabeledEdit6, &texts.DeviceFunction},
        {LabeledEdit7, &texts.DeviceClass},
        {LabeledEdit8, &texts.SystemInstance},
        {LabeledEdit9, &texts.IndustryGroup},
        {LabelEdit_Manufacturers_Model_ID, &texts.ModelId},
        {LabeledEdit2, &texts.DebugBaudRate},
    };
    for (const auto& [readout, caption] : readouts)
        readout->EditLabel->setText(*caption);
    GroupBox4->setTitle(texts.IsoAddressClaim);
    GroupBox7->setTitle(texts.BaudRateGroup);
    spbBaudRate->setText(baudChangeArmed ? texts.ApplyBaudRate : BaudButtonCaption);
    Label2->setText(texts.NewBaudRate);
    GroupBox8->setTitle(texts.FlowRateSetting);
    Label7->setText(texts.FlowRate);
    Label8->setText(texts.FlowRateRange);
    Button2->setText(texts.SetNewFlowRate);

    PageControlConf->setTabText(PageControlConf->indexOf(TabSheet1), texts.ConfigurationTab);
    DefaultButton->setText(texts.Default);
    DefaultButton->setToolTip(texts.DefaultHint);
    Label3->setText(texts.MsgName);
    Button1->setText(texts.Apply);
    All0183MsgGroup->setTitle(texts.Nmea0183OutputMessage);
    Button3->setText(texts.Apply);
    VDMVDOGroup->setTitle(texts.OutputMessage);
    if (FMessageTree != nullptr) FMessageTree->ShowTexts();
    if (FOutputChecks != nullptr) FOutputChecks->ShowTexts();

    PageControlConf->setTabText(PageControlConf->indexOf(TabSheet2), texts.DataViewTab);
    if (FDataView != nullptr) FDataView->ShowTexts();
    if (FProfileActions != nullptr) FProfileActions->ShowTexts();
    if (FStreamSharing != nullptr) FStreamSharing->ShowTexts();

    ShowPortNotes(FPortNotes);
    if (FConnectionStatus != nullptr) FConnectionStatus->UpdateHealth();

    ButtonTexts() =
        StandardButtonTexts{texts.OK, texts.Cancel, texts.Yes, texts.No, texts.FolderKind};
    // Values already shown in words follow the language too.
    if (FDeviceInfo != nullptr && !LabelEdit_Certification_Level->text().isEmpty())
        LabelEdit_Certification_Level->setText(
            CertificationText(texts, FDeviceInfo->Info().certificationLevel));
    if (frmAbout != nullptr) {
        frmAbout->ShowTagline(texts.Tagline);
        frmAbout->setWindowTitle(texts.AboutCaption);
        frmAbout->Label6->setText(texts.Version);
        // The window bears the product's title in the chosen language.
        setWindowTitle(frmAbout->StaticTextProduct->text());
    }
}

void TForm1::ShowResultTexts(const UiTexts& before) {
    static constexpr QString UiTexts::*kResults[] = {&UiTexts::ModifiedSuccessfully,
                                                     &UiTexts::ResultError, &UiTexts::ConnectFail};
    for (QLabel* label : {Label4, Label9}) {
        for (QString UiTexts::*result : kResults) {
            if (!label->text().isEmpty() && label->text() == before.*result) {
                label->setText(FTexts.*result);
                break;
            }
        }
    }
}

} // namespace varo
