// Every text of the window, its About box, its dialogs and the message boxes
// it opens, connected to the simulated gateway, walked in each Chinese
// language: any English word left, save the names of the trade (NMEA, PGN,
// AIS, COM ...) and sentence codes, means a text without a key.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <map>

#include "DataView.h"
#include "LogReplay.h"
#include "MessageTree.h"
#include "TfrmAbout.h"
#include "WindowLinkTest.h"
#include "sentence/SentenceTables.h"

namespace varo {
namespace {

using namespace std::chrono_literals;
using Texts = std::map<QString, QString>;

void Add(Texts& texts, const QObject* owner, const QString& what, const QString& text) {
    if (!text.isEmpty()) texts[owner->objectName() + "/" + what] = text;
}

// The grids' columns of words: not the line numbers, talkers, formatters,
// times and sentences of the data view, nor the values the gateway sent.
bool IsWords(const QTableWidget& grid, int column) {
    if (grid.objectName() == "StringGrid1") return column == 3;
    if (grid.objectName() == "DetailGrid") return column != 1;
    return grid.objectName() != "AisTargetGrid";
}

// Every text a user can see or hover over, by where it sits.
Texts VisibleTexts(QWidget& root) {
    Texts texts;
    Add(texts, &root, "title", root.windowTitle());
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        Add(texts, widget, "tip", widget->toolTip());
        if (auto* label = qobject_cast<QLabel*>(widget)) Add(texts, label, "text", label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            Add(texts, button, "text", button->text());
        if (auto* picture = qobject_cast<QLabel*>(widget)) // the words painted into a picture
            Add(texts, picture, "name", picture->accessibleName());
        // The file dialog's folder box and first column are paths and file
        // names; the port box names the programs that hold ports.
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo != nullptr &&
                                                            combo->objectName() != "lookInCombo" &&
                                                            combo->objectName() != "cbxComPort") {
            for (int i = 0; i < combo->count(); ++i)
                Add(texts, combo, "item" + QString::number(i), combo->itemText(i));
        }
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            Add(texts, edit, "placeholder", edit->placeholderText());
        if (auto* view = qobject_cast<QTreeView*>(widget);
            view != nullptr && qobject_cast<QTreeWidget*>(widget) == nullptr) {
            const QAbstractItemModel* model = view->model();
            const QModelIndex root = view->rootIndex();
            for (int row = 0; model != nullptr && row < model->rowCount(root); ++row)
                for (int column = 1; column < model->columnCount(root); ++column)
                    Add(texts, view, QStringLiteral("%1,%2").arg(row).arg(column),
                        model->index(row, column, root).data().toString());
        }
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            Add(texts, group, "title", group->title());
        if (auto* menu = qobject_cast<QMenu*>(widget)) Add(texts, menu, "title", menu->title());
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                Add(texts, tabs, QString::number(i), tabs->tabText(i));
        }
        if (auto* grid = qobject_cast<QTableWidget*>(widget)) {
            for (int column = 0; column < grid->columnCount(); ++column) {
                if (const QTableWidgetItem* header = grid->horizontalHeaderItem(column))
                    Add(texts, grid, "header" + QString::number(column), header->text());
                for (int row = 0; row < grid->rowCount(); ++row) {
                    const QTableWidgetItem* item = grid->item(row, column);
                    if (item != nullptr && IsWords(*grid, column))
                        Add(texts, grid, QStringLiteral("%1,%2").arg(row).arg(column),
                            item->text());
                }
            }
        }
        if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
            int index = 0;
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                Add(texts, tree, QString::number(index++), (*it)->text(0));
        }
        // The window's two memos are never shown; the About box's is.
        auto* memo = qobject_cast<QPlainTextEdit*>(widget);
        if (memo != nullptr && qobject_cast<QMainWindow*>(&root) != nullptr) continue;
        if (memo != nullptr) Add(texts, memo, "text", memo->toPlainText());
    }
    for (const QAction* action : root.findChildren<QAction*>()) {
        if (!action->objectName().isEmpty()) Add(texts, action, "text", action->text());
    }
    return texts;
}

// The words of a Chinese text that are English: every run of two letters or
// more but the names of the trade, sentence codes and the gateway's own
// "[END OF STATIC DATA]".
QStringList EnglishWords(QString text) {
    static const QSet<QString> names{
        "NMEA", "PGN",  "AIS", "GNSS", "DGNSS", "GPS", "COM",  "MMSI",    "VARO", "RZ",   "UTC",
        "VHF",  "DSC",  "CS",  "ISO",  "ID",    "IMO", "EPFD", "RAIM",    "DTE",  "AtoN", "pid",
        "txt",  "nmea", "log", "json", "RS",    "dB",  "Hz",   "dialout", "SOG",  "COG",  "USB",
        "KB",   "MB",   "GB",  "CTT",  "TST",   "DBG", "EN",   "TW",      "CN"};
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    // The gateway's words and the names of files and folders stay as they are.
    for (const char* name : {"[END OF STATIC DATA]", "VaroRZ60Config.ini",
                             "VARO RZ-60 Configuration", "[VIEW]", "（Lang）"})
        text.remove(QString::fromUtf8(name));
    QStringList english;
    for (const QRegularExpressionMatch& match : word.globalMatch(text)) {
        const QString found = match.captured();
        if (names.contains(found)) continue;
        if (FindSentenceDescription(found.toLatin1().constData()) != nullptr) continue;
        english << found;
    }
    return english;
}

