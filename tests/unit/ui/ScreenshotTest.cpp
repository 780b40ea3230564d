// Pictures of the data view with traffic and of the window in Traditional
// Chinese, saved as PNG files in the build folder.
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <string>
#include <utility>

#include "Dialogs.h"

#include "TfrmAbout.h"
#include "UiTestSupport.h"

namespace varo {
namespace {

class Screenshots : public UiTest {
protected:
    void Shot(QWidget& widget, const char* name) {
        QApplication::processEvents();
        const QString path =
            QDir(QStringLiteral(SCREENSHOT_FOLDER)).filePath(QString::fromLatin1(name) + ".png");
        const QPixmap picture = widget.grab();
        EXPECT_FALSE(picture.isNull()) << name;
        EXPECT_TRUE(picture.save(path)) << path.toStdString();
    }
};

// What a gateway with a GNSS receiver, a compass, an echo sounder, a wind
// sensor and an AIS transponder sends, a little at a time.
const char* const kTraffic[] = {
    "$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,*76\r\n",
    "$GPGLL,5321.6802,N,00630.3372,W,092750.000,A,A*4B\r\n",
    "$GPGSA,A,3,10,07,05,02,29,04,08,13,,,,,1.72,1.03,1.38*0A\r\n",
    "$GPGSV,3,1,11,10,63,137,17,07,61,098,15,05,59,290,20,08,54,157,30*70\r\n",
    "$GPRMC,092750.000,A,5321.6802,N,00630.3372,W,0.02,31.66,280511,,,A*43\r\n",
    "$GPVTG,31.66,T,,M,0.02,N,0.04,K,A*09\r\n",
    "$GPZDA,092750.000,28,05,2011,00,00*52\r\n",
    "$HEHDT,274.07,T*19\r\n",
    "$HEHDG,271.3,,,0.9,W*33\r\n",
    "$HEROT,-0.3,A*05\r\n",
    "$SDDPT,3.4,0.2*52\r\n",
    "$SDDBT,11.2,f,3.4,M,1.8,F*3A\r\n",
    "$VWVHW,,T,,M,4.5,N,8.3,K*5E\r\n",
    "$VWVLW,1234.5,N,12.3,N*4D\r\n",
    "$WIMWV,214.8,R,0.1,K,A*28\r\n",
    "$WIMWD,,T,,M,10.2,N,5.2,M*6E\r\n",
    "$WIVWR,75,R,1.0,N,0.51,M,1.85,K*72\r\n",
    "$YXMTW,17.5,C*11\r\n",
    "$IIRSA,10.5,A,,*1B\r\n",
    "$IIXTE,A,A,0.67,L,N*78\r\n",
    "$IIAPB,A,A,0.10,R,N,V,V,011,M,DEST,011,M,011,M*2B\r\n",
    "$IIVDR,10.1,T,12.3,M,1.2,N*3A\r\n",
    "!AIVDM,1,1,,A,13aEOK?P00PD2wVMdLDRhgvL289?,0*26\r\n",
    "!AIVDO,1,1,,,B3aEOK000000PD2wVMdLDRhgvL289?,0*79\r\n",
    "$GNGGA,092751.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,*69\r\n",
    "$GLGSV,2,1,07,65,27,045,22,66,74,339,30,67,40,257,28,74,20,029,17*6C\r\n",
    "$GNRMC,092751.000,A,5321.6802,N,00630.3372,W,0.02,31.66,280511,,,A*5C\r\n",
    "$CDDSC,20,3380210040,00,21,26,1423108312,2021,,,B,E*7E\r\n",
};

TEST_F(Screenshots, DataViewWithTrafficAndWindowInTraditionalChinese) {
    form.resize(904, 640);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.SetLinkControls(true);
    form.PageControlConf->setCurrentIndex(2);
    // Three rounds, a second apart; the repeats fill Last Time.
    for (int second = 0; second < 3; ++second) {
        for (const char* line : kTraffic) {
            now = {9, 27, 50 + second};
            view.ShowSentence(line);
        }
    }
    view.Repaint();
    EXPECT_EQ(view.RowsInUse(), static_cast<int>(std::size(kTraffic)));
    Shot(form, "dataview-traffic");

    for (const char* name : {"Lang-TW.ini", "ReadMe-TW.txt"}) {
        QFile source(QDir(QStringLiteral(LANG_SOURCE_FOLDER)).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        WriteFile(QStringLiteral("program/Lang/") + name, source.readAll());
    }
    form.AppFolder = Path("program") + "/";
    form.SetLinkControls(false);
    form.mnuLangTraChinese->trigger();
    Shot(form, "window-traditional-chinese");
    windows.about->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(windows.about));
    Shot(*windows.about, "about-traditional-chinese");
}

// Each page, the About box and the link's message boxes in each language,
// with the connection controls greyed as while connected; then the window
// under a dark desktop palette.
TEST_F(Screenshots, EveryPageAboutAndMessagesInEachLanguage) {
    for (const QString& name : QDir(QStringLiteral(LANG_SOURCE_FOLDER)).entryList(QDir::Files))
        WriteFile("program/Lang/" + name, ReadAll(QStringLiteral(LANG_SOURCE_FOLDER "/") + name));
    form.AppFolder = Path("program") + "/";
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.SetLinkControls(true);
    form.EnableModeControls(false);
    for (const char* line : kTraffic)
        view.ShowSentence(line);

    const std::pair<QAction*, const char*> languages[] = {{form.mnuLangEnglish, "en"},
                                                          {form.mnuLangTraChinese, "tw"},
                                                          {form.mnuLangSimpChinese, "cn"}};
    for (const auto& [item, code] : languages) {
        item->trigger();
        const std::string prefix = std::string("lang-") + code;
        for (int page = 0; page < 3; ++page) {
            form.PageControlConf->setCurrentIndex(page);
            Shot(form, (prefix + "-page-" + std::to_string(page)).c_str());
        }
        windows.about->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(windows.about));
        Shot(*windows.about, (prefix + "-about").c_str());
        windows.about->hide();

        const UiTexts& texts = form.FTexts;
        const std::pair<QString, MessageButtons> messages[] = {
            {texts.PortLost.arg(5), MessageButtons::Ok},
            {texts.Reconnecting.arg(5).arg(38400), MessageButtons::Ok},
            {texts.ManualConnectTimeOut + "\n" + texts.CauseOtherSpeed, MessageButtons::Ok},
            {texts.NotTaken.arg("GGA, RMC"), MessageButtons::Ok},
            {texts.BaudRateNotTaken.arg(38400), MessageButtons::Ok},
            {texts.CheckPortError, MessageButtons::OkCancel},
            {texts.SaveChanges, MessageButtons::YesNo},
        };
        int number = 0;
        for (const auto& [text, buttons] : messages) {
            const auto box = BuildMessageBox(text, texts.Warning, MessageIcon::Warning, buttons);
            box->show();
            Shot(*box, (prefix + "-message-" + std::to_string(number++)).c_str());
        }
    }

    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::Button, QColor(0x40, 0x40, 0x40));
    dark.setColor(QPalette::ButtonText, QColor(0xE0, 0xE0, 0xE0));
    const QPalette before = QApplication::palette();
    QApplication::setPalette(dark);
    {
        const ApplicationWindows darkWindows = CreateApplicationWindows();
        TForm1& darkForm = *darkWindows.form;
        darkForm.AppFolder = form.AppFolder;
        darkForm.mnuLangTraChinese->trigger();
        darkForm.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&darkForm));
        darkForm.SetLinkControls(true);
        darkForm.EnableModeControls(false);
        darkForm.PageControlConf->setCurrentIndex(0);
        Shot(darkForm, "dark-palette-properties");
        darkWindows.about->show();
        Shot(*darkWindows.about, "dark-palette-about");
    }
    QApplication::setPalette(before);
}

} // namespace

} // namespace varo
