#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <string>

#include "OutputSentences.h"
#include "RecordingDialogs.h"
#include "Startup.h"
#include "TClickableLabel.h"
#include "TForm1.h"
#include "TLabeledEdit.h"
#include "Tag.h"
#include "TfrmAbout.h"
#include "comm/ThreadComm.h"

namespace varo {
namespace {

class WindowTest : public testing::Test {
protected:
    WindowTest() : windows(CreateApplicationWindows()), form(*windows.form) {}

    template <class T = QWidget> T* Find(const char* name) const {
        return form.findChild<T*>(QString::fromLatin1(name));
    }

    ApplicationWindows windows;
    TForm1& form;
};

// Every control that the behaviour units address by name, with its kind.
struct NamedControl {
    const char* name;
    std::function<bool(QObject*)> isKind;
};

template <class T> std::function<bool(QObject*)> Kind() {
    return [](QObject* object) { return qobject_cast<T*>(object) != nullptr; };
}

TEST_F(WindowTest, EveryNamedControlExistsWithItsKind) {
    const std::vector<NamedControl> controls = {
        {"Panel1", Kind<QWidget>()},
        {"GroupBoxConnectionMode", Kind<QGroupBox>()},
        {"RadioButtonConnectionModeManual", Kind<QRadioButton>()},
        {"RadioButtonConnectionModeAuto", Kind<QRadioButton>()},
        {"PageControlDetectComPortMode", Kind<QStackedWidget>()},
        {"TabSheetAutoConnectComPort", Kind<QWidget>()},
        {"TabSheetManualDetectComPort", Kind<QWidget>()},
        {"LabelAutoComPort", Kind<QLabel>()},
        {"LabelAutoBaudRate", Kind<QLabel>()},
        {"EditAutoDetectComPort", Kind<QLineEdit>()},
        {"EditAutoDetectBaudRate", Kind<QLineEdit>()},
        {"lblSerialPort", Kind<QLabel>()},
        {"lblBaudRate", Kind<QLabel>()},
        {"cbxComPort", Kind<QComboBox>()},
        {"cbxBaudRate", Kind<QComboBox>()},
        {"ImageConnectToDevice", Kind<QLabel>()},
        {"ImageConnectTwoWay", Kind<QLabel>()},
        {"LabelConnectionStatus", Kind<QLabel>()},
        {"OpenPort", Kind<QToolButton>()},
        {"Image1", Kind<QLabel>()},
        {"SaveSpeedButton", Kind<QToolButton>()},
        {"BitBtn1", Kind<QToolButton>()},
        {"btnExit", Kind<QToolButton>()},
        {"PageControlConf", Kind<QTabWidget>()},
        {"TabSheetStatic", Kind<QWidget>()},
        {"GroupBox5", Kind<QGroupBox>()},
        {"LabeledEdit1", Kind<TLabeledEdit>()},
        {"LabelEdit_NMEA2000_Database_Version", Kind<TLabeledEdit>()},
        {"LabelEdit_NMEA2000_Product_Code", Kind<TLabeledEdit>()},
        {"LabelEdit_Manufacturers_Mode_Version", Kind<TLabeledEdit>()},
        {"LabelEdit_Manufacturers_Model_Serial_Code", Kind<TLabeledEdit>()},
        {"LabelEdit_Manufacturers_Software_Version_Code", Kind<TLabeledEdit>()},
        {"LabelEdit_Certification_Level", Kind<TLabeledEdit>()},
        {"GroupBox4", Kind<QGroupBox>()},
        {"GroupBox7", Kind<QGroupBox>()},
        {"spbBaudRate", Kind<QToolButton>()},
        {"Label2", Kind<QLabel>()},
        {"cbxBaud_NMEA", Kind<QComboBox>()},
        {"GroupBox8", Kind<QGroupBox>()},
        {"Edit1", Kind<QLineEdit>()},
        {"Button2", Kind<QPushButton>()},
        {"LabelEdit_Manufacturers_Model_ID", Kind<TLabeledEdit>()},
        {"LabeledEdit2", Kind<TLabeledEdit>()},
        {"cbxBaud_RS232", Kind<QComboBox>()},
        {"lblFirmVer", Kind<QLabel>()},
        {"Memo1", Kind<QPlainTextEdit>()},
        {"MemoRecord", Kind<QPlainTextEdit>()},
        {"TabSheet1", Kind<QWidget>()},
        {"InputMsgGroup", Kind<QGroupBox>()},
        {"TreeView1", Kind<QTreeWidget>()},
        {"Image3", Kind<QLabel>()},
        {"Label6", Kind<QLabel>()},
        {"DefaultButton", Kind<QPushButton>()},
        {"Image2", Kind<QLabel>()},
        {"OutputMsgGroup", Kind<QGroupBox>()},
        {"Label3", Kind<QLabel>()},
        {"Label5", Kind<QLabel>()},
        {"CheckBox1", Kind<QCheckBox>()},
        {"CheckBox7", Kind<QCheckBox>()},
        {"Button1", Kind<QPushButton>()},
        {"Label4", Kind<QLabel>()},
        {"All0183MsgGroup", Kind<QGroupBox>()},
        {"Button3", Kind<QPushButton>()},
        {"Label9", Kind<QLabel>()},
        {"VDMVDOGroup", Kind<QGroupBox>()},
        {"TabSheet2", Kind<QWidget>()},
        {"StringGrid1", Kind<QTableWidget>()},
        {"MainMenu1", Kind<QMenuBar>()},
        {"mnuFile", Kind<QMenu>()},
        {"Savelog1", Kind<QAction>()},
        {"mnuExit", Kind<QAction>()},
        {"V1", Kind<QMenu>()},
        {"R1", Kind<QAction>()},
        {"mnuOption", Kind<QMenu>()},
        {"mnuLanguage", Kind<QMenu>()},
        {"mnuLangEnglish", Kind<QAction>()},
        {"mnuLangTraChinese", Kind<QAction>()},
        {"mnuLangSimpChinese", Kind<QAction>()},
        {"mnuHelp", Kind<QMenu>()},
        {"mnuAbout", Kind<QAction>()},
        {"PIC_Timer", Kind<QTimer>()},
    };
    for (const NamedControl& control : controls) {
        QObject* found = form.findChild<QObject*>(QString::fromLatin1(control.name));
        ASSERT_NE(found, nullptr) << control.name;
        EXPECT_TRUE(control.isKind(found))
            << control.name << " is a " << found->metaObject()->className();
    }
}

TEST_F(WindowTest, StartsWithTheLinkControlsOffOnTheDataViewPage) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.centralWidget()->size(), QSize(904, 579));
    EXPECT_EQ(form.windowTitle(), "VARO NMEA Configuration");

