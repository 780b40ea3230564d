#include "DeviceInfo.h"

#include <QComboBox>
#include <QLineEdit>
#include <cstring>

#include "TForm1.h"
#include "TLabeledEdit.h"

namespace varo {
namespace {

// The receive path hands over at most this many bytes (the line, CR, LF).
constexpr std::size_t kLongestLine = 101;

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

void DeviceInfo::ParseDeviceInformation(const char* line) {
    if (line == nullptr) return;
    const std::string_view text(line, strnlen(line, kLongestLine));
    Show(ReadProductInfo(text, FProductInfo));
}

void DeviceInfo::Show(unsigned replaced) {
    const ProductInfo& info = FProductInfo;
    if (replaced & kDebugBaudRateValue) SelectBaudItem(*form.cbxBaud_RS232, info.debugBaudRate);
    if (replaced & kNmeaBaudRateValue) SelectBaudItem(*form.cbxBaud_NMEA, info.nmeaBaudRate);
    if (replaced & kDatabaseVersionValue)
        form.LabelEdit_NMEA2000_Database_Version->setText(
            DatabaseVersionText(info.databaseVersion));
    if (replaced & kProductCodeValue)
        form.LabelEdit_NMEA2000_Product_Code->setText(QString::number(info.productCode));
    if (replaced & kModelIdValue)
        form.LabelEdit_Manufacturers_Model_ID->setText(TextOf(info.modelId));
    if (replaced & kModelVersionValue)
        form.LabelEdit_Manufacturers_Mode_Version->setText(TextOf(info.modelVersion));
    if (replaced & kModelSerialCodeValue)
        form.LabelEdit_Manufacturers_Model_Serial_Code->setText(TextOf(info.modelSerialCode));
    if (replaced & kSoftwareVersionCodeValue)
        form.LabelEdit_Manufacturers_Software_Version_Code->setText(
            TextOf(info.softwareVersionCode));
    if (replaced & kCertificationLevelValue)
        form.LabelEdit_Certification_Level->setText(
            CertificationText(form.FTexts, info.certificationLevel));
    if (replaced & kFlowRateValue) form.Edit1->setText(QString::number(info.flowRateSeconds));
}

} // namespace varo
