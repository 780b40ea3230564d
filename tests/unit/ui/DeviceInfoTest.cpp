// The static data block's value lines on the PROPERTIES page, fed through the
// receive path, and the link watchdog's count, probe and drop on a window
// without a gateway.
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "DeviceInfo.h"
#include "LinkWatchdog.h"
#include "ReceivePath.h"
#include "TLabeledEdit.h"
#include "Tag.h"
#include "WindowLinkTest.h"
#include "config/ProductInfo.h"

namespace varo {
namespace {

class DeviceInfoTest : public WindowLinkTest {
protected:
    // Lines (separated by LF) as one read, each ending in CR LF.
    void Receive(const std::string& lines) {
        std::string bytes;
        for (char c : lines + "\n")
            bytes += c == '\n' ? std::string("\r\n") : std::string(1, c);
        form.FLink->FReceivePath->Receive(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                          bytes.size());
    }
};

using Shown = std::function<QString(const TForm1&)>;

const Shown kDatabaseVersion = [](const TForm1& f) {
    return f.LabelEdit_NMEA2000_Database_Version->text();
};
const Shown kProductCode = [](const TForm1& f) {
    return f.LabelEdit_NMEA2000_Product_Code->text();
};
const Shown kCertification = [](const TForm1& f) {
    return f.LabelEdit_Certification_Level->text();
};
const Shown kFlowRate = [](const TForm1& f) { return f.Edit1->text(); };
const Shown kNmeaBaud = [](const TForm1& f) { return f.cbxBaud_NMEA->currentText(); };
const Shown kDebugBaud = [](const TForm1& f) { return f.cbxBaud_RS232->currentText(); };
const Shown kModelId = [](const TForm1& f) { return f.LabelEdit_Manufacturers_Model_ID->text(); };
const Shown kModelVersion = [](const TForm1& f) {
    return f.LabelEdit_Manufacturers_Mode_Version->text();
};
const Shown kSerialCode = [](const TForm1& f) {
    return f.LabelEdit_Manufacturers_Model_Serial_Code->text();
};
const Shown kSoftwareVersion = [](const TForm1& f) {
    return f.LabelEdit_Manufacturers_Software_Version_Code->text();
};

// The gateway's block with `line` in place of the value line of its key.
std::string BlockWith(const std::string& line) {
    const std::vector<std::string> block = {
        "NMEA Baud Rate = (38400)",  "Debug Baud Rate = (115200)",
        "Database Version = (2100)", "Product Code = (1260)",
        "Model ID = (RZ-60)",        "Software Version Code = (1.0.0.3)",
        "Model Version = (A)",       "Model Serial Code = (0000001)",
        "Certification = (1)",       "Time Interval sec = (1)"};
    std::string text;
    for (const std::string& value : block) {
        const std::string key = value.substr(0, value.find(" = ("));
        text += (line.find(key + " = (") != std::string::npos ? line : value) + "\n";
    }
    return text + "[END OF STATIC DATA]";
}

TEST_F(DeviceInfoTest, ValueLinesShowTheirValues) {
    struct Case {
        const char* line;
        Shown shown;
        const char* expected;
    };
    const std::string longText(40, 'M');
    const std::string longLine = "Model Version = (" + longText + ")";
    const Case cases[] = {
        {"Database Version = (2100)", kDatabaseVersion, "2.100"},
        {"Database Version = (0)", kDatabaseVersion, "0.000"},
        {"Database Version = (65535)", kDatabaseVersion, "65.535"},
        {"Product Code = (1260)", kProductCode, "1260"},
        {"Certification = (0)", kCertification, "Level A"},
        {"Certification = (1)", kCertification, "Level B"},
        {"Certification = (2)", kCertification, "Unknown"},
        {"Time Interval sec = (3)", kFlowRate, "3"},
        {"NMEA Baud Rate = (4800)", kNmeaBaud, "4800"},
        {"NMEA Baud Rate = (9600)", kNmeaBaud, "9600"},
        {"Debug Baud Rate = (4800)", kDebugBaud, "4800"},
        {"Debug Baud Rate = (57600)", kDebugBaud, "57600"},
        {"Debug Baud Rate = (300)", kDebugBaud, "115200"}, // no item holds it: the first
        {"Model ID = (RZ-60)", kModelId, "RZ-60"},
        {"Model Version = (B)", kModelVersion, "B"},
        {"Model Serial Code = (0000001)", kSerialCode, "0000001"},
        {longLine.c_str(), kModelVersion, "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"}, // cut to 32
    };
    for (const Case& c : cases) {
        Receive(BlockWith(c.line));
        EXPECT_EQ(c.shown(form), QString::fromLatin1(c.expected)) << c.line;
    }
}

// Noise on the line damages value lines: a block with one the page does not
// show, and what it showed stays.
TEST_F(DeviceInfoTest, ABlockWithADamagedValueLineLeavesTheShownValues) {
    Receive(BlockWith("Model Serial Code = (A1)"));
    ASSERT_EQ(kSerialCode(form), "A1");
    for (const char* line :
         {"Model Serial Code = (B2", "Model Serial Code = (B2) trailing", "Model Serial Code = ()",
          "x Model Serial Code = (B2)", "Model Serial Code = (B2)Model Version = (C)",
          "Time Interval sec = (-1)", "Time Interval sec = (9)", "Certification = ()",
          "NMEA Baud Rate = (1200)", "Database Version = (65537)"}) {
        Receive(BlockWith(line));
        EXPECT_EQ(kSerialCode(form), "A1") << line;
        EXPECT_EQ(kFlowRate(form), "1") << line;
    }
    EXPECT_STREQ(form.FDeviceInfo->Info().modelSerialCode, "A1");
}

TEST(ProductInfoLines, OneLineCanCarrySeveralKeysAndNoKeyChangesNothing) {
    ProductInfo info{};
    EXPECT_EQ(ReadProductInfo("Product Code = (5) Certification = (1)\r\n", info),
              kProductCodeValue | kCertificationLevelValue);
    EXPECT_EQ(info.productCode, 5);
    EXPECT_EQ(info.certificationLevel, 1);
    EXPECT_EQ(ReadProductInfo("Database Version: 2100\r\n", info), 0u);
    EXPECT_EQ(ReadProductInfo("", info), 0u);
    EXPECT_EQ(info.databaseVersion, 0);
}

TEST(ProductInfoLines, DecimalNumbers) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const std::pair<const char*, std::int32_t> cases[] = {
        {"42)", 42},
        {"  \t42", 42},
        {"-42", -42},
        {"+42", 42},
        {"", 0},
        {")", 0},
        {"- 4", 0},
        {"12ab3", 12},
        {"2147483647", kMax},
        {"2147483648", kMax},
        {"-2147483648", kMin},
        {"99999999999999999999", kMax},
        {"-99999999999999999999", kMin},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ReadDecimal(text), value) << text;
}

class LinkWatchdogTest : public DeviceInfoTest {
protected:
    LinkWatchdogTest() : watchdog(*form.FLinkWatchdog) {
        // Connecting to a port nobody answers on: the button is down and the
        // probes go out.
        AddSilentPort(46);
        ChooseManual(46, "38400");
        PressConnect();
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i)
            watchdog.OnWatchdogTimer();
    }
    LinkWatchdog& watchdog;
};

