// The filter screens against the simulated gateway: what the tool asks, what
// the boxes and pictures show from the answers, and the commands Apply and
// Default send, read back from the gateway's transcript.
#include <QElapsedTimer>
#include <QLineEdit>
#include <algorithm>

#include "FilterTestSupport.h"
#include "MessageCatalog.h"
#include "OutputSentences.h"
#include "TClickableLabel.h"

namespace varo {
namespace {

using FilterGatewayTest = FilterTest;

const std::string kNoItems = ",,,,,,,,,";
const QString kNothingToChange =
    QStringLiteral("Nothing to change: the gateway already has these settings.");

TEST_F(FilterGatewayTest, GgaShowsItsFiveOutputsTickedAndApplySendsOnlyAChange) {
    ConnectToGateway();
    Select(QStringLiteral("GGA"));
    EXPECT_EQ(CttCommands(), std::vector<std::string>{"Q,200000," + kNoItems});
    EXPECT_EQ(BoxStates(), "11111--");
    EXPECT_EQ(form.CheckBox1->text(), "129025:Position Rapid Update");
    EXPECT_EQ(form.CheckBox5->text(), "129029:GNSS Position Data");
    EXPECT_EQ(form.Label3->text(), "Msg Name : Global position system fixed data");
    EXPECT_EQ(form.Label5->text(), "(GGA)");
    EXPECT_EQ(form.InputMsgGroup->title(), "NMEA0183 Input Message");
    EXPECT_EQ(form.OutputMsgGroup->title(), "NMEA2000 Output Message");
    EXPECT_TRUE(form.Button1->isVisible() && form.Button1->isEnabled());
    EXPECT_TRUE(form.CheckBox1->isEnabled());
    EXPECT_NE(form.FLink->Engine().ConfigReceived(200000), nullptr);

    form.Button1->click();
    EXPECT_EQ(AwaitResult(form.Label4), kNothingToChange);
    EXPECT_EQ(SettledCttCommands().size(), 1u) << "nothing changed, nothing sent";

    form.CheckBox2->click();
    form.Button1->click();
    EXPECT_TRUE(form.Label4->text().isEmpty()) << "no result before the gateway's answer";
    EXPECT_EQ(AwaitResult(form.Label4), "Modified successfully");
    // The change, then the query that reads it back.
    EXPECT_EQ(CttCommands().at(1), "C,200000,129025,1,126992,0,129033,1,129539,1,129029,1");
    EXPECT_EQ(CttCommands().at(2), "Q,200000," + kNoItems);

    // The gateway kept it: asking again shows box 2 unticked.
    Select(QStringLiteral("GGA"));
    EXPECT_EQ(BoxStates(), "10111--");

    // Ticked again and applied: the gateway reported it off, so it is sent.
    form.CheckBox2->click();
    form.Button1->click();
    EXPECT_EQ(AwaitResult(form.Label4), "Modified successfully");
    EXPECT_EQ(CttCommands().at(4), "C,200000,129025,1,126992,1,129033,1,129539,1,129029,1");
    Select(QStringLiteral("GGA"));
    EXPECT_EQ(BoxStates(), "11111--");
    EXPECT_TRUE(boxes.asked.empty());
}

// Ten Applies in a row on a gateway that loses half the changes: each
// result says what the read-back shows, and the boxes show the gateway.
TEST_F(FilterGatewayTest, EveryApplyOnALossyGatewayTellsWhatTheReadBackShows) {
    sim::SimOptions options;
    options.dropCommands = 0.5;
    options.seed = 7;
    ConnectToGateway(options);
    Select(QStringLiteral("GGA"));
    int taken = 0;
    for (int i = 0; i < 10; ++i) {
        const bool wanted = !form.CheckBox2->isChecked();
        form.CheckBox2->click();
        form.Button1->click();
        const QString result = AwaitResult(form.Label4);
        if (form.CheckBox2->isChecked() == wanted) {
            EXPECT_EQ(result, "Modified successfully") << i;
            ++taken;
        } else {
            EXPECT_EQ(result, "Not taken by the gateway: 126992:System Time") << i;
        }
        form.Label4->clear();
    }
    const std::vector<std::string> sent = CttCommands();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "Q,200000," + kNoItems), 11)
        << "every Apply read its change back";
    EXPECT_GT(taken, 0);
    EXPECT_LT(taken, 10);
    const bool shown = form.CheckBox2->isChecked();
    Select(QStringLiteral("GGA"));
    EXPECT_EQ(form.CheckBox2->isChecked(), shown) << "the boxes showed the gateway's state";
}