    EXPECT_EQ(form.PageControlConf->currentIndex(), 2);
    EXPECT_FALSE(form.TabSheetStatic->isEnabled());
    EXPECT_FALSE(form.TabSheet1->isEnabled());
    EXPECT_FALSE(form.SaveSpeedButton->isVisible());
    EXPECT_FALSE(form.BitBtn1->isVisible());
    EXPECT_TRUE(form.StringGrid1->isHidden());
    EXPECT_TRUE(form.Image1->isVisible());
    EXPECT_FALSE(form.Savelog1->isEnabled());
    EXPECT_TRUE(form.mnuOption->menuAction()->isVisible());
    EXPECT_TRUE(form.mnuLangSimpChinese->isVisible());
    EXPECT_TRUE(form.mnuLangEnglish->isChecked());

    EXPECT_EQ(form.PageControlDetectComPortMode->currentWidget(), form.TabSheetManualDetectComPort);
    EXPECT_TRUE(form.RadioButtonConnectionModeManual->isChecked());
    EXPECT_TRUE(form.lblFirmVer->text().isEmpty());
    EXPECT_FALSE(form.LabelConnectionStatus->isEnabled());
    EXPECT_EQ(form.OpenPort->text(), "Connect");
    EXPECT_FALSE(form.OpenPort->isChecked());
    EXPECT_EQ(form.spbBaudRate->text(), "Change NMEA Baud Rate");
    EXPECT_TRUE(form.GroupBox4->isHidden());
    EXPECT_TRUE(form.All0183MsgGroup->isHidden());
    EXPECT_TRUE(form.VDMVDOGroup->isHidden());
    EXPECT_FALSE(form.OutputMsgGroup->isHidden());
    EXPECT_EQ(form.Edit1->text(), "0");
    EXPECT_EQ(form.cbxBaud_NMEA->currentText(), "38400");

