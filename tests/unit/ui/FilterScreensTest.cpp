// The filter screens without a gateway: the tree, what the boxes show while
// no answer comes, answers fed through the receive path, and the packing of
// the output selection.
#include "FilterTestSupport.h"
#include "OutputSentences.h"
#include "TClickableLabel.h"

namespace varo {
namespace {

using FilterScreensTest = FilterTest;

QStringList Children(const QTreeWidgetItem* root) {
    QStringList texts;
    for (int i = 0; i < root->childCount(); ++i)
        texts << root->child(i)->text(0);
    return texts;
}

TEST_F(FilterScreensTest, TreeListsSentencesAndPgnsAndDoubleClickSwapsCodesAndDescriptions) {
    auto expectCodes = [this](const char* when) {
        ASSERT_EQ(form.TreeView1->topLevelItemCount(), 2) << when;
        const QTreeWidgetItem* pgns = form.TreeView1->topLevelItem(0);
        const QTreeWidgetItem* sentences = form.TreeView1->topLevelItem(1);
        EXPECT_EQ(pgns->text(0), "NMEA2000") << when;
        EXPECT_EQ(sentences->text(0), "NMEA0183") << when;
        const QStringList sentenceCodes = Children(sentences);
        ASSERT_EQ(sentenceCodes.size(), 25) << when;
        EXPECT_EQ(sentenceCodes.front(), "GGA");
        EXPECT_EQ(sentenceCodes.back(), "VDR");
        const QStringList pgnCodes = Children(pgns);
        ASSERT_EQ(pgnCodes.size(), 41) << when << ": 42 PGNs less the SAR report";
        EXPECT_EQ(pgnCodes.front(), "126992");
        EXPECT_EQ(pgnCodes.back(), "130312");
        EXPECT_FALSE(pgnCodes.contains("129798")) << when;
        EXPECT_TRUE(pgnCodes.contains("129797") && pgnCodes.contains("129800")) << when;
    };
    expectCodes("at start");

    WorkWithoutPort();
    // What the platform delivers for a double click: a click, a press, the
    // double click and a release.
    QWidget* viewport = form.TreeView1->viewport();
    const QPoint root = form.TreeView1->visualItemRect(form.TreeView1->topLevelItem(0)).center();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, root);
    QTest::mousePress(viewport, Qt::LeftButton, {}, root);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, root);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, root);
    EXPECT_FALSE(form.FMessageTree->TreeShowsCodes());
    const QStringList sentences = Children(form.TreeView1->topLevelItem(1));
    EXPECT_EQ(sentences.front(), "Global position system fixed data");
    const QStringList pgns = Children(form.TreeView1->topLevelItem(0));
    EXPECT_EQ(pgns.size(), 41);
    EXPECT_FALSE(pgns.contains("AIS SAR Aircraft Position Report"));
    EXPECT_EQ(form.TreeView1->font().pointSize(), 10);

    form.FMessageTree->TreeView1DblClick();
    EXPECT_TRUE(form.FMessageTree->TreeShowsCodes());
    expectCodes("after two double clicks");
}

TEST_F(FilterScreensTest, ADescriptionNodeAsksForItsMessage) {
    WorkWithoutPort();
    form.FMessageTree->ToggleTreeLabels();
    form.TreeView1->expandAll();
    Click(QStringLiteral("Heading true"));
    EXPECT_EQ(form.FLink->Engine().ExpectedReplyId(), 200010);
    EXPECT_EQ(form.Label5->text(), "(HDT)");
    EXPECT_EQ(form.CheckBox1->text(), "127250:Vessel Heading");
}

