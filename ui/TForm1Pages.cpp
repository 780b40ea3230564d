// The PROPERTIES and NMEA0183 DATA VIEW(OUTPUT) pages.
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

#include "LayoutHelpers.h"
#include "TForm1.h"
#include "TLabeledEdit.h"

namespace varo {
namespace {

constexpr int kReadoutLabelWidth = 245;
constexpr int kReadoutEditWidth = 120;
constexpr int kReadoutPitch = 31;

TLabeledEdit* Readout(QWidget* parent, const char* name, const char* caption, const QRect& place) {
    auto* edit =
        new TLabeledEdit(QString::fromUtf8(caption), kReadoutLabelWidth, kReadoutEditWidth, parent);
    return Place(edit, name, place);
}

// Seven read-outs one below the other in a 389 x 252 group.
std::array<TLabeledEdit*, 7> ReadoutColumn(QGroupBox* group,
                                           const std::array<const char*, 7>& names,
                                           const std::array<const char*, 7>& captions) {
    std::array<TLabeledEdit*, 7> edits{};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const int y = 22 + static_cast<int>(i) * kReadoutPitch;
        edits[i] = Readout(group, names[i], captions[i], QRect(10, y, 370, 24));
    }
    return edits;
}

QComboBox* FixedList(QWidget* parent, const char* name, const QRect& place,
                     const QStringList& items) {
    auto* list = Place(new QComboBox(parent), name, place);
    list->addItems(items);
    return list;
}

} // namespace