TEST_F(FilterGatewayTest, RmcAsksForItsContinuationAndApplySendsBothHalves) {
    ConnectToGateway();
    Select(QStringLiteral("RMC"));
    EXPECT_EQ(CttCommands(),
              (std::vector<std::string>{"Q,200005," + kNoItems, "Q,200069," + kNoItems}));
    EXPECT_EQ(BoxStates(), "1111111");
    EXPECT_EQ(form.CheckBox4->text(), "129033:Time Date");
    EXPECT_EQ(form.CheckBox5->text(), "126992:System Time");
    EXPECT_EQ(form.CheckBox7->text(), "127258:Magnetic Variation");
    EXPECT_EQ(form.Label3->text(), "Msg Name : Recommended minimum specific GNSS data");
    EXPECT_EQ(form.Label5->text(), "(RMC)");
    EXPECT_TRUE(form.Button1->isVisible());

    form.CheckBox2->click();
    form.CheckBox6->click();
    form.Button1->click();
    EXPECT_EQ(AwaitResult(form.Label4), "Modified successfully");
    const std::vector<std::string> sent = CttCommands();
    ASSERT_EQ(sent.size(), 6u);
    EXPECT_EQ(sent[2], "C,200005,129025,1,129026,0,129029,1,129033,1,,");
    EXPECT_EQ(sent[3], "C,200069,126992,1,127250,0,127258,1,,,,");
    EXPECT_EQ(sent[4], "Q,200005," + kNoItems);
    EXPECT_EQ(sent[5], "Q,200069," + kNoItems);

    Select(QStringLiteral("RMC"));
    EXPECT_EQ(BoxStates(), "1011101");
}

TEST_F(FilterGatewayTest, OnlyTheChangedHalfOfRmcIsSent) {
    ConnectToGateway();
    Select(QStringLiteral("RMC"));
    form.CheckBox7->click();
    form.Button1->click();
    EXPECT_EQ(AwaitResult(form.Label4), "Modified successfully");
    const std::vector<std::string> sent = SettledCttCommands();
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[2], "C,200069,126992,1,127250,1,127258,0,,,,");
}

// Leaving RMC without Apply must not make a later Apply write RMC's halves.
TEST_F(FilterGatewayTest, ApplyAfterLeavingRmcChangesOnlyTheNewItem) {
    ConnectToGateway();
    Select(QStringLiteral("RMC"));
    Select(QStringLiteral("GLL"));
    EXPECT_EQ(BoxStates(), "1111---");
    form.CheckBox1->click();
    form.Button1->click();
    EXPECT_EQ(AwaitResult(form.Label4), "Modified successfully");
    const std::vector<std::string> sent = SettledCttCommands();
    ASSERT_EQ(sent.size(), 5u);
    EXPECT_EQ(sent[3], "C,200001,129025,0,129029,1,129033,1,126992,1,,");
}

TEST_F(FilterGatewayTest, VdmShowsAllAisMessagesAndSendsTheAisAlias) {
    ConnectToGateway();
    Select(QStringLiteral("VDM"));
    EXPECT_EQ(BoxStates(), "1------");
    EXPECT_EQ(form.CheckBox1->text(), "All NMEA2000 AIS Message");
    EXPECT_FALSE(form.DefaultButton->isEnabled());
    form.CheckBox1->click();
    form.Button1->click();
    EXPECT_EQ(AwaitResult(form.Label4), "Modified successfully");
    EXPECT_EQ(CttCommands().at(1), "C,200028,210028,0,,,,,,,,");
    Select(QStringLiteral("VDM"));
    EXPECT_EQ(BoxStates(), "0------");
}

TEST_F(FilterGatewayTest, PgnInputListsItsSentences) {
    ConnectToGateway();
    Select(QStringLiteral("129025"));
    EXPECT_EQ(form.InputMsgGroup->title(), "NMEA2000 Input Message");
    EXPECT_EQ(form.OutputMsgGroup->title(), "NMEA0183 Output Message");
    EXPECT_EQ(BoxStates(), "111----");
    EXPECT_EQ(form.CheckBox3->text(), "RMC:Recommended minimum specific GNSS data");
    EXPECT_EQ(form.Label3->text(), "Msg Name : Position Rapid Update");
}

