// Atomic replacement: a write that fails leaves the old file, a device is
// written in place, a link keeps its place.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "PtyPair.h"
#include "platform/AtomicFile.h"

namespace varo::platform {
namespace {

std::string Content(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(AtomicFile, AWriteCutByTheFileSizeLimitLeavesTheOldFile) {
    TempFolder folder;
    const std::string path = folder / "profile.json";
    int error = 0;
    ASSERT_TRUE(WriteFileAtomically(path, "old", error));

    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = WriteFileAtomically(path, std::string(100000, 'n'), error);
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(written);
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(Content(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left behind";
}

TEST(AtomicFile, FoldersAreRefusedAndMissingFoldersNamed) {
    TempFolder folder;
    int error = 0;
    EXPECT_FALSE(CheckWritable(folder.Path.string(), error));
    EXPECT_EQ(error, EISDIR);
    EXPECT_FALSE(WriteFileAtomically(folder / "missing/a.json", "x", error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_TRUE(CheckWritable(folder / "new.json", error));
    EXPECT_FALSE(std::filesystem::exists(folder / "new.json")) << "the check leaves nothing";
}

TEST(AtomicFile, DevicesAreWrittenInPlaceAndLinksKeepTheirPlace) {
    int error = 0;
    ASSERT_TRUE(WriteFileAtomically("/dev/null", "x", error));
    struct stat null {};
    ASSERT_EQ(stat("/dev/null", &null), 0);
    EXPECT_TRUE(S_ISCHR(null.st_mode)) << "a device is never renamed over";

    TempFolder folder;
    const std::filesystem::path target = folder / "real.ini";
    std::ofstream(target) << "old";
    std::filesystem::create_symlink(target, folder / "link.ini");
    std::FILE* log = ReplaceWithEmptyFile(folder / "link.ini", error);
    ASSERT_NE(log, nullptr);
    std::fputs("new", log);
    std::fclose(log);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.ini"));
    EXPECT_EQ(Content(target), "new");
}

} // namespace
} // namespace varo::platform
