#include "DeviceInfo.h"

#include <QComboBox>
#include <QLineEdit>

#include "TForm1.h"
#include "TLabeledEdit.h"

namespace varo {
namespace {

QString TextOf(const char* field) {
    return QString::fromLatin1(field);
}

} // namespace

QString DatabaseVersionText(std::uint16_t databaseVersion) {
    // Scaled in single precision, as the gateway's own tools show it.
    const float version = static_cast<float>(databaseVersion) * 0.001f;
    return QString::asprintf("%4.3f", static_cast<double>(version));
}

QString CertificationText(const UiTexts& texts, std::uint8_t level) {
    switch (level) {
    case 0:
        return texts.LevelA;
    case 1:
        return texts.LevelB;
    default:
        return texts.LevelUnknown;
    }
}

void SelectBaudItem(QComboBox& list, std::int32_t rate) {
    const QString text = QString::number(rate);
    for (int item = 0; item < list.count(); ++item) {
        if (list.itemText(item).contains(text)) {
            list.setCurrentIndex(item);
            return;
        }
    }
    list.setCurrentIndex(0);
}

void DeviceInfo::ShowStaticData(const ProductInfo& info) {
    FProductInfo = info;
    form.LabeledEdit1->setText(QString::number(info.nmeaBaudRate));
    form.LabeledEdit2->setText(QString::number(info.debugBaudRate));
    SelectBaudItem(*form.cbxBaud_RS232, info.debugBaudRate);
    SelectBaudItem(*form.cbxBaud_NMEA, info.nmeaBaudRate);
    form.LabelEdit_NMEA2000_Database_Version->setText(DatabaseVersionText(info.databaseVersion));
    form.LabelEdit_NMEA2000_Product_Code->setText(QString::number(info.productCode));
    form.LabelEdit_Manufacturers_Model_ID->setText(TextOf(info.modelId));
    form.LabelEdit_Manufacturers_Mode_Version->setText(TextOf(info.modelVersion));
    form.LabelEdit_Manufacturers_Model_Serial_Code->setText(TextOf(info.modelSerialCode));
    form.LabelEdit_Manufacturers_Software_Version_Code->setText(TextOf(info.softwareVersionCode));
    form.LabelEdit_Certification_Level->setText(
        CertificationText(form.FTexts, info.certificationLevel));
    form.Edit1->setText(QString::number(info.flowRateSeconds));
}

} // namespace varo
