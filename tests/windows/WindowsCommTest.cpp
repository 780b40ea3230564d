// The Win32 serial port object against a live port: the simulated gateway,
// whose output streams once the port is held. The port is named by
// VARO_TEST_COM (COMn); without it the tests are skipped.
#include "comm/ThreadComm.h"
#include "platform/PortOpenWin32.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace varo {
namespace {

using namespace std::chrono_literals;

std::string TestPort() {
    const char* name = std::getenv("VARO_TEST_COM");
    return name ? name : "";
}

class LivePort : public testing::Test {
protected:
    void SetUp() override {
        if (TestPort().empty()) GTEST_SKIP() << "VARO_TEST_COM names no port";
        Port.SetDeviceName(TestPort());
        Port.SetBaudRate(TBaudRate::br38400);
        Port.OnRxChar = [this](TThreadComm* Sender, std::uint32_t Count) {
            std::string chunk(Count, '\0');
            const int got = Sender->Read(chunk.data(), static_cast<int>(Count));
            if (got > 0) Received.append(chunk, 0, static_cast<std::size_t>(got));
        };
    }

    bool PumpUntilLine() {
        for (int i = 0; i < 50 && Received.find("\r\n") == std::string::npos; ++i)
            Sync->ProcessOne(100ms);
        return Received.find("\r\n") != std::string::npos;
    }

    std::shared_ptr<TQueueCommSynchronizer> Sync = std::make_shared<TQueueCommSynchronizer>();
    TComm Port{Sync};
    std::string Received;
};

TEST_F(LivePort, EventsCarryTheStreamAndThePortIsOursAlone) {
    Port.Open();
    ASSERT_TRUE(Port.Connected());
    ASSERT_TRUE(PumpUntilLine()) << "no line within 5 s";
    EXPECT_NE(Received.find('$'), std::string::npos);
    EXPECT_EQ(platform::TryOpenPort("\\\\.\\" + TestPort()), platform::PortOpen::Busy);
    EXPECT_THROW(Port.Open(), ECommError);
}

TEST_F(LivePort, CloseWhileStreamingThenOpenAgain) {
    for (int round = 0; round < 3; ++round) {
        Port.Open();
        ASSERT_TRUE(Port.Connected());
        Received.clear();
        ASSERT_TRUE(PumpUntilLine()) << "round " << round;
        // The event thread may be inside a hand-over right now.
        Port.Close();
        EXPECT_FALSE(Port.Connected());
        Sync->ProcessPending(); // events posted before Close do nothing
    }
}

} // namespace
} // namespace varo