    const QStringList pages = {"PROPERTIES", "CONFIGURATION", "NMEA0183 DATA VIEW(OUTPUT)"};
    ASSERT_EQ(form.PageControlConf->count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(form.PageControlConf->tabText(i), pages[i]);

    EXPECT_EQ(form.FTexts.QueryExit, "Are you sure to exit?");
    EXPECT_EQ(form.OpenPortCaption(0), "Connect");
    EXPECT_EQ(form.OpenPortCaption(1), "Disconnect");
}

TEST_F(WindowTest, TimersHaveTheirIntervalsAndAllStartStopped) {
    // The connection and page timers are the device link's, the window holds them.
    const std::vector<std::tuple<const char*, QTimer*, int>> timers = {
        {"Timer1", form.Timer1, 1000},
        {"TimerConnection", form.TimerConnection, 200},
        {"PIC_Timer", form.PIC_Timer, 100},
        {"DetectTabSheet", form.DetectTabSheet, 1}};
    for (const auto& [name, timer, interval] : timers) {
        ASSERT_NE(timer, nullptr) << name;
        EXPECT_EQ(timer->objectName(), name);
        EXPECT_EQ(timer->interval(), interval) << name;
        EXPECT_FALSE(timer->isActive()) << name;
    }
}

TEST_F(WindowTest, ImageListsHoldPicturesOfTheirSizes) {
    const std::vector<std::tuple<const char*, const std::vector<QPixmap>*, std::size_t, QSize>>
        lists = {
            {"ImageListConnectToDevice", &form.ImageListConnectToDevice, 2, QSize(120, 32)},
            {"ImageListConnectTwoWay", &form.ImageListConnectTwoWay, 8, QSize(32, 32)},
            {"ImageList1", &form.ImageList1, 1, QSize(114, 44)},
            {"ImageList2", &form.ImageList2, 3, QSize(16, 16)},
        };
    for (const auto& [name, list, count, size] : lists) {
        ASSERT_GE(list->size(), count) << name;
        for (const QPixmap& picture : *list)
            EXPECT_EQ(picture.size(), size) << name;
    }
    ASSERT_NE(form.Image3->pixmap().isNull(), true);
    EXPECT_EQ(form.Image3->pixmap().size(), QSize(65, 65));
}

TEST_F(WindowTest, OutputSentencesCarryTheirTagsAndCodes) {
    for (const OutputSentence& sentence : kOutputSentences) {
        const QByteArray pictureName = QByteArray(sentence.code) + "Image";
        auto* picture = Find<TClickableLabel>(pictureName.constData());
        auto* label = Find<TClickableLabel>(sentence.labelName);
        ASSERT_NE(picture, nullptr) << sentence.code;
        ASSERT_NE(label, nullptr) << sentence.labelName;
        EXPECT_EQ(picture, form.*sentence.picture);
        EXPECT_EQ(label, form.*sentence.label);
        EXPECT_EQ(Tag(picture), sentence.tag) << sentence.code;
        EXPECT_EQ(Tag(label), sentence.tag) << sentence.code;
        EXPECT_EQ(label->text(), sentence.code);
        EXPECT_EQ(picture->parent(), form.All0183MsgGroup);
    }
    form.show();
    form.SetLinkControls(true);
    form.PageControlConf->setCurrentWidget(form.TabSheet1);
    form.All0183MsgGroup->setEnabled(true);
    form.All0183MsgGroup->show();
    QSignalSpy pressed(form.VDRImage, &TClickableLabel::MouseDown);
    QTest::mouseClick(form.VDRImage, Qt::LeftButton);
    QTest::mouseClick(form.Label20, Qt::RightButton);
    EXPECT_EQ(pressed.count(), 1) << "only the left button toggles";
}

TEST_F(WindowTest, DataGridHasSevenSizedColumnsAndOneEmptyRow) {
    // The seven columns of the data view, then the count and the rate.
    QTableWidget* grid = form.StringGrid1;
    const QStringList headers = {"Line",      "Talker",       "Formatter", "Name",
                                 "Last Time", "Current Time", "Data"};
    const std::vector<int> widths = {52, 52, 65, 273, 84, 86, 324};
    ASSERT_EQ(grid->columnCount(), 9);
    EXPECT_EQ(grid->rowCount(), 1);
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(grid->horizontalHeaderItem(column)->text(), headers[column]);
        EXPECT_EQ(grid->columnWidth(column), widths[static_cast<std::size_t>(column)]);
    }
    EXPECT_FALSE(grid->verticalHeader()->isVisibleTo(grid));
    EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST_F(WindowTest, LinkControlsSwitchOnAndOff) {
    form.show();
    form.SetLinkControls(true);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{form.TabSheetStatic, form.TabSheet1, form.spbBaudRate,
                                         form.TreeView1, form.OutputMsgGroup, form.GroupBox8}) {
        EXPECT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();
    }
    EXPECT_TRUE(form.Savelog1->isEnabled());
    EXPECT_TRUE(form.SaveSpeedButton->isVisible());
    EXPECT_TRUE(form.BitBtn1->isVisible());
    EXPECT_TRUE(form.StringGrid1->isVisible());
    EXPECT_FALSE(form.Image1->isVisible());
    EXPECT_TRUE(form.PIC_Timer->isActive());

