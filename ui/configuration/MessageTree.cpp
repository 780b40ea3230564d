#include "MessageTree.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "DeviceLink.h"
#include "Dialogs.h"
#include "MessageCatalog.h"
#include "OutputChecks.h"
#include "SentenceStates.h"
#include "TForm1.h"
#include "config/FilterCatalog.h"

namespace varo {
namespace {

const QString kNmea2000Root = QStringLiteral("NMEA2000");
const QString kNmea0183Root = QStringLiteral("NMEA0183");
constexpr int kTreeFontSize = 10;

// A root's text names its side by the characters "0183" after "NMEA".
bool IsNmea0183(const QString& text) {
    return text.mid(4, 4) == QLatin1String("0183");
}

} // namespace

void MessageTree::BuildMessageTree() {
    AddRoots();
}

void MessageTree::AddRoots() {
    auto label = [this](std::size_t index) {
        return treeShowsCodes ? QString::fromLatin1(varo::SentenceDescriptionTable[index].code)
                              : MessageName(form.FTexts, index);
    };
    auto* pgns = new QTreeWidgetItem(form.TreeView1, QStringList{kNmea2000Root});
    auto* sentences = new QTreeWidgetItem(form.TreeView1, QStringList{kNmea0183Root});
    // The tree lists the inputs of the filter catalogue, which profiles use too.
    for (bool nmea0183 : {true, false}) {
        for (const FilterInput& input : FilterInputs(nmea0183)) {
            const std::size_t index = MessageIndex(input.input);
            auto* item =
                new QTreeWidgetItem(nmea0183 ? sentences : pgns, QStringList{label(index)});
            item->setData(0, Qt::UserRole, static_cast<qulonglong>(index));
        }
    }
}

void MessageTree::ToggleTreeLabels() {
    form.TreeView1->clear();
    treeShowsCodes = !treeShowsCodes;
    AddRoots();
    QFont font = form.TreeView1->font();
    font.setPointSize(kTreeFontSize);
    form.TreeView1->setFont(font);
}

void MessageTree::OnTreeSelect() {
    form.Button1->setEnabled(true);
    form.DefaultButton->setEnabled(true);
    const QTreeWidgetItem* node = form.TreeView1->currentItem();
    if (node == nullptr) return;
    if (node->parent() != nullptr) {
        SelectMessage(*node);
    } else if (IsNmea0183(node->text(0))) {
        SelectNmea0183Root();
    } else {
        SelectNmea2000Root();
    }
}

void MessageTree::SetCaptions(QString UiTexts::*input, QString UiTexts::*output) {
    inputCaption = input;
    outputCaption = output;
    form.InputMsgGroup->setTitle(form.FTexts.*input);
    form.OutputMsgGroup->setTitle(form.FTexts.*output);
}

void MessageTree::ShowTexts() {
    SetCaptions(inputCaption, outputCaption);
    if (treeShowsCodes) return;
    for (int root = 0; root < form.TreeView1->topLevelItemCount(); ++root) {
        QTreeWidgetItem* parent = form.TreeView1->topLevelItem(root);
        for (int child = 0; child < parent->childCount(); ++child) {
            QTreeWidgetItem* item = parent->child(child);
            item->setText(0, MessageName(form.FTexts, item->data(0, Qt::UserRole).toULongLong()));
        }
    }
}

void MessageTree::SelectNmea0183Root() {
    SetCaptions(&UiTexts::Nmea0183InputMessage, &UiTexts::Nmea2000OutputMessage);
    form.OutputMsgGroup->setEnabled(false);
    form.OutputMsgGroup->hide();
    form.DefaultButton->setEnabled(false);
    form.All0183MsgGroup->setEnabled(false);
    form.All0183MsgGroup->hide();
}

// Asks for the NMEA 0183 output selection; its group opens disabled and the
// answer enables it. The output group shares its place and steps aside.
void MessageTree::SelectNmea2000Root() {
    SetCaptions(&UiTexts::Nmea2000InputMessage, &UiTexts::OutputMessage);
    form.OutputMsgGroup->setEnabled(false);
    form.OutputMsgGroup->hide();
    form.FSentenceStates->AskSentenceStates();
    form.All0183MsgGroup->show();
    form.All0183MsgGroup->setEnabled(false);
    form.Label9->clear();
    form.FOutputChecks->ShowOutputChecks(false);
}

void MessageTree::SelectMessage(const QTreeWidgetItem& node) {
    OutputChecks& checks = *form.FOutputChecks;
    form.OutputMsgGroup->show();
    if (checks.ShouldAskToSave() &&
        ModalMessage(form.FTexts.SaveChanges, form.FTexts.Warning, MessageIcon::Question,
                     MessageButtons::YesNo) == MessageResult::Yes) {
        checks.ApplyOutputSelection();
    }
    checks.ArmPrompt();
    form.All0183MsgGroup->setEnabled(false);
    form.All0183MsgGroup->hide();
    form.OutputMsgGroup->setEnabled(true);
    if (IsNmea0183(node.parent()->text(0))) {
        SetCaptions(&UiTexts::Nmea0183InputMessage, &UiTexts::Nmea2000OutputMessage);
    } else {
        SetCaptions(&UiTexts::Nmea2000InputMessage, &UiTexts::Nmea0183OutputMessage);
    }

    const QString text = node.text(0);
    const varo::SentenceDescription* entry =
        treeShowsCodes ? FindByCodePrefix(text) : FindByDescription(form.FTexts, text);
    if (entry == nullptr) return;
    checks.ShowItem(entry->identifier);
}

bool TreeKeyEvents::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        tree.TreeView1KeyDown();
        if (!key->text().isEmpty()) tree.TreeView1KeyPress();
    } else if (event->type() == QEvent::KeyRelease &&
               !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        tree.TreeView1KeyUp();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace varo
