// A data log that cannot be written: the user is told, recording stops, and
// what reached the file before stays there.
#include <QFile>
#include <QToolButton>
#include <csignal>
#include <fstream>
#include <string>
#include <sys/resource.h>

#include "DataView.h"
#include "ReceivePath.h"
#include "WindowLinkTest.h"

namespace varo {
namespace {

std::string Sentence(int i) {
    return WithChecksum("$GPGGA,1200" + std::to_string(10 + i % 50) +
                        ",4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
}

std::vector<std::string> FileLines(const QString& path) {
    std::ifstream file(QFile::encodeName(path).toStdString(), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line + "\n");
    return lines;
}

// Caps the size of files this process writes while alive; a write past it
// fails with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved{};
    void (*previousHandler)(int) = SIG_DFL;
};

class LogFaultTest : public WindowLinkTest {
protected:
    void StartLogTo(const QString& path) {
        SaveFileSeam() = [path](const QString&, const QString&) { return path; };
        form.FDataView->ToggleLogRecording();
    }
    ~LogFaultTest() override { SaveFileSeam() = AskSaveFileName; }

    void Receive(const std::string& text) {
        form.FLink->FReceivePath->Receive(reinterpret_cast<const std::uint8_t*>(text.data()),
                                          text.size());
    }
    bool ShowsRecording() const { return form.SaveSpeedButton->isChecked(); }
};

TEST_F(LogFaultTest, UnwritableChoicesAreReportedAndLeaveTheButtonsIdle) {
    const QString choices[] = {QStringLiteral("/dev/full"),
                               ports.folder.filePath(QStringLiteral("no-such-folder/log.txt"))};
    for (const QString& path : choices) {
        SCOPED_TRACE(path.toStdString());
        boxes.asked.clear();
        StartLogTo(path);
        for (int i = 0; i < 5; ++i)
            Receive(Sentence(i));
        ASSERT_EQ(boxes.asked.size(), 1u);
        EXPECT_EQ(boxes.asked[0].caption, "Error");
        EXPECT_FALSE(ShowsRecording());
        EXPECT_FALSE(form.FDataView->IsRecording());
        EXPECT_EQ(form.FDataView->RowsInUse(), 1) << "the grid goes on without the log";
    }
}

TEST_F(LogFaultTest, AFullDiskKeepsEveryLineWrittenBefore) {
    const QString path = ports.folder.filePath(QStringLiteral("log.txt"));
    std::vector<std::string> sent;
    {
        const FileSizeLimit limit(2000);
        StartLogTo(path);
        ASSERT_TRUE(form.FDataView->IsRecording());
        for (int i = 0; i < 60; ++i) {
            sent.push_back(Sentence(i));
            Receive(sent.back());
        }
    }
    ASSERT_EQ(boxes.asked.size(), 1u) << "reported once, not once per line";
    EXPECT_EQ(boxes.asked[0].caption, "Error");
    EXPECT_FALSE(ShowsRecording());

    // Three header lines, then the sentences in order; only the last line
    // may be cut where the disk ran full.
    const std::vector<std::string> lines = FileLines(path);
    ASSERT_GT(lines.size(), 4u);
    for (std::size_t i = 3; i + 1 < lines.size(); ++i)
        EXPECT_EQ(lines[i].substr(8), "   NMEA0183       " + sent[i - 3]) << "line " << i;

    // Recording again to a good file works.
    const QString second = ports.folder.filePath(QStringLiteral("second.txt"));
    StartLogTo(second);
    Receive(Sentence(1));
    form.FDataView->ToggleLogRecording();
    EXPECT_EQ(FileLines(second).size(), 5u);
}

} // namespace

} // namespace varo