    // An armed baud-rate change, a shown output panel and enabled buttons are
    // all undone when the link goes.
    form.baudChangeArmed = true;
    form.spbBaudRate->setChecked(true);
    form.spbBaudRate->setText("Apply");
    form.Label2->show();
    form.cbxBaud_NMEA->show();
    form.LabeledEdit2->show();
    form.LabelEdit_Manufacturers_Model_ID->show();
    form.All0183MsgGroup->setEnabled(true);
    form.All0183MsgGroup->show();
    form.Button1->setEnabled(true);
    form.DefaultButton->setEnabled(true);

    form.SetLinkControls(false);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             form.TabSheetStatic, form.TabSheet1, form.Button1, form.DefaultButton,
             form.spbBaudRate, form.GroupBox8, form.TreeView1, form.OutputMsgGroup,
             form.All0183MsgGroup}) {
        EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();
    }
    for (QWidget* widget :
         std::initializer_list<QWidget*>{form.SaveSpeedButton, form.BitBtn1, form.StringGrid1,
                                         form.LabelEdit_Manufacturers_Model_ID, form.LabeledEdit2,
                                         form.All0183MsgGroup, form.Label2, form.cbxBaud_NMEA}) {
        EXPECT_TRUE(widget->isHidden()) << widget->objectName().toStdString();
    }
    EXPECT_FALSE(form.Savelog1->isEnabled());
    EXPECT_TRUE(form.Image1->isVisible());
    EXPECT_FALSE(form.baudChangeArmed);
    EXPECT_FALSE(form.spbBaudRate->isChecked());
    EXPECT_EQ(form.spbBaudRate->text(), "Change NMEA Baud Rate");
    EXPECT_FALSE(form.DetectTabSheet->isActive());
    EXPECT_FALSE(form.PIC_Timer->isActive());
}

