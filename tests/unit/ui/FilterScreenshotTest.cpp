// Pictures of the CONFIGURATION page against the simulated gateway, saved as
// PNG files in the build folder: GGA's outputs, RMC's seven, and the NMEA 0183
// output selection.
#include <QDir>
#include <QPixmap>

#include "FilterTestSupport.h"
#include "TClickableLabel.h"

namespace varo {
namespace {

class FilterScreenshots : public FilterTest {
protected:
    void Shot(const char* name) {
        QApplication::processEvents();
        const QString path =
            QDir(QStringLiteral(SCREENSHOT_FOLDER)).filePath(QString::fromLatin1(name) + ".png");
        const QPixmap picture = form.grab();
        EXPECT_FALSE(picture.isNull()) << name;
        EXPECT_TRUE(picture.save(path)) << path.toStdString();
    }
};

TEST_F(FilterScreenshots, GgaRmcAndTheOutputSelection) {
    ConnectToGateway();
    Select(QStringLiteral("GGA"));
    form.CheckBox4->click();
    Shot("configuration-gga");

    Select(QStringLiteral("RMC"));
    ASSERT_EQ(BoxStates(), "1111111");
    form.CheckBox6->click();
    form.Button1->click();
    Shot("configuration-rmc");

    SelectOutputStates();
    for (TClickableLabel* picture : {form.GLLImage, form.VDMImage, form.DBTImage}) {
        QTest::mouseClick(picture, Qt::LeftButton);
    }
    form.Button3->click();
    Shot("configuration-output-selection");
}

} // namespace

} // namespace varo
