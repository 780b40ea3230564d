// Runs GoogleTest inside a Qt application on the offscreen platform, so the
// window tests need no display (also while CTest lists the tests). The window
// finds its ports in an empty COM folder of the run and keeps its settings in
// the toolkit's test folders, so the user's own are never touched.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir comFolder;
  qputenv("VARO_COM_DIR", comFolder.path().toLocal8Bit());
  QStandardPaths::setTestModeEnabled(true);
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