TEST_F(WindowTest, EveryWayOfClosingAsksTheExitQuestion) {
    const std::vector<std::pair<const char*, std::function<void(TForm1&)>>> ways = {
        {"window close", [](TForm1& f) { f.close(); }},
        {"btnExit", [](TForm1& f) { f.btnExit->click(); }},
        {"mnuExit", [](TForm1& f) { f.mnuExit->trigger(); }},
    };
    for (const auto& [way, closeWindow] : ways) {
        SCOPED_TRACE(way);
        form.show();

        RecordingMessageBoxes boxes(MessageResult::Cancel);
        closeWindow(form);
        ASSERT_EQ(boxes.asked.size(), 1u);
        EXPECT_EQ(boxes.asked[0].text, "Are you sure to exit?");
        EXPECT_EQ(boxes.asked[0].caption, "Exit!");
        EXPECT_EQ(boxes.asked[0].buttons, MessageButtons::OkCancel);
        EXPECT_TRUE(form.isVisible());

        boxes.Answer(MessageResult::Ok);
        closeWindow(form);
        EXPECT_EQ(boxes.asked.size(), 2u);
        EXPECT_FALSE(form.isVisible());
    }
}

// Size, page and language chosen in one run open the next one.
TEST_F(WindowTest, SizePageAndLanguageComeBackAfterExit) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.resize(1200, 760);
    form.PageControlConf->setCurrentIndex(0);
    form.mnuLangSimpChinese->trigger();
    RecordingMessageBoxes boxes(MessageResult::Ok);
    form.close();
    ASSERT_FALSE(form.isVisible());

    const ApplicationWindows next = CreateApplicationWindows();
    QFile::remove(next.form->SettingsFile); // the other tests start afresh
    EXPECT_EQ(next.form->size(), QSize(1200, 760));
    EXPECT_EQ(next.form->PageControlConf->currentIndex(), 0);
    EXPECT_EQ(next.form->FLanguage, 2);
    EXPECT_TRUE(next.form->mnuLangSimpChinese->isChecked());
    // The grid's Data column takes the wider window (beside the count columns).
    next.form->show();
    next.form->PageControlConf->setCurrentIndex(2);
    next.form->SetLinkControls(true);
    QApplication::processEvents();
    EXPECT_GT(next.form->StringGrid1->columnWidth(6), 324 + 100);
}

TEST_F(WindowTest, SavedLanguagePicksItsMenuItem) {
    const std::vector<std::pair<int, const char*>> cases = {{0, "mnuLangEnglish"},
                                                            {1, "mnuLangTraChinese"},
                                                            {2, "mnuLangSimpChinese"},
                                                            {7, "mnuLangEnglish"},
                                                            {-1, "mnuLangEnglish"}};
    for (const auto& [language, item] : cases) {
        SCOPED_TRACE(language);
        form.FLanguage = language;
        QAction* chosen = form.LanguageMenuItem(language);
        ASSERT_NE(chosen, nullptr);
        EXPECT_EQ(chosen->objectName(), item);

        QSignalSpy handled(chosen, &QAction::triggered);
        form.ApplySavedLanguage();
        EXPECT_EQ(handled.count(), 1);
        EXPECT_TRUE(chosen->isChecked());
        EXPECT_EQ(Tag(chosen), language == 1 || language == 2 ? language : 0);
    }
}

TEST_F(WindowTest, AboutBoxIsShownWithoutModalityAndOnlyOnce) {
    TfrmAbout* about = form.frmAbout;
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(about->size(), QSize(406, 342));
    EXPECT_EQ(about->Label6->text(), "Ver 1.0.0.3   2013.11.26");
    EXPECT_EQ(about->StaticTextProduct->text(), "VARO NMEA Configuration");
    EXPECT_TRUE(about->Memo1->isReadOnly());
    EXPECT_FALSE(about->Memo1->toPlainText().isEmpty());
    EXPECT_FALSE(about->Image2->pixmap().isNull());

    form.show();
    form.mnuAbout->trigger();
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    form.mnuAboutClick();
    EXPECT_EQ(form.findChildren<TfrmAbout*>().size(), 1);

    about->btnOK->click();
    EXPECT_FALSE(about->isVisible());
    form.mnuAboutClick();
    EXPECT_TRUE(about->isVisible());
}

} // namespace

} // namespace varo
