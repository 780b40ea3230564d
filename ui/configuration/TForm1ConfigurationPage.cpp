// The CONFIGURATION page: the input message tree, the middle column and the
// three output groups that share the right-hand place.
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

#include "LayoutHelpers.h"
#include "OutputSentences.h"
#include "Pictures.h"
#include "TClickableLabel.h"
#include "TForm1.h"
#include "Tag.h"

namespace varo {
namespace {

const QRect kOutputGroupPlace(527, 6, 369, 425);

QLabel* ResultLabel(QWidget* parent, const char* name, const QRect& place) {
    QLabel* label = PlaceLabel(parent, name, QString(), place);
    SetTextColour(label, kResultGreen);
    return label;
}

// The sentences stand in four columns, one per identifier slot of the
// gateway's output setting; the single sentence of the fifth slot (VDR)
// closes the second column, which has room for it.
QPoint SentenceCell(std::size_t index) {
    static constexpr std::array<std::size_t, 4> kColumnStarts{0, 6, 11, 17};
    std::size_t column = 3;
    while (column > 0 && index < kColumnStarts[column])
        --column;
    std::size_t row = index - kColumnStarts[column];
    if (index == kOutputSentences.size() - 1) {
        column = 1;
        row = 5;
    }
    return {22 + static_cast<int>(column) * 88, 34 + static_cast<int>(row) * 30};
}

} // namespace

void TForm1::BuildConfigurationPage() {
    TabSheet1 = new QWidget(PageControlConf);
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControlConf->addTab(TabSheet1, QStringLiteral("CONFIGURATION"));

    InputMsgGroup = Place(new QGroupBox(QStringLiteral("Input Message"), TabSheet1),
                          "InputMsgGroup", QRect(8, 6, 361, 425));
    auto* fill = new QVBoxLayout(InputMsgGroup);
    fill->setContentsMargins(4, 4, 4, 4);
    TreeView1 = new QTreeWidget(InputMsgGroup);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fill->addWidget(TreeView1);

    Image3 = Place(new QLabel(TabSheet1), "Image3", QRect(415, 20, 65, 65));
    Image3->setPixmap(QPixmap(pictures::Product));
    Label6 = PlaceLabel(TabSheet1, "Label6", QStringLiteral("RZ-60"), QRect(373, 92, 150, 44));
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setFont(PixelFont(Label6->font().family(), 35));
    SetTextColour(Label6, kTeal);
    DefaultButton = Place(new QPushButton(QStringLiteral("Default"), TabSheet1), "DefaultButton",
                          QRect(398, 150, 100, 28));
    DefaultButton->setToolTip(QStringLiteral("Restore Defaults To all messages"));
    DefaultButton->setEnabled(false);
    Image2 = Place(new QLabel(TabSheet1), "Image2", QRect(398, 200, 100, 60));
    Image2->hide();

    BuildOutputMessageGroups();
}

void TForm1::BuildOutputMessageGroups() {
    OutputMsgGroup = Place(new QGroupBox(QStringLiteral("Output Message"), TabSheet1),
                           "OutputMsgGroup", kOutputGroupPlace);
    Label3 =
        PlaceLabel(OutputMsgGroup, "Label3", QStringLiteral("Msg Name :"), QRect(12, 24, 345, 20));
    Label5 = PlaceLabel(OutputMsgGroup, "Label5", QStringLiteral("(             )"),
                        QRect(12, 46, 345, 20));
    std::array<QCheckBox**, 7> boxes{&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4,
                                     &CheckBox5, &CheckBox6, &CheckBox7};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QByteArray name = "CheckBox" + QByteArray::number(static_cast<int>(i) + 1);
        *boxes[i] = Place(new QCheckBox(OutputMsgGroup), name.constData(),
                          QRect(24, 76 + static_cast<int>(i) * 30, 330, 22));
        (*boxes[i])->hide();
    }
    Button1 = Place(new QPushButton(QStringLiteral("Apply"), OutputMsgGroup), "Button1",
                    QRect(24, 300, 100, 28));
    Button1->setEnabled(false);
    Label4 = ResultLabel(OutputMsgGroup, "Label4", QRect(24, 340, 330, 22));
    Label4->hide();

    All0183MsgGroup = Place(new QGroupBox(QStringLiteral("NMEA0183 Output Message"), TabSheet1),
                            "All0183MsgGroup", kOutputGroupPlace);
    for (std::size_t i = 0; i < kOutputSentences.size(); ++i) {
        const OutputSentence& sentence = kOutputSentences[i];
        const QPoint cell = SentenceCell(i);
        const QByteArray pictureName = QByteArray(sentence.code) + "Image";
        auto* picture = Place(new TClickableLabel(All0183MsgGroup), pictureName.constData(),
                              QRect(cell, QSize(16, 16)));
        picture->setPixmap(ImageList2.at(0));
        auto* label =
            Place(new TClickableLabel(QString::fromLatin1(sentence.code), All0183MsgGroup),
                  sentence.labelName, QRect(cell + QPoint(22, -2), QSize(50, 20)));
        SetTag(picture, sentence.tag);
        SetTag(label, sentence.tag);
        this->*sentence.picture = picture;
        this->*sentence.label = label;
    }
    Button3 = Place(new QPushButton(QStringLiteral("Apply"), All0183MsgGroup), "Button3",
                    QRect(24, 226, 100, 28));
    Label9 = ResultLabel(All0183MsgGroup, "Label9", QRect(24, 266, 330, 22));
    All0183MsgGroup->hide();

    VDMVDOGroup = Place(new QGroupBox(QStringLiteral("Output Message"), TabSheet1), "VDMVDOGroup",
                        kOutputGroupPlace);
    VDMVDOGroup->hide();
    // The tree and the output groups reach down to the page's bottom edge.
    new StretchDown(TabSheet1, {InputMsgGroup, OutputMsgGroup, All0183MsgGroup, VDMVDOGroup}, 6);
}

} // namespace varo
