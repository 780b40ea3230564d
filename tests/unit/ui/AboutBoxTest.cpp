#include <QAction>
#include <QPlainTextEdit>

#include "AboutBox.h"
#include "TfrmAbout.h"
#include "UiTestSupport.h"
#include "platform/LineReader.h"

namespace varo {
namespace {

class AboutBoxTest : public UiTest {
protected:
    QStringList MemoLines() const { return form.frmAbout->Memo1->toPlainText().split('\n'); }
};

TEST_F(AboutBoxTest, ReadMeOfTheLastLanguageThatHasOneStays) {
    const QString builtIn = form.frmAbout->Memo1->toPlainText();
    form.AppFolder = Path("program") + "/";
    form.mnuLangTraChinese->trigger();
    EXPECT_EQ(form.frmAbout->Memo1->toPlainText(), builtIn) << "no read-me yet: the notice stays";

    WriteFile("program/Lang/ReadMe-EN.txt", "English guide\r\nsecond line\r\n");
    form.mnuLangEnglish->trigger();
    EXPECT_EQ(MemoLines(), QStringList({"English guide second line"}));

    form.mnuLangTraChinese->trigger();
    EXPECT_EQ(MemoLines(), QStringList({"English guide second line"}));

    WriteFile("program/Lang/ReadMe-TW.txt", "繁體中文說明\n\n第三行");
    form.mnuLangTraChinese->trigger();
    EXPECT_EQ(MemoLines(),
              QStringList({QString::fromUtf8("繁體中文說明"), "", QString::fromUtf8("第三行")}));
}

TEST_F(AboutBoxTest, HardWrappedLinesBecomeParagraphs) {
    const QString path =
        WriteFile("wrapped.txt", "Title line\n"
                                 "\n"
                                 "1. Connecting\n"
                                 "   Plug the serial port into the gateway\n"
                                 "   and press Connect.\n"
                                 "   Auto: press Connect\n"
                                 "   and wait\n"
                                 "\n"
                                 "   \xE6\x89\x8B\xE5\x8B\x95\xEF\xBC\x9A\xE9\x81\xB8\xE6\x93\x87\n"
                                 "   \xE5\xBA\x8F\xE5\x88\x97\xE5\x9F\xA0\xE3\x80\x82\n" +
                                     QByteArray(600, 'a') + "\n");
    ASSERT_TRUE(LoadReadMe(*form.frmAbout, path));
    EXPECT_EQ(MemoLines(),
              QStringList({"Title line", "", "1. Connecting",
                           "   Plug the serial port into the gateway and press Connect.",
                           "   Auto: press Connect and wait", "",
                           QString::fromUtf8("   手動：選擇序列埠。"),
                           QString(platform::LineReader::kMaxLineLength, 'a')}))
        << "a line is kept up to the reader's bound";

    EXPECT_FALSE(LoadReadMe(*form.frmAbout, Path("missing.txt")));
    EXPECT_EQ(MemoLines().size(), 8);
}

} // namespace

} // namespace varo
