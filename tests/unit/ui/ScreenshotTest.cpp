// Pictures of the data view with traffic and of the window in Traditional
// Chinese, saved as PNG files in the build folder.
#include <QAction>
#include <QPixmap>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <string>

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

} // namespace

} // namespace varo