TEST_F(FilterGatewayTest, LeavingChangedBoxesAsksToSaveUnlessApplyWasLast) {
    ConnectToGateway();
    Select(QStringLiteral("GGA"));
    form.CheckBox1->click();
    boxes.Answer(MessageResult::Yes);
    Select(QStringLiteral("GLL"));
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "Do you want to save your changes?");
    EXPECT_EQ(boxes.asked[0].caption, "Warning");
    EXPECT_EQ(boxes.asked[0].icon, MessageIcon::Question);
    EXPECT_EQ(boxes.asked[0].buttons, MessageButtons::YesNo);
    std::vector<std::string> sent = CttCommands();
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[1], "C,200000,129025,0,126992,1,129033,1,129539,1,129029,1")
        << "saved before the next query";
    EXPECT_EQ(sent[3], "Q,200001," + kNoItems);

    // No: nothing is sent, and the next item loads as usual.
    form.CheckBox2->click();
    boxes.Answer(MessageResult::No);
    Select(QStringLiteral("ZDA"));
    EXPECT_EQ(boxes.asked.size(), 2u);
    EXPECT_EQ(CttCommands().back(), "Q,200007," + kNoItems);

    // Apply as the last action: no question.
    form.CheckBox3->click();
    form.Button1->click();
    Select(QStringLiteral("GSV"));
    EXPECT_EQ(boxes.asked.size(), 2u);
}

TEST_F(FilterGatewayTest, OneKeyStrokeAsksOnEachOfItsKeyEvents) {
    ConnectToGateway();
    Select(QStringLiteral("GGA"));
    form.TreeView1->setFocus();
    const std::size_t before = CttCommands().size();
    QTest::keyClick(form.TreeView1, Qt::Key_Space);
    // KeyDown, KeyPress and KeyUp on GGA.
    const std::vector<std::string> space = AwaitCttCommands(before + 3);
    EXPECT_EQ(space.size(), before + 3);
    for (std::size_t i = before; i < space.size(); ++i)
        EXPECT_EQ(space[i], "Q,200000," + kNoItems);

    // An arrow types no character: KeyDown on GGA, then the tree moves, KeyUp on GLL.
    QTest::keyClick(form.TreeView1, Qt::Key_Down);
    const std::vector<std::string> arrow = AwaitCttCommands(before + 5);
    ASSERT_EQ(arrow.size(), before + 5);
    EXPECT_EQ(arrow[before + 3], "Q,200000," + kNoItems);
    EXPECT_EQ(arrow[before + 4], "Q,200001," + kNoItems);
}

