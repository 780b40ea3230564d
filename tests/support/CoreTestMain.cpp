// GoogleTest inside a Qt core application (event loop and timers, no
// widgets), in a scratch environment (see TestEnvironment).
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "TestEnvironment.h"

int main(int argc, char** argv) {
    const varo::TestEnvironment environment;
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