TEST_F(FilterScreensTest, WithoutAnAnswerTheOutputsStayUntickedAndApplyHidden) {
    WorkWithoutPort();
    Click(QStringLiteral("GGA"));
    EXPECT_TRUE(form.FLink->Engine().WaitingForReply());
    EXPECT_EQ(form.FLink->Engine().ExpectedReplyId(), 200000);
    EXPECT_EQ(form.FLink->Engine().ConfigReceived(200000), nullptr);
    EXPECT_EQ(BoxStates(), "00000--");
    EXPECT_FALSE(form.CheckBox1->isEnabled());
    EXPECT_TRUE(form.Button1->isHidden());
    EXPECT_TRUE(form.Label3->isVisible());

    // An answer for another item does not count.
    Receive(WithChecksum("$PCTT,R,200001,129025,1,129029,1,129033,1,126992,1,,"));
    EXPECT_TRUE(form.FLink->Engine().WaitingForReply());
    EXPECT_EQ(BoxStates(), "00000--");

    // Apply before any answer: the gateway's setting was never read.
    form.FOutputChecks->ApplyOutputSelection();
    EXPECT_EQ(form.Label4->text(), "Connect fail!!");
}

TEST_F(FilterScreensTest, RootsSetCaptionsAndPanels) {
    WorkWithoutPort();
    Click(QStringLiteral("NMEA0183"));
    EXPECT_EQ(form.InputMsgGroup->title(), "NMEA0183 Input Message");
    EXPECT_EQ(form.OutputMsgGroup->title(), "NMEA2000 Output Message");
    EXPECT_TRUE(form.OutputMsgGroup->isHidden());
    EXPECT_FALSE(form.DefaultButton->isEnabled());
    EXPECT_TRUE(form.All0183MsgGroup->isHidden());

    form.Label9->setText(QStringLiteral("old"));
    Click(QStringLiteral("NMEA2000"));
    EXPECT_EQ(form.InputMsgGroup->title(), "NMEA2000 Input Message");
    EXPECT_EQ(form.OutputMsgGroup->title(), "Output Message");
    EXPECT_EQ(form.FLink->Engine().ExpectedReplyId(), 200184);
    EXPECT_TRUE(form.All0183MsgGroup->isVisible());
    EXPECT_FALSE(form.All0183MsgGroup->isEnabled());
    EXPECT_TRUE(form.Label9->text().isEmpty());
    EXPECT_TRUE(form.DefaultButton->isEnabled());

    // The answer enables the panel and ends the request.
    Receive(WithChecksum("$PCTT,R,200184,101010,0,000000,0,000000,0,000000,0,000000,0"));
    QTest::qWait(20);
    EXPECT_TRUE(form.All0183MsgGroup->isEnabled());
    EXPECT_FALSE(form.FLink->Engine().WaitingForReply());
    Click(QStringLiteral("GGA"));
    EXPECT_TRUE(form.All0183MsgGroup->isHidden());
    EXPECT_TRUE(form.OutputMsgGroup->isVisible());
}

TEST_F(FilterScreensTest, OutputStatesComeFromTheDigitsOfTheAnswer) {
    WorkWithoutPort();
    Click(QStringLiteral("NMEA2000"));
    Receive(WithChecksum("$PCTT,R,200184,101010,0,1,0,100000,0,12,0,100000,0"));
    QTest::qWait(20);
    const SentenceStateTable& states = form.FSentenceStates->States();
    // GGA on, GLL off, GSA on, GSV off, RMC on, VTG off.
    EXPECT_EQ((std::vector<int>(states.begin(), states.begin() + 6)),
              (std::vector<int>{1, 0, 1, 0, 1, 0}));
    EXPECT_EQ(states[10], 0) << "slot 2's units digit is no sentence's";
    EXPECT_EQ(states[12], 1) << "DSC";
    EXPECT_EQ(states[22], 1) << "MWD";
    EXPECT_EQ(states[23], 2) << "MTW reported 2";
    EXPECT_EQ(states[24], 1) << "VDR";
    EXPECT_TRUE(ShowsImage(form.GGAImage, 1));
    EXPECT_TRUE(ShowsImage(form.GLLImage, 0));
    EXPECT_TRUE(ShowsImage(form.MTWImage, 2));

    // A reported 2 becomes off at the first click, then on.
    form.FSentenceStates->ToggleSentence(23);
    EXPECT_EQ(states[23], 0);
    EXPECT_TRUE(ShowsImage(form.MTWImage, 0));
    form.FSentenceStates->ToggleSentence(23);
    EXPECT_EQ(states[23], 1);
    form.FSentenceStates->ToggleSentence(11); // belongs to no sentence
    EXPECT_EQ(states[11], 0);

    // Blank identifiers leave the states unknown: shown with the last picture,
    // said so, and never sent back.
    Click(QStringLiteral("NMEA2000"));
    Receive(WithChecksum("$PCTT,R,200184,,,,,,,,,,"));
    QTest::qWait(20);
    EXPECT_EQ(states[0], 9);
    EXPECT_TRUE(ShowsImage(form.GGAImage, 2));
    const QString unknown =
        "Output states unknown: the gateway did not report them. Nothing was sent.";
    EXPECT_EQ(form.Label9->text(), unknown);
    QTest::mouseClick(form.GGAImage, Qt::LeftButton);
    form.Button3->click();
    QTest::qWait(20);
    EXPECT_EQ(form.Label9->text(), unknown);
    EXPECT_TRUE(form.FLink->Engine().Idle()) << "refused before anything was sent";
}