void TForm1::BuildPropertiesPage() {
    TabSheetStatic = new QWidget(PageControlConf);
    TabSheetStatic->setObjectName(QStringLiteral("TabSheetStatic"));
    PageControlConf->addTab(TabSheetStatic, QStringLiteral("PROPERTIES"));

    GroupBox5 = Place(new QGroupBox(QStringLiteral("Product Information"), TabSheetStatic),
                      "GroupBox5", QRect(8, 6, 389, 252));
    const auto product = ReadoutColumn(
        GroupBox5,
        {"LabeledEdit1", "LabelEdit_NMEA2000_Database_Version", "LabelEdit_NMEA2000_Product_Code",
         "LabelEdit_Manufacturers_Mode_Version", "LabelEdit_Manufacturers_Model_Serial_Code",
         "LabelEdit_Manufacturers_Software_Version_Code", "LabelEdit_Certification_Level"},
        {"NMEA 0183 Baud Rate", "NMEA 2000 Database Version", "NMEA 2000 Product Code",
         "Manufacturer's Model Version", "Manufacturer's Model Serial Code",
         "Manufacturer's Software Version Code", "NMEA 2000 Certification Level"});
    LabeledEdit1 = product[0];
    LabelEdit_NMEA2000_Database_Version = product[1];
    LabelEdit_NMEA2000_Product_Code = product[2];
    LabelEdit_Manufacturers_Mode_Version = product[3];
    LabelEdit_Manufacturers_Model_Serial_Code = product[4];
    LabelEdit_Manufacturers_Software_Version_Code = product[5];
    LabelEdit_Certification_Level = product[6];

    GroupBox4 = Place(new QGroupBox(QStringLiteral("ISO Address Claim"), TabSheetStatic),
                      "GroupBox4", QRect(405, 6, 389, 252));
    const auto claim =
        ReadoutColumn(GroupBox4,
                      {"LabeledEdit3", "LabeledEdit4", "LabeledEdit5", "LabeledEdit6",
                       "LabeledEdit7", "LabeledEdit8", "LabeledEdit9"},
                      {"Manufacturer Code", "Device Instance Lower", "Device Instance Upper",
                       "Device Function", "Device Class", "System Instance", "Industry Group"});
    LabeledEdit3 = claim[0];
    LabeledEdit4 = claim[1];
    LabeledEdit5 = claim[2];
    LabeledEdit6 = claim[3];
    LabeledEdit7 = claim[4];
    LabeledEdit8 = claim[5];
    LabeledEdit9 = claim[6];
    GroupBox4->hide();

    // The baud-rate and flow-rate groups and the other read-outs stand in a
    // second column beside the product information, in the place of the
    // address claim group, which is never shown.
    GroupBox7 = Place(new QGroupBox(QStringLiteral("NMEA 0183 Baud Rate "), TabSheetStatic),
                      "GroupBox7", QRect(405, 6, 389, 90));
    spbBaudRate = Place(new QToolButton(GroupBox7), "spbBaudRate", QRect(10, 22, 230, 26));
    spbBaudRate->setText(QStringLiteral("Change NMEA 0183 Baud Rate"));
    spbBaudRate->setCheckable(true);
    spbBaudRate->setAutoExclusive(false);
    Label2 = PlaceLabel(GroupBox7, "Label2", QStringLiteral("New NMEA 0183 Baud Rate :"),
                        QRect(10, 58, 200, 20));
    cbxBaud_NMEA =
        FixedList(GroupBox7, "cbxBaud_NMEA", QRect(215, 56, 90, 22),
                  {QStringLiteral("38400"), QStringLiteral("9600"), QStringLiteral("4800")});
    cbxBaud_NMEA->setCurrentText(QStringLiteral("38400"));
    Label2->hide();
    cbxBaud_NMEA->hide();

    GroupBox8 = Place(new QGroupBox(QStringLiteral("Flow Rate Setting"), TabSheetStatic),
                      "GroupBox8", QRect(405, 102, 389, 90));
    Label7 = PlaceLabel(GroupBox8, "Label7", QStringLiteral("Flow Rate : "), QRect(10, 26, 76, 20));
    Edit1 = Place(new QLineEdit(QStringLiteral("0"), GroupBox8), "Edit1", QRect(88, 24, 40, 22));
    // Digits only, where they are typed; a whole number beyond 5 still
    // reaches the range check of Set New Flow Rate, whose message names the range.
    Edit1->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}")), Edit1));
    Label8 = PlaceLabel(GroupBox8, "Label8", QStringLiteral("(1 ~ 5 sec)  (0: no constraint)"),
                        QRect(136, 26, 245, 20));
    Button2 = Place(new QPushButton(QStringLiteral("Set New Flow Rate"), GroupBox8), "Button2",
                    QRect(10, 54, 160, 28));

    LabelEdit_Manufacturers_Model_ID = Readout(TabSheetStatic, "LabelEdit_Manufacturers_Model_ID",
                                               "Manufacturer's Model ID", QRect(415, 204, 370, 24));
    LabeledEdit2 =
        Readout(TabSheetStatic, "LabeledEdit2", "Debug Baud Rate", QRect(415, 235, 370, 24));
    Label1 =
        PlaceLabel(TabSheetStatic, "Label1", QStringLiteral("RS-232"), QRect(415, 268, 60, 20));
    cbxBaud_RS232 =
        FixedList(TabSheetStatic, "cbxBaud_RS232", QRect(480, 266, 90, 22),
                  {QStringLiteral("115200"), QStringLiteral("57600"), QStringLiteral("38400"),
                   QStringLiteral("19200"), QStringLiteral("9600"), QStringLiteral("4800")});
    Label1->hide();
    cbxBaud_RS232->hide();
    lblFirmVer = PlaceLabel(TabSheetStatic, "lblFirmVer", QStringLiteral("Firmware Version:"),
                            QRect(415, 298, 370, 20));
    Memo1 = Place(new QPlainTextEdit(TabSheetStatic), "Memo1", QRect(415, 322, 180, 60));
    MemoRecord = Place(new QPlainTextEdit(TabSheetStatic), "MemoRecord", QRect(605, 322, 180, 60));
    Memo1->hide();
    MemoRecord->hide();
    MemoRecord->setMaximumBlockCount(1000); // the hidden echo keeps the newest lines, not all
}

void TForm1::BuildDataViewPage() {
    TabSheet2 = new QWidget(PageControlConf);
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControlConf->addTab(TabSheet2, QStringLiteral("NMEA0183 DATA VIEW(OUTPUT)"));

    auto* fill = new QVBoxLayout(TabSheet2);
    fill->setContentsMargins(0, 0, 0, 0);
    StringGrid1 = new QTableWidget(1, 7, TabSheet2);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    fill->addWidget(StringGrid1);

    StringGrid1->setHorizontalHeaderLabels(
        {QStringLiteral("Line"), QStringLiteral("Talker"), QStringLiteral("Formatter"),
         QStringLiteral("Name"), QStringLiteral("Last Time"), QStringLiteral("Current Time"),
         QStringLiteral("Data")});
    constexpr std::array<int, 7> kColumnWidths{52, 52, 65, 273, 84, 86, 324};
    for (int column = 0; column < 7; ++column)
        StringGrid1->setColumnWidth(column, kColumnWidths[column]);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(22);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // The Data column takes the room a wider window gives.
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

} // namespace varo