TEST_F(LinkWatchdogTest, ProbesOncePerSilenceAndDropsAfterSevenSeconds) {
    Ticks(50);
    EXPECT_EQ(form.FLink->FLinkSilenceTicks, 50);
    EXPECT_FALSE(watchdog.ProbeSent());
    Ticks(1);
    EXPECT_TRUE(watchdog.ProbeSent()) << "tick 51";

    Receive("$GPZDA,092750.000,28,05,2011,00,00*52");
    EXPECT_EQ(form.FLink->FLinkSilenceTicks, 0);
    Ticks(1);
    EXPECT_FALSE(watchdog.ProbeSent()) << "a line ends the silence";
    Ticks(50);
    EXPECT_TRUE(watchdog.ProbeSent()) << "the new silence probes again";

    Ticks(70 - 51);
    EXPECT_EQ(form.FLink->FLinkSilenceTicks, 70);
    EXPECT_EQ(Tag(form.OpenPort), 1);
    EXPECT_TRUE(boxes.asked.empty());
    Ticks(1);
    EXPECT_EQ(Tag(form.OpenPort), 0);
    EXPECT_FALSE(form.OpenPort->isChecked());
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "Please check RZ-60 connection");
    EXPECT_EQ(boxes.asked[0].icon, MessageIcon::None);
    EXPECT_FALSE(form.PIC_Timer->isActive());

    Ticks(1);
    EXPECT_EQ(form.FLink->FLinkSilenceTicks, 0) << "no count while disconnected";
    EXPECT_FALSE(watchdog.ProbeSent());
}

} // namespace

} // namespace varo
