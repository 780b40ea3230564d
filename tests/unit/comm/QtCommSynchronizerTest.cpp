#include "comm/QtCommSynchronizer.h"
#include "PtyPair.h"
#include "comm/ThreadComm.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

namespace varo {
namespace {

bool ProcessUntil(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

TEST(QtCommSynchronizer, EventsRunOnTheContextThread) {
    PtyPair pty;
    QObject context;
    TComm port(std::make_shared<TQtCommSynchronizer>(&context));
    port.SetDeviceName(pty.SlavePath);
    std::string received;
    QThread* raisedOn = nullptr;
    port.OnRxChar = [&](TThreadComm* sender, std::uint32_t count) {
        raisedOn = QThread::currentThread();
        std::string buffer(count, '\0');
        const int n = sender->Read(buffer.data(), int(count));
        received.append(buffer.data(), std::size_t(std::max(n, 0)));
    };
    port.Open();
    ASSERT_TRUE(port.Connected());
    ASSERT_TRUE(pty.Send("$GPGLL*00\r\n"));
    ASSERT_TRUE(ProcessUntil([&] { return received.size() >= 11; }));
    EXPECT_EQ(received, "$GPGLL*00\r\n");
    EXPECT_EQ(raisedOn, context.thread());

    // The event thread now waits in a hand-over that the event loop has not
    // run: Close must still return, and the late call must do nothing.
    ASSERT_TRUE(pty.Send("more"));
    QThread::msleep(50);
    port.Close();
    received.clear();
    QCoreApplication::processEvents();
    EXPECT_TRUE(received.empty());
}

} // namespace

} // namespace varo

int main(int argc, char** argv) {
    using namespace varo;
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
