// The program itself starts on the offscreen platform and keeps running
// until it is told to stop.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace varo {
namespace {

TEST(Program, StartsAndStaysUp) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VARO_CONFIG_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted(5000));
    EXPECT_FALSE(program.waitForFinished(1500)) << program.readAllStandardError().toStdString();
    EXPECT_EQ(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished(5000);
}

} // namespace

} // namespace varo
