#include <QAction>
#include <QPlainTextEdit>

#include "AboutBox.h"
#include "TfrmAbout.h"
#include "UiTestSupport.h"

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
    EXPECT_EQ(MemoLines(), QStringList({"English guide", "second line"}));

    form.mnuLangTraChinese->trigger();
    EXPECT_EQ(MemoLines(), QStringList({"English guide", "second line"}));

    WriteFile("program/Lang/ReadMe-TW.txt", "繁體中文說明\n\n第三行");
    form.mnuLangTraChinese->trigger();
    EXPECT_EQ(MemoLines(),
              QStringList({QString::fromUtf8("繁體中文說明"), "", QString::fromUtf8("第三行")}));
}

TEST_F(AboutBoxTest, LongLinesArriveInPiecesOfAtMost499Characters) {
    const QByteArray exact(kReadMePieceLength, 'a');
    const QByteArray longer =
        QByteArray(kReadMePieceLength, 'b') + QByteArray(kReadMePieceLength, 'c') + "dd";
    const QString path = WriteFile("long.txt", exact + "\n" + longer + "\nlast\n");
    ASSERT_TRUE(LoadReadMe(*form.frmAbout, path));
    EXPECT_EQ(MemoLines(), QStringList({exact, QByteArray(kReadMePieceLength, 'b'),
                                        QByteArray(kReadMePieceLength, 'c'), "dd", "last"}));

    // A character outside the basic plane is never cut in half.
    const QString wide = QString(kReadMePieceLength - 1, 'x') + QString::fromUtf8("😀") + "y";
    ASSERT_TRUE(LoadReadMe(*form.frmAbout, WriteFile("wide.txt", wide.toUtf8())));
    const QStringList pieces = MemoLines();
    ASSERT_EQ(pieces.size(), 2);
    EXPECT_EQ(pieces.join(QString()), wide);
    EXPECT_LE(pieces[0].size(), kReadMePieceLength);

    EXPECT_FALSE(LoadReadMe(*form.frmAbout, Path("missing.txt")));
    EXPECT_EQ(MemoLines().join(QString()), wide);
}

} // namespace

} // namespace varo
