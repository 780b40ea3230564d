// Renders the main window and the About box to PNG files in the build
// folder, so the layout can be looked at: the initial state, the link
// controls on, each page, and the output selection panel.
#include <gtest/gtest.h>

#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QPixmap>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

#include "Startup.h"
#include "TForm1.h"
#include "TfrmAbout.h"

namespace varo {
namespace {

QString Shot(QWidget& widget, const char* name) {
    const QString path =
        QDir(QStringLiteral(SCREENSHOT_FOLDER)).filePath(QStringLiteral("%1.png").arg(name));
    QApplication::processEvents();
    const QPixmap picture = widget.grab();
    EXPECT_FALSE(picture.isNull()) << name;
    EXPECT_TRUE(picture.save(path)) << path.toStdString();
    return path;
}

TEST(Screenshots, MainWindowInEachStateAndPage) {
    const ApplicationWindows windows = CreateApplicationWindows();
    TForm1& form = *windows.form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    const QString initial = Shot(form, "window-initial");
    const QImage image(initial);
    EXPECT_EQ(image.width(), 904);

    form.PageControlDetectComPortMode->setCurrentWidget(form.TabSheetAutoConnectComPort);
    Shot(form, "window-auto-mode");
    form.PageControlDetectComPortMode->setCurrentWidget(form.TabSheetManualDetectComPort);

    form.SetLinkControls(true);
    Shot(form, "window-linked");
    const char* pages[] = {"window-page-properties", "window-page-configuration",
                           "window-page-dataview"};
    for (int page = 0; page < 3; ++page) {
        form.PageControlConf->setCurrentIndex(page);
        Shot(form, pages[page]);
    }

    form.PageControlConf->setCurrentIndex(1);
    form.OutputMsgGroup->hide();
    form.All0183MsgGroup->setEnabled(true);
    form.All0183MsgGroup->show();
    Shot(form, "window-output-selection");

    windows.about->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(windows.about));
    Shot(*windows.about, "about");
}

} // namespace

} // namespace varo
