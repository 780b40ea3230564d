#pragma once

#include <QString>
#include <cstdint>

#include "config/ProductInfo.h"

class QComboBox;

namespace varo {

struct UiTexts;

class TForm1;

// The PROPERTIES page's read-outs of the gateway's static data block: the
// product information, the certification level, the flow rate in Edit1 and
// the current baud rates as the selections of cbxBaud_RS232 and
// cbxBaud_NMEA. Values keep their last contents after a disconnect; the
// next block overwrites them.
class DeviceInfo {
public:
    explicit DeviceInfo(TForm1& form) : form(form) {}

    // A whole static data block the gateway sent, whatever the connection state.
    void ShowStaticData(const ProductInfo& info);

    const ProductInfo& Info() const { return FProductInfo; }

private:
    TForm1& form;
    ProductInfo FProductInfo{};
};

// 2100 -> "2.100": the stored value is thousandths of a version.
QString DatabaseVersionText(std::uint16_t databaseVersion);
// "Level A" (0), "Level B" (1), "Unknown" for any other level, in the texts' language.
QString CertificationText(const UiTexts& texts, std::uint8_t level);
// Selects the first item of `list` whose text contains `rate` in decimal,
// or the first item when none does.
void SelectBaudItem(QComboBox& list, std::int32_t rate);

} // namespace varo