class LanguageWalk : public WindowLinkTest {
protected:
    LanguageWalk() {
        QDir(program.path()).mkpath(QStringLiteral("Lang"));
        for (const QString& name : QDir(QStringLiteral(LANG_SOURCE_FOLDER)).entryList(QDir::Files))
            QFile::copy(QStringLiteral(LANG_SOURCE_FOLDER "/") + name,
                        program.filePath(QStringLiteral("Lang/") + name));
        form.AppFolder = program.path() + "/";
        // A folder and a text file, for the kinds the file dialog names.
        QDir(program.path()).mkpath(QStringLiteral("2026"));
        QFile text(program.filePath(QStringLiteral("20261210.txt")));
        EXPECT_TRUE(text.open(QIODevice::WriteOnly));
        OpenFileSeam() = [this](const QString& caption, const QString& filter) {
            opened << caption << filter;
            return program.filePath(QStringLiteral("20261210.txt"));
        };
    }
    ~LanguageWalk() override { OpenFileSeam() = ShowOpenFileDialog; }

    // Opens, through the dialog seams, what the window opens in its work:
    // the flow rate's range message, the log to replay and its refusal while
    // connected, and every message of a failed connection.
    void OpenDialogs() {
        boxes.asked.clear();
        opened.clear();
        form.Edit1->setText(QStringLiteral("9"));
        form.Button2->click();
        form.FDataView->Replay().OpenLogClick();
        for (LinkFailure failure :
             {LinkFailure::NoSerialPortExist, LinkFailure::PortOpenError, LinkFailure::PortAbsent,
              LinkFailure::PortHeld, LinkFailure::ManualConnectTimeOut})
            form.ReportFailure(failure, FailureCause::None);
        for (FailureCause cause : {FailureCause::NothingReceived, FailureCause::OtherSpeed,
                                   FailureCause::NoProbeAnswer, FailureCause::NoStaticDataEnd})
            form.ReportFailure(LinkFailure::AutoDetectTimeOut, cause);
    }

    Texts All() {
        OpenDialogs();
        Texts texts = VisibleTexts(form);
        texts.merge(VisibleTexts(*form.frmAbout));
        int index = 0;
        for (const AskedMessage& box : boxes.asked) {
            texts["asked/" + QString::number(index)] = box.text;
            texts["asked/" + QString::number(index++) + "/caption"] = box.caption;
        }
        for (const QString& text : opened)
            texts["open/" + QString::number(index++)] = text;
        const auto box = BuildMessageBox("x", "y", MessageIcon::Question, MessageButtons::YesNo);
        const auto okBox = BuildMessageBox("x", "y", MessageIcon::None, MessageButtons::OkCancel);
        for (QAbstractButton* button : box->buttons() + okBox->buttons())
            texts["box/" + QString::number(index++)] = button->text();
        // The save dialog of Save log is the toolkit's own, with its file list.
        QFileDialog saveLog(nullptr, QString(), program.path());
        PrepareFileDialog(saveLog);
        saveLog.setAcceptMode(QFileDialog::AcceptSave);
        saveLog.setNameFilter(ToQtNameFilter(form.FTexts.LogFileFilter));
        saveLog.show();
        QTest::qWait(500); // the file list fills in the background
        for (const auto& [where, text] : VisibleTexts(saveLog))
            texts["save/" + where] = text;
        return texts;
    }

    QTemporaryDir program;
    QStringList opened;
};

TEST_F(LanguageWalk, NoEnglishWordIsLeftInChinese) {
    StartGateway(91, 38400);
    form.show();
    ChooseManual(91, "38400");
    form.OpenPort->click();
    ASSERT_TRUE(WaitFor([&] { return form.FLink->FLinked; }, 5000ms));
    ASSERT_TRUE(WaitFor([&] { return form.StringGrid1->rowCount() > 2; }, 5000ms));
    form.StringGrid1->setCurrentCell(0, 0); // its decoded fields in the detail pane
    form.PageControlConf->setCurrentIndex(1);
    form.FMessageTree->ToggleTreeLabels(); // names instead of codes
    QTreeWidgetItem* gga = form.TreeView1->topLevelItem(1)->child(0);
    form.TreeView1->setCurrentItem(gga);
    form.FMessageTree->OnTreeSelect();
    ASSERT_TRUE(WaitFor([&] { return form.CheckBox1->isVisible(); }, 5000ms));
    form.Label4->setText(form.FTexts.ModifiedSuccessfully); // a result from before the switch

    for (QAction* language : {form.mnuLangTraChinese, form.mnuLangSimpChinese}) {
        SCOPED_TRACE(language->objectName().toStdString());
        language->trigger();
        const Texts texts = All();
        for (const auto& [where, text] : texts) {
            const QStringList english = EnglishWords(text);
            EXPECT_TRUE(english.isEmpty())
                << where.toStdString() << " keeps English (" << english.join(' ').toStdString()
                << "): " << text.toStdString();
        }
        EXPECT_GT(texts.size(), 250u);
        EXPECT_EQ(boxes.asked.size(), 11u);
        form.mnuLangEnglish->trigger();
    }
}

} // namespace
} // namespace varo
