// Every visible text of the window, its About box and its message box
// buttons, connected to the simulated gateway, walked in English and again in
// each Chinese language: a text that stays English has no key.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <map>

#include "MessageTree.h"
#include "TfrmAbout.h"
#include "WindowLinkTest.h"

namespace varo {
namespace {

using namespace std::chrono_literals;
using Texts = std::map<QString, QString>;

void Add(Texts& texts, const QObject* owner, const QString& what, const QString& text) {
    if (!text.isEmpty()) texts[owner->objectName() + "/" + what] = text;
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
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            Add(texts, group, "title", group->title());
        if (auto* menu = qobject_cast<QMenu*>(widget)) Add(texts, menu, "title", menu->title());
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                Add(texts, tabs, QString::number(i), tabs->tabText(i));
        }
        if (auto* grid = qobject_cast<QTableWidget*>(widget)) {
            for (int column = 0; column < grid->columnCount(); ++column) {
                Add(texts, grid, "header" + QString::number(column),
                    grid->horizontalHeaderItem(column)->text());
                for (int row = 0; row < grid->rowCount(); ++row) {
                    if (const QTableWidgetItem* item = grid->item(row, column))
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

// Names stay as they are: sentence codes, PGN numbers, COM numbers, figures,
// "NMEA 0183", sentences and times hold no lower-case word.
bool IsName(const QString& text) {
    static const QRegularExpression word(QStringLiteral("[a-z]{2,}"));
    return !word.match(text).hasMatch();
}

class LanguageWalk : public WindowLinkTest {
protected:
    LanguageWalk() {
        QDir(program.path()).mkpath(QStringLiteral("Lang"));
        for (const QString& name : QDir(QStringLiteral(LANG_SOURCE_FOLDER)).entryList(QDir::Files))
            QFile::copy(QStringLiteral(LANG_SOURCE_FOLDER "/") + name,
                        program.filePath(QStringLiteral("Lang/") + name));
        form.AppFolder = program.path() + "/";
    }

    Texts All() {
        Texts texts = VisibleTexts(form);
        texts.merge(VisibleTexts(*form.frmAbout));
        const auto box = BuildMessageBox("x", "y", MessageIcon::Question, MessageButtons::YesNo);
        const auto okBox = BuildMessageBox("x", "y", MessageIcon::None, MessageButtons::OkCancel);
        // The save dialog of Save log is the toolkit's own.
        QFileDialog saveLog;
        saveLog.setOption(QFileDialog::DontUseNativeDialog);
        saveLog.setAcceptMode(QFileDialog::AcceptSave);
        for (const auto& [where, text] : VisibleTexts(saveLog))
            texts["save/" + where] = text;
        int index = 0;
        for (QAbstractButton* button : box->buttons() + okBox->buttons())
            texts["box/" + QString::number(index++)] = button->text();
        return texts;
    }

    QTemporaryDir program;
};

TEST_F(LanguageWalk, NoTextStaysEnglishInChinese) {
    StartGateway(91, 38400);
    form.show();
    ChooseManual(91, "38400");
    form.OpenPort->click();
    ASSERT_TRUE(WaitFor([&] { return form.FLink->FLinked; }, 5000ms));
    ASSERT_TRUE(WaitFor([&] { return form.StringGrid1->rowCount() > 2; }, 5000ms));
    form.PageControlConf->setCurrentIndex(1);
    form.FMessageTree->ToggleTreeLabels(); // names instead of codes
    QTreeWidgetItem* gga = form.TreeView1->topLevelItem(1)->child(0);
    form.TreeView1->setCurrentItem(gga);
    form.FMessageTree->OnTreeSelect();
    ASSERT_TRUE(WaitFor([&] { return form.CheckBox1->isVisible(); }, 5000ms));
    form.mnuLangEnglish->trigger();
    const Texts english = All();

    for (QAction* language : {form.mnuLangTraChinese, form.mnuLangSimpChinese}) {
        SCOPED_TRACE(language->objectName().toStdString());
        language->trigger();
        std::size_t compared = 0;
        for (const auto& [where, text] : All()) {
            const auto before = english.find(where);
            if (before == english.end()) continue;
            ++compared;
            EXPECT_TRUE(text != before->second || IsName(text))
                << where.toStdString() << " stays English: " << text.toStdString();
        }
        EXPECT_GT(compared, 150u);
        form.mnuLangEnglish->trigger();
    }
}

} // namespace
} // namespace varo