// A request waits for the one before it: the output selection's answer
// answers nothing while RMC's continuation is awaited.
TEST_F(FilterScreensTest, TheOutputSelectionWaitsForAnOpenContinuation) {
    WorkWithoutPort();
    Click(QStringLiteral("RMC"));
    Receive(WithChecksum("$PCTT,R,200005,129025,1,129026,1,129029,1,129033,1,575256,1"));
    EXPECT_EQ(form.FLink->Engine().ExpectedReplyId(), 200069);
    EXPECT_TRUE(form.Button1->isHidden()) << "Apply waits for the continuation";

    Click(QStringLiteral("NMEA2000"));
    const std::string selection =
        WithChecksum("$PCTT,R,200184,111111,0,111110,0,111111,0,111111,0,100000,0");
    Receive(selection);
    QTest::qWait(20);
    EXPECT_FALSE(form.All0183MsgGroup->isEnabled());
    Receive(WithChecksum("$PCTT,R,200069,126992,1,127250,1,127258,1,,,,"));
    EXPECT_EQ(form.FLink->Engine().ExpectedReplyId(), 200184);
    Receive(selection);
    QTest::qWait(20);
    EXPECT_TRUE(form.All0183MsgGroup->isEnabled());
    EXPECT_EQ(form.FSentenceStates->States()[0], 1);
}

// Manual mode with no port: every send fails and says so once.
TEST_F(FilterScreensTest, FailedSendsShowNoSuccess) {
    form.SetLinkControls(true);
    form.RadioButtonConnectionModeManual->click();
    OpenPage();
    boxes.Answer(MessageResult::Yes);
    Click(QStringLiteral("GGA"));
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "Serial port open error! Please check!");
    QTest::qWait(20);
    EXPECT_TRUE(form.FLink->Engine().Idle()) << "a failed write ends the request at once";
    EXPECT_EQ(BoxStates(), "00000--");

    form.Button1->click();
    form.DefaultButton->click();
    QTest::qWait(20);
    EXPECT_EQ(boxes.asked.size(), 3u)
        << "Apply had nothing to send; the question, then the failure";
    EXPECT_NE(form.Label4->text(), "Modified successfully");
    EXPECT_NE(form.Label9->text(), "Modified successfully");
}

TEST_F(FilterScreensTest, OutputStatesPackIntoFiveIdentifiers) {
    struct Case {
        const char* name;
        SentenceStateTable states;
        OutputIdentifiers identifiers;
    };
    SentenceStateTable allOn{};
    allOn.fill(1);
    allOn[11] = 0;
    SentenceStateTable alternate{};
    for (std::size_t tag = 0; tag < alternate.size(); tag += 2)
        alternate[tag] = 1;
    const std::vector<Case> cases = {
        {"all off", {}, {0, 0, 0, 0, 0}},
        {"all on", allOn, {111111, 111110, 111111, 111111, 100000}},
        {"every other tag", alternate, {101010, 101010, 101010, 101010, 100000}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PackSentenceStates(c.states), c.identifiers) << c.name;
        EXPECT_EQ(UnpackSentenceStates(c.identifiers), c.states) << c.name;
    }
    SentenceStateTable unused{};
    unused[11] = 1;
    EXPECT_EQ(PackSentenceStates(unused), (OutputIdentifiers{0, 0, 0, 0, 0}))
        << "tag 11 travels nowhere";
}

} // namespace

} // namespace varo
