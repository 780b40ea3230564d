#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <array>
#include <string>
#include <vector>

#include "MessageTree.h"
#include "OutputChecks.h"
#include "ReceivePath.h"
#include "SentenceStates.h"
#include "WindowLinkTest.h"
#include "comm/ThreadComm.h"

namespace varo {

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The window shown on its CONFIGURATION page with the tree open. Tests that
// need a gateway connect to a simulated one; the others run without a port
// in Auto mode, where a command that cannot be written is dropped silently.
class FilterTest : public WindowLinkTest {
protected:
    static constexpr int kGatewayPort = 63;
    static constexpr int kSilentPort = 64;

    FilterTest() {
        form.resize(904, 640);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        // Unanswered requests end sooner: the tests wait less.
        form.FLink->Engine().SetReplyBase(std::chrono::milliseconds(200));
    }

    void ConnectToGateway(sim::SimOptions options = {}) {
        StartGateway(kGatewayPort, 38400, std::move(options));
        ChooseManual(kGatewayPort, "38400");
        form.OpenPort->click();
        ASSERT_TRUE(WaitFor([&] { return form.FLink->FLinked; }, std::chrono::milliseconds(5000)));
        OpenPage();
    }
    // A port nobody answers on: the test plays the gateway through Receive().
    void WorkWithoutPort() {
        AddSilentPort(kSilentPort);
        ChooseAuto();
        form.FLink->FComm->SetDeviceName("\\\\.\\COM" + std::to_string(kSilentPort));
        form.FLink->FComm->Open();
        form.SetLinkControls(true);
        OpenPage();
    }
    void OpenPage() {
        form.PageControlConf->setCurrentWidget(form.TabSheet1);
        form.TreeView1->expandAll();
    }

    QTreeWidgetItem* Node(const QString& text) const {
        const QList<QTreeWidgetItem*> found =
            form.TreeView1->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_EQ(found.size(), 1) << text.toStdString();
        return found.isEmpty() ? nullptr : found.front();
    }
    // A mouse click on the node, as the user selects it.
    void Click(const QString& text) {
        QTreeWidgetItem* node = Node(text);
        ASSERT_NE(node, nullptr);
        form.TreeView1->scrollToItem(node);
        QTest::mouseClick(form.TreeView1->viewport(), Qt::LeftButton, {},
                          form.TreeView1->visualItemRect(node).center());
    }
    // Clicks the node and waits until its answers (and a continuation) are in.
    void Select(const QString& text) {
        Click(text);
        EXPECT_TRUE(
            WaitFor([&] { return form.FLink->Engine().Idle() && form.Button1->isVisible(); },
                    std::chrono::milliseconds(3000)))
            << "no answer for " << text.toStdString();
    }
    void SelectOutputStates() {
        Click(QStringLiteral("NMEA2000"));
        EXPECT_TRUE(WaitFor([&] { return form.All0183MsgGroup->isEnabled(); },
                            std::chrono::milliseconds(3000)));
    }

    // The CTT sentences the gateway received, without "$PCTT," and checksum.
    std::vector<std::string> CttCommands() const {
        std::vector<std::string> commands;
        for (const std::string& line : Transcript(kGatewayPort)) {
            if (line.rfind("$PCTT,", 0) != 0) continue;
            commands.push_back(line.substr(6, line.find('*') - 6));
        }
        return commands;
    }
    // Waits until the gateway has received `count` CTT sentences; returns them.
    std::vector<std::string> AwaitCttCommands(std::size_t count) {
        WaitFor([&] { return CttCommands().size() >= count; }, std::chrono::milliseconds(2000));
        return CttCommands();
    }
    // Waits until `label` shows a result, and returns it.
    QString AwaitResult(const QLabel* label) {
        WaitFor([&] { return !label->text().isEmpty(); }, std::chrono::milliseconds(6000));
        return label->text();
    }
    // Lets a command that should not have been sent arrive if it was.
    std::vector<std::string> SettledCttCommands() {
        QTest::qWait(150);
        return CttCommands();
    }

    std::array<QCheckBox*, 7> Boxes() const {
        return {form.CheckBox1, form.CheckBox2, form.CheckBox3, form.CheckBox4,
                form.CheckBox5, form.CheckBox6, form.CheckBox7};
    }
    // "1" ticked, "0" unticked, "-" hidden, one character per box.
    std::string BoxStates() const {
        std::string states;
        for (const QCheckBox* box : Boxes())
            states += box->isHidden() ? '-' : box->isChecked() ? '1' : '0';
        return states;
    }

    // The receive path takes `line` as one read.
    void Receive(const std::string& line) {
        form.FLink->FReceivePath->Receive(reinterpret_cast<const std::uint8_t*>(line.data()),
                                          line.size());
    }
    // The picture of the sentence with `tag` shows image `index` of ImageList2.
    bool ShowsImage(const QLabel* picture, std::size_t index) const {
        return picture->pixmap().toImage() == form.ImageList2.at(index).toImage();
    }
};

} // namespace varo
