// GoogleTest inside a Qt application on the offscreen platform, in a scratch
// environment (see TestEnvironment).
#include <gtest/gtest.h>

#include <QApplication>

#include "TestEnvironment.h"

int main(int argc, char** argv) {
    const varo::TestEnvironment environment;
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
