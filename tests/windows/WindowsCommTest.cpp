// The Win32 serial port object against a live port: the simulated gateway,
// whose output streams once the port is held. The port is named by
// VARO_TEST_COM (COMn); without it the tests are skipped. The event thread
// runs throughout; the bytes are found through the status query, because
// Wine's serial layer signals no EV_RXCHAR for a pseudo-terminal (it counts
// arrivals with an interrupt counter that terminals lack), and it does not
// refuse a second open of a device, which a Windows serial driver does.
#include "comm/ThreadComm.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <thread>

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
    }

    // Reads what the status query counts until a whole line came, at most 5 s.
    bool ReadUntilLine() {
        for (int i = 0; i < 500 && Received.find("\r\n") == std::string::npos; ++i) {
            Sync->ProcessPending();
            TComStat stat;
            Port.ClearCommError(stat);
            if (stat.cbInQue == 0) {
                std::this_thread::sleep_for(10ms);
                continue;
            }
            std::string chunk(stat.cbInQue, '\0');
            const int got = Port.Read(chunk.data(), static_cast<int>(chunk.size()));
            if (got > 0) Received.append(chunk, 0, static_cast<std::size_t>(got));
        }
        return Received.find("\r\n") != std::string::npos;
    }

    std::shared_ptr<TQueueCommSynchronizer> Sync = std::make_shared<TQueueCommSynchronizer>();
    TComm Port{Sync};
    std::string Received;
};

TEST_F(LivePort, BytesArriveAndASecondOpenIsRefused) {
    Port.Open();
    ASSERT_TRUE(Port.Connected());
    ASSERT_TRUE(ReadUntilLine()) << "no line within 5 s";
    EXPECT_NE(Received.find('$'), std::string::npos);
    EXPECT_THROW(Port.Open(), ECommError);
}

TEST_F(LivePort, CloseWhileStreamingThenOpenAgain) {
    for (int round = 0; round < 3; ++round) {
        Port.Open();
        ASSERT_TRUE(Port.Connected());
        Received.clear();
        ASSERT_TRUE(ReadUntilLine()) << "round " << round;
        // The event thread waits in WaitCommEvent: Close cancels the wait.
        Port.Close();
        EXPECT_FALSE(Port.Connected());
        Sync->ProcessPending(); // events posted before Close do nothing
    }
}

} // namespace
} // namespace varo