TEST_F(FilterGatewayTest, OutputSelectionShowsTogglesAndAppliesTheStates) {
    ConnectToGateway();
    SelectOutputStates();
    // The query leaves the outputs as the record holds them.
    EXPECT_EQ(CttCommands().back().rfind("Q,200184,", 0), 0u);
    EXPECT_TRUE(form.All0183MsgGroup->isVisible());
    EXPECT_TRUE(form.OutputMsgGroup->isHidden());
    EXPECT_FALSE(form.Button1->isVisible());
    EXPECT_EQ(form.InputMsgGroup->title(), "NMEA2000 Input Message");
    for (const OutputSentence& sentence : kOutputSentences) {
        EXPECT_TRUE(ShowsImage(form.*sentence.picture, 1)) << sentence.code;
    }

    // GGA twice by its picture, RMC twice by its label: back where they were.
    for (TClickableLabel* control : {form.GGAImage, form.GGAImage, form.Label15, form.Label15}) {
        QTest::mouseClick(control, Qt::LeftButton);
    }
    EXPECT_TRUE(ShowsImage(form.GGAImage, 1));
    EXPECT_EQ(SettledCttCommands().size(), 1u) << "toggling sends nothing";
    form.Button3->click();
    EXPECT_EQ(AwaitResult(form.Label9), kNothingToChange);
    EXPECT_EQ(SettledCttCommands().size(), 1u) << "back where they were: nothing sent";

    form.Label9->clear();
    for (const OutputSentence& sentence : kOutputSentences)
        QTest::mouseClick(form.*sentence.label, Qt::LeftButton);
    EXPECT_TRUE(ShowsImage(form.VDRImage, 0));
    form.Button3->click();
    EXPECT_EQ(AwaitResult(form.Label9), "Modified successfully");
    EXPECT_EQ(CttCommands().at(1), "A,200183,0,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(CttCommands().at(2).rfind("Q,200184,", 0), 0u) << "read back";

    // The gateway kept them.
    SelectOutputStates();
    for (std::uint8_t state : form.FSentenceStates->States())
        EXPECT_EQ(state, 0);
}

TEST_F(FilterGatewayTest, DefaultAsksThenRestoresEverything) {
    ConnectToGateway();
    SelectOutputStates();
    QTest::mouseClick(form.GSVImage, Qt::LeftButton);
    form.Button3->click();
    AwaitResult(form.Label9);
    Select(QStringLiteral("GGA"));
    form.CheckBox1->click();
    form.Button1->click();
    AwaitResult(form.Label4);
    const std::size_t before = SettledCttCommands().size();

    boxes.Answer(MessageResult::No);
    form.DefaultButton->click();
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(
        boxes.asked[0].text,
        "This will set all messages to default filtering settings.Would you like to proceed?");
    EXPECT_EQ(boxes.asked[0].caption, "Warning");
    EXPECT_EQ(boxes.asked[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(boxes.asked[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(SettledCttCommands().size(), before);

    boxes.Answer(MessageResult::Yes);
    form.DefaultButton->click();
    EXPECT_EQ(AwaitResult(form.Label4), "Modified successfully");
    EXPECT_EQ(CttCommands().at(before), "C,32767," + kNoItems);
    EXPECT_EQ(form.Label9->text(), "Modified successfully");
    EXPECT_EQ(BoxStates(), "11111--") << "the read-back of the message shown";
    for (const OutputSentence& sentence : kOutputSentences) {
        EXPECT_EQ(form.FSentenceStates->States()[static_cast<std::size_t>(sentence.tag)], 1)
            << sentence.code;
        EXPECT_TRUE(ShowsImage(form.*sentence.picture, 1)) << sentence.code;
    }

    // The gateway is back at its defaults.
    Select(QStringLiteral("GGA"));
    EXPECT_EQ(BoxStates(), "11111--");
}

// A gateway that has gone quiet: Apply and the flow rate say so, once the
// request and its one resend went unanswered, and show no success.
TEST_F(FilterGatewayTest, SilentGatewayMakesApplyAndFlowRateReportNoAnswer) {
    sim::SimOptions options;
    options.silentAfter = 2.5;
    QElapsedTimer clock;
    clock.start();
    ConnectToGateway(options);
    Select(QStringLiteral("GGA"));
    ASSERT_LT(clock.elapsed(), 2400) << "the item was read before the gateway went quiet";
    WaitFor([&] { return clock.elapsed() > 2600; }, std::chrono::milliseconds(3000));

    form.CheckBox1->click();
    form.Button1->click();
    EXPECT_EQ(AwaitResult(form.Label4), "No answer from the gateway.");
    EXPECT_TRUE(form.Button1->isEnabled()) << "usable again";
    EXPECT_EQ(CttCommands().size(), 4u) << "query, change, read-back and its one resend";

    form.Edit1->setText(QStringLiteral("3"));
    form.Button2->click();
    ASSERT_TRUE(WaitFor([&] { return !boxes.asked.empty(); }, std::chrono::milliseconds(6000)));
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "No answer from the gateway.");
}

// The gateway loses every change: the read-back shows the old state, and the
// result names the output that did not take.
TEST_F(FilterGatewayTest, LostChangeIsNamedByTheReadBack) {
    sim::SimOptions options;
    options.dropCommands = 1.0;
    ConnectToGateway(options);
    Select(QStringLiteral("GGA"));
    form.CheckBox2->click();
    form.Button1->click();
    EXPECT_EQ(AwaitResult(form.Label4), "Not taken by the gateway: 126992:System Time");
    EXPECT_EQ(CttCommands().size(), 2u) << "the lost change is not in the transcript";
}

// While the gateway floods its output, only the CTT answer about VDO answers
// its query.
TEST_F(FilterGatewayTest, VdoQueryIsAnsweredWhileTheGatewayFloods) {
    sim::SimOptions options;
    options.flood = true;
    ConnectToGateway(options);
    Select(QStringLiteral("VDO"));
    EXPECT_EQ(form.Label3->text(), "Msg Name : " + MessageDescription(form.FTexts, 200029));
    EXPECT_EQ(BoxStates(), "1------");
    EXPECT_NE(form.FLink->Engine().ConfigReceived(200029), nullptr);
    form.CheckBox1->click();
    form.Button1->click();
    EXPECT_EQ(AwaitResult(form.Label4), "Modified successfully");
}

} // namespace

} // namespace varo
