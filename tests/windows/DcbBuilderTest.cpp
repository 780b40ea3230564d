#include "comm/DcbBuilder.h"

#include <gtest/gtest.h>

namespace varo {
namespace {

TEST(DcbBuilder, SettingsReachTheBlockAndTheRestKeepsTheDriversValues) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    dcb.fBinary = 1;
    dcb.fOutxCtsFlow = 1;
    dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
    dcb.fOutX = 1;
    dcb.fParity = 1;

    TLineSettings settings;
    settings.BaudRate = TBaudRate::br38400;
    settings.Parity = TParity::paMark;
    settings.StopBits = TStopBits::sb15;
    settings.DataBits = TDataBits::da5;
    settings.Options = {TCommOption::coIgnoreXOff, TCommOption::coNullStrip};
    settings.XOnChar = 1;
    settings.XOffChar = 2;
    settings.ErrorChar = '?';
    settings.EofChar = 26;
    settings.EvtChar = '\n';
    BuildDcb(settings, dcb);

    EXPECT_EQ(dcb.BaudRate, 38400u);
    EXPECT_EQ(dcb.Parity, MARKPARITY);
    EXPECT_EQ(dcb.StopBits, ONE5STOPBITS);
    EXPECT_EQ(dcb.ByteSize, 5);
    EXPECT_EQ(dcb.XonChar, 1);
    EXPECT_EQ(dcb.XoffChar, 2);
    EXPECT_EQ(dcb.ErrorChar, '?');
    EXPECT_EQ(dcb.EofChar, 26);
    EXPECT_EQ(dcb.EvtChar, '\n');
    EXPECT_EQ(dcb.XonLim, 1024);
    EXPECT_EQ(dcb.XoffLim, 1024);
    EXPECT_EQ(dcb.fParity, 0u); // coParityCheck is off
    EXPECT_EQ(dcb.fDsrSensitivity, 0u);
    EXPECT_EQ(dcb.fTXContinueOnXoff, 1u);
    EXPECT_EQ(dcb.fErrorChar, 0u);
    EXPECT_EQ(dcb.fNull, 1u);
    // The handshake is the driver's.
    EXPECT_EQ(dcb.fBinary, 1u);
    EXPECT_EQ(dcb.fOutxCtsFlow, 1u);
    EXPECT_EQ(dcb.fRtsControl, unsigned(RTS_CONTROL_HANDSHAKE));
    EXPECT_EQ(dcb.fOutX, 1u);
}

TEST(DcbBuilder, EveryRateAndDataWidthOfTheTables) {
    for (std::size_t i = 0; i < BaudRateTable.size(); ++i) {
        TLineSettings settings;
        settings.BaudRate = static_cast<TBaudRate>(i);
        settings.DataBits = static_cast<TDataBits>(i % 5);
        DCB dcb{};
        BuildDcb(settings, dcb);
        EXPECT_EQ(dcb.BaudRate, BaudRateTable[i]);
        EXPECT_EQ(dcb.ByteSize, 4 + i % 5);
    }
}

} // namespace
} // namespace varo
