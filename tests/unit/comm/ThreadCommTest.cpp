#include "comm/ThreadComm.h"
#include "PtyPair.h"
#include "comm/CustomBaud.h"
#include "platform/SerialDevice.h"

#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace varo {
namespace {

using namespace std::chrono_literals;

// Counts the hand-overs the event thread has posted.
class CountingSynchronizer : public TQueueCommSynchronizer {
public:
    void Post(std::function<void()> call) override {
        TQueueCommSynchronizer::Post(std::move(call));
        ++Posted;
    }
    bool WaitPosted(int count) const {
        for (int i = 0; i < 2000 && Posted < count; ++i)
            std::this_thread::sleep_for(1ms);
        return Posted >= count;
    }
    std::atomic<int> Posted{0};
};

class PortTest : public testing::Test {
protected:
    PortTest() : Port(Sync) { Port.SetDeviceName(Pty.SlavePath); }

    // Runs posted events until `done` holds or nothing arrives for a while.
    template <class Pred> bool PumpUntil(Pred done) {
        while (!done())
            if (!Sync->ProcessOne(2000ms)) return false;
        return true;
    }

    PtyPair Pty;
    std::shared_ptr<CountingSynchronizer> Sync = std::make_shared<CountingSynchronizer>();
    TComm Port;
};

TEST(CommDefaults, AfterConstruction) {
    TComm port;
    EXPECT_EQ(port.DeviceName(), "Com2");
    EXPECT_EQ(port.BaudRate(), TBaudRate::br9600);
    EXPECT_EQ(port.Parity(), TParity::paNone);
    EXPECT_EQ(port.StopBits(), TStopBits::sb10);
    EXPECT_EQ(port.DataBits(), TDataBits::da8);
    EXPECT_EQ(port.FlowControl(), TFlowControl::fcDefault);
    EXPECT_TRUE(port.Options().Empty());
    EXPECT_EQ(port.ReadBufSize(), 4096);
    EXPECT_EQ(port.WriteBufSize(), 2048);
    EXPECT_EQ(port.ReadTimeout(), 1000);
    EXPECT_EQ(port.WriteTimeout(), 1000);
    EXPECT_EQ(port.SuspendTime(), 5u);
    EXPECT_EQ(port.MonitorEvents(), AllCommEvents);
    EXPECT_EQ(port.EventChars().XOnChar(), 17);
    EXPECT_EQ(port.EventChars().XOffChar(), 19);
    EXPECT_EQ(port.EventChars().ErrorChar(), 0);
    EXPECT_EQ(port.EventChars().EofChar(), 0);
    EXPECT_EQ(port.EventChars().EvtChar(), 0);
    EXPECT_FALSE(port.Connected());
}

TEST(CommClosed, MissingDeviceAndClosedIo) {
    TComm port(std::make_shared<TQueueCommSynchronizer>());
    port.SetDeviceName("/nonexistent/ttyX");
    EXPECT_NO_THROW(port.Open());
    EXPECT_FALSE(port.Connected());
    char buffer[4] = {};
    EXPECT_EQ(port.Read(buffer, sizeof buffer), -1);
    EXPECT_EQ(port.Write("x", 1), -1);
    EXPECT_NO_THROW(port.Close());

    port.SetDeviceName("/dev/null"); // a character device, but no terminal
    port.Open();
    EXPECT_FALSE(port.Connected());
}

TEST_F(PortTest, SpeedReachesTheDevice) {
    Port.SetBaudRate(TBaudRate::br38400); // stored while closed, applied by Open
    Port.Open();
    ASSERT_TRUE(Port.Connected());
    termios seen{};
    ASSERT_EQ(::tcgetattr(Pty.Master, &seen), 0);
    EXPECT_EQ(cfgetospeed(&seen), speed_t(B38400));
    EXPECT_EQ(seen.c_lflag & ICANON, 0u);

    Port.SetBaudRate(TBaudRate::br256000); // non-standard rate while open
    EXPECT_EQ(ReadBaudRate(Pty.Master), 256000u);
    Port.SetBaudRate(TBaudRate::br4800);
    EXPECT_EQ(ReadBaudRate(Pty.Master), 4800u);
}

TEST_F(PortTest, SameValueSetterLeavesTheDeviceAlone) {
    Port.Open();
    ASSERT_TRUE(Port.Connected());
    termios changed{};
    ::tcgetattr(Pty.Master, &changed);
    cfsetospeed(&changed, B1200);
    cfsetispeed(&changed, B1200);
    ASSERT_EQ(::tcsetattr(Pty.Master, TCSANOW, &changed), 0);

    Port.SetBaudRate(TBaudRate::br9600); // its current value
    EXPECT_EQ(ReadBaudRate(Pty.Master), 1200u);
    Port.SetBaudRate(TBaudRate::br19200);
    EXPECT_EQ(ReadBaudRate(Pty.Master), 19200u);
}

TEST_F(PortTest, SettersOfClosedOnlyPropertiesIgnoredWhileOpen) {
    Port.Open();
    ASSERT_TRUE(Port.Connected());
    Port.SetDeviceName("Com9");
    Port.SetReadBufSize(1);
    Port.SetWriteBufSize(1);
    Port.SetSuspendTime(99);
    Port.SetMonitorEvents({TCommEventType::evBreak});
    EXPECT_EQ(Port.DeviceName(), Pty.SlavePath);
    EXPECT_EQ(Port.ReadBufSize(), 4096);
    EXPECT_EQ(Port.WriteBufSize(), 2048);
    EXPECT_EQ(Port.SuspendTime(), 5u);
    EXPECT_EQ(Port.MonitorEvents(), AllCommEvents);
    Port.Close();
    Port.SetSuspendTime(99);
    EXPECT_EQ(Port.SuspendTime(), 99u);
}

TEST_F(PortTest, OpenErrors) {
    Port.Open();
    try {
        Port.Open();
        FAIL() << "second Open did not throw";
    } catch (const ECommError& error) {
        EXPECT_STREQ(error.what(), "Port already assigned (open) (Error: -1)");
    }
    EXPECT_TRUE(Port.Connected());
    Port.Close();

    Port.SetDataBits(TDataBits::da4);
    EXPECT_THROW(Port.Open(), ECommError);
    EXPECT_FALSE(Port.Connected()); // not left open with refused settings
    EXPECT_EQ(platform::OpenSerialExclusive(Pty.SlavePath) >= 0, true) << "device still held";
}

TEST_F(PortTest, ExclusiveUseAlsoForRoot) {
    Port.Open();
    ASSERT_TRUE(Port.Connected());
    TComm second(Sync);
    second.SetDeviceName(Pty.SlavePath);
    second.Open();
    EXPECT_FALSE(second.Connected());
    errno = 0;
    EXPECT_LT(platform::OpenSerialExclusive(Pty.SlavePath), 0);
    EXPECT_EQ(errno, EBUSY);
    Port.Close();
    second.Open(); // free again at once
    EXPECT_TRUE(second.Connected());
}

TEST_F(PortTest, BytesBothWaysAndRxCharOnPumpingThread) {
    std::vector<std::uint32_t> counts;
    std::thread::id raisedOn;
    std::string received;
    Port.OnRxChar = [&](TThreadComm* sender, std::uint32_t count) {
        EXPECT_EQ(sender, &Port);
        raisedOn = std::this_thread::get_id();
        counts.push_back(count);
        char buffer[64];
        const int n = sender->Read(buffer, int(std::min<std::uint32_t>(count, sizeof buffer)));
        received.append(buffer, std::size_t(std::max(n, 0)));
    };
    Port.Open();
    ASSERT_TRUE(Port.Connected());

    EXPECT_EQ(Port.Write("$PTST,16*00\r\n", 13), 13);
    EXPECT_EQ(Pty.Receive(13), "$PTST,16*00\r\n");

    ASSERT_TRUE(Pty.Send("$GPGGA,1*00\r\n"));
    ASSERT_TRUE(PumpUntil([&] { return received.size() >= 13; }));
    EXPECT_EQ(received, "$GPGGA,1*00\r\n");
    EXPECT_EQ(raisedOn, std::this_thread::get_id());
    ASSERT_FALSE(counts.empty());
    EXPECT_EQ(counts.front(), 13u);
}

TEST_F(PortTest, UnreadBytesAreReportedOnceAndNewOnesAgain) {
    std::vector<std::uint32_t> counts;
    Port.OnRxChar = [&](TThreadComm*, std::uint32_t count) { counts.push_back(count); };
    Port.Open();
    ASSERT_TRUE(Pty.Send("0123456789"));
    ASSERT_TRUE(PumpUntil([&] { return !counts.empty() && counts.back() == 10; }));
    const std::size_t reports = counts.size();
    EXPECT_FALSE(Sync->ProcessOne(200ms)) << "unread bytes reported again";
    EXPECT_EQ(counts.size(), reports);
    ASSERT_TRUE(Pty.Send("abcde"));
    ASSERT_TRUE(PumpUntil([&] { return counts.back() == 15; }));
}

TEST_F(PortTest, RxCharWithEmptyQueueRaisesOnlyTheStatusEvent) {
    int rxChars = 0;
    std::vector<std::uint32_t> masks;
    Port.OnRxChar = [&](TThreadComm*, std::uint32_t) { ++rxChars; };
    Port.OnComStatEvent = [&](TThreadComm*, std::uint32_t mask, const TComStat&) {
        masks.push_back(mask);
    };
    Port.Open();
    ASSERT_TRUE(Pty.Send("xy"));
    // Read the bytes after the event was posted, before it runs.
    ASSERT_TRUE(Sync->WaitPosted(1));
    char buffer[2];
    ASSERT_EQ(Port.Read(buffer, 2), 2);
    ASSERT_TRUE(PumpUntil([&] { return !masks.empty(); }));
    EXPECT_EQ(masks.front() & EV_RXCHAR, EV_RXCHAR);
    EXPECT_EQ(rxChars, 0);
}

TEST_F(PortTest, ReadNeverPassesTheGivenCount) {
    Port.Open();
    ASSERT_TRUE(Pty.Send("0123456789"));
    char buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    EXPECT_EQ(Port.Read(buffer, 4), 4);
    EXPECT_EQ(std::string(buffer, 8), "0123####");
    EXPECT_EQ(Port.Read(buffer, 0), 0);
}

TEST_F(PortTest, CloseRestoresTheTerminalSettings) {
    termios before{};
    ::tcgetattr(Pty.Master, &before);
    ASSERT_NE(before.c_lflag & ICANON, 0u);
    Port.Open();
    Port.Close();
    termios after{};
    ::tcgetattr(Pty.Master, &after);
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(cfgetospeed(&after), cfgetospeed(&before));
}

TEST_F(PortTest, HangUpIsReportedOnceWithoutSpinning) {
    std::vector<std::uint32_t> errors;
    Port.OnError = [&](TThreadComm*, std::uint32_t word) { errors.push_back(word); };
    Port.Open();
    ASSERT_TRUE(Port.Connected());
    Pty.CloseMaster();
    ASSERT_TRUE(PumpUntil([&] { return !errors.empty(); }));
    EXPECT_NE(errors.front() & CE_IOE, 0u);
    EXPECT_FALSE(Sync->ProcessOne(300ms)) << "the event thread keeps reporting";
    EXPECT_EQ(errors.size(), 1u);
    char buffer[4];
    EXPECT_LE(Port.Read(buffer, sizeof buffer), 0);
    EXPECT_LE(Port.Write("x", 1), 0);
    EXPECT_TRUE(Port.Connected()); // until the owner closes it
    Port.Close();
    EXPECT_FALSE(Port.Connected());
}

// Close while bytes stream in and while the event thread waits in its
// hand-over (the posted call never runs): it must return every time, and the
// device must open again at once.
TEST_F(PortTest, CloseUnderIncomingStreamNeverBlocks) {
    std::atomic<bool> stop{false};
    std::thread sender([&] {
        while (!stop) {
            Pty.Send("$GPRMC,stream*00\r\n");
            std::this_thread::sleep_for(100us);
        }
    });
    int delivered = 0;
    Port.OnRxChar = [&](TThreadComm* sender, std::uint32_t count) {
        std::vector<char> buffer(count);
        delivered += sender->Read(buffer.data(), int(count)) > 0;
    };
    for (int i = 0; i < 200; ++i) {
        Port.Open();
        ASSERT_TRUE(Port.Connected()) << "attempt " << i;
        if (i % 2 == 0) Sync->ProcessOne(20ms);
        Port.Close();
        ASSERT_FALSE(Port.Connected());
    }
    stop = true;
    sender.join();
    // Calls posted before a Close do nothing when they run late.
    Sync->ProcessPending();
    EXPECT_GT(delivered, 0);
}

TEST_F(PortTest, CloseFromInsideTheHandler) {
    int calls = 0;
    Port.OnRxChar = [&](TThreadComm* sender, std::uint32_t) {
        ++calls;
        sender->Close();
    };
    Port.Open();
    ASSERT_TRUE(Pty.Send("abc"));
    ASSERT_TRUE(PumpUntil([&] { return calls > 0; }));
    EXPECT_FALSE(Port.Connected());
    Port.Open();
    EXPECT_TRUE(Port.Connected());
}

// A handler that throws must not leave the event thread waiting for good:
// the next bytes are reported again.
TEST_F(PortTest, AThrowingHandlerDoesNotStrandTheEventThread) {
    int calls = 0;
    Port.OnRxChar = [&](TThreadComm* sender, std::uint32_t count) {
        ++calls;
        char buffer[64];
        sender->Read(buffer, int(std::min<std::uint32_t>(count, sizeof buffer)));
        if (calls == 1) throw std::runtime_error("handler failed");
    };
    Port.Open();
    ASSERT_TRUE(Pty.Send("abc"));
    EXPECT_THROW(PumpUntil([&] { return calls > 0; }), std::runtime_error);
    ASSERT_TRUE(Pty.Send("def"));
    EXPECT_TRUE(PumpUntil([&] { return calls > 1; })) << "no event after the throwing handler";
}

// A command written just before Close still reaches the far end.
TEST_F(PortTest, CloseLetsAJustWrittenCommandGoOut) {
    Port.Open();
    ASSERT_EQ(Port.Write("$PTST,0*00\r\n", 12), 12);
    Port.Close();
    EXPECT_EQ(Pty.Receive(12), "$PTST,0*00\r\n");
}

TEST_F(PortTest, ComNameResolvesThroughTheComFolder) {
    TempFolder folder;
    ASSERT_EQ(::symlink(Pty.SlavePath.c_str(), (folder / "com7").c_str()), 0);
    ::setenv("VARO_COM_DIR", folder.Path.c_str(), 1);
    Port.SetDeviceName("\\\\.\\COM7");
    Port.Open();
    EXPECT_TRUE(Port.Connected());
    Port.Close();
    ::unsetenv("VARO_COM_DIR");
}

} // namespace

} // namespace varo
