#include "platform/DeviceNotifier.h"
#include "PtyPair.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

namespace varo {
namespace {

using platform::DeviceChange;
using platform::DeviceNotifier;

class NotifierTest : public testing::Test {
protected:
    // Waits for the notifier's descriptor and collects what it reports.
    std::vector<DeviceChange> Collect() {
        Changes.clear();
        pollfd p{Notifier.fd(), POLLIN, 0};
        if (::poll(&p, 1, 2000) > 0) Notifier.handleReadable();
        return Changes;
    }
    std::string Path(const std::string& name) { return Folder / name; }

    TempFolder Folder;
    PtyPair Pty;
    std::vector<DeviceChange> Changes;
    DeviceNotifier Notifier{Folder.Path.string() + "/com",
                            [this](DeviceChange change) { Changes.push_back(change); }};
};

TEST_F(NotifierTest, LinksComingAndGoing) {
    ASSERT_TRUE(Notifier.watchesFolder());
    ASSERT_GE(Notifier.fd(), 0);
    using V = std::vector<DeviceChange>;

    ASSERT_EQ(::symlink(Pty.SlavePath.c_str(), Path("com/com3").c_str()), 0);
    EXPECT_EQ(Collect(), V{DeviceChange::Arrival});

    // Retargeted by a rename over the old link: the old port went, a new one came.
    ASSERT_EQ(::symlink("/dev/null", Path("com/tmp").c_str()), 0);
    ASSERT_EQ(::rename(Path("com/tmp").c_str(), Path("com/com3").c_str()), 0);
    EXPECT_EQ(Collect(), (V{DeviceChange::RemovalComplete, DeviceChange::Arrival}));

    ASSERT_EQ(::unlink(Path("com/com3").c_str()), 0);
    EXPECT_EQ(Collect(), V{DeviceChange::RemovalComplete});

    // Other names in the folder are not ports.
    ASSERT_EQ(::symlink("/dev/null", Path("com/readme").c_str()), 0);
    EXPECT_EQ(Collect(), V{});
}

} // namespace

} // namespace varo
