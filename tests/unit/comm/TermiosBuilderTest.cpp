#include "comm/TermiosBuilder.h"

#include <gtest/gtest.h>

namespace varo {
namespace {

termios Cooked() {
    termios tio{};
    tio.c_iflag = ICRNL | IXON | IXOFF | BRKINT;
    tio.c_oflag = OPOST | ONLCR;
    tio.c_lflag = ICANON | ECHO | ISIG | IEXTEN;
    tio.c_cflag = CS7 | PARENB | CSTOPB | CRTSCTS | HUPCL;
    return tio;
}

TTermiosBuild Build(const TLineSettings& settings) {
    TTermiosBuild out;
    EXPECT_TRUE(BuildTermios(Cooked(), settings, out));
    return out;
}

TEST(TermiosBuilder, FrameShapes) {
    struct Row {
        TParity Parity;
        TDataBits DataBits;
        TStopBits StopBits;
        tcflag_t Expected; // of CSIZE | PARENB | PARODD | CMSPAR | CSTOPB
    };
    const Row rows[] = {
        {TParity::paNone, TDataBits::da8, TStopBits::sb10, CS8},
        {TParity::paOdd, TDataBits::da7, TStopBits::sb10, CS7 | PARENB | PARODD},
        {TParity::paEven, TDataBits::da6, TStopBits::sb20, CS6 | PARENB | CSTOPB},
        {TParity::paMark, TDataBits::da5, TStopBits::sb15, CS5 | PARENB | PARODD | CMSPAR | CSTOPB},
        {TParity::paSpace, TDataBits::da8, TStopBits::sb10, CS8 | PARENB | CMSPAR},
    };
    for (const Row& row : rows) {
        TLineSettings settings;
        settings.Parity = row.Parity;
        settings.DataBits = row.DataBits;
        settings.StopBits = row.StopBits;
        const tcflag_t frame =
            Build(settings).Tio.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB);
        EXPECT_EQ(frame, row.Expected) << "parity " << int(row.Parity) << " data "
                                       << int(row.DataBits) << " stop " << int(row.StopBits);
    }
}

TEST(TermiosBuilder, FourDataBitsAreRefused) {
    TLineSettings settings;
    settings.DataBits = TDataBits::da4;
    TTermiosBuild out;
    EXPECT_FALSE(BuildTermios(Cooked(), settings, out));
}

TEST(TermiosBuilder, RawModeKeepsHandshakeOfDriver) {
    const termios tio = Build(TLineSettings{}).Tio;
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    EXPECT_EQ(tio.c_iflag & (ICRNL | IXON | BRKINT | INPCK), 0u);
    EXPECT_NE(tio.c_iflag & IXOFF, 0u);
    EXPECT_NE(tio.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(tio.c_cflag & (CREAD | CLOCAL), tcflag_t(CREAD | CLOCAL));
    EXPECT_EQ(tio.c_cc[VMIN], 1);
    EXPECT_EQ(tio.c_cc[VSTART], 17);
    EXPECT_EQ(tio.c_cc[VSTOP], 19);

    TLineSettings checked;
    checked.Options.Include(TCommOption::coParityCheck);
    EXPECT_NE(Build(checked).Tio.c_iflag & INPCK, 0u);
}

TEST(TermiosBuilder, EveryRateHasASpeed) {
    for (unsigned i = 0; i < BaudRateTable.size(); ++i) {
        TLineSettings settings;
        settings.BaudRate = static_cast<TBaudRate>(i);
        const TTermiosBuild out = Build(settings);
        const unsigned rate = BaudRateTable[i];
        const bool custom = rate == 14400 || rate == 56000 || rate == 128000 || rate == 256000;
        EXPECT_EQ(out.CustomSpeed, custom ? rate : 0u) << rate;
        EXPECT_NE(cfgetospeed(&out.Tio), speed_t(B0)) << rate;
    }
    TLineSettings settings;
    settings.BaudRate = TBaudRate::br4800;
    const TTermiosBuild out = Build(settings);
    EXPECT_EQ(cfgetospeed(&out.Tio), speed_t(B4800));
}

TEST(TermiosBuilder, WriteTimeoutMultiplier) {
    EXPECT_EQ(WriteTimeoutMultiplier(TBaudRate::br9600), 3200u);
    EXPECT_EQ(WriteTimeoutMultiplier(TBaudRate::br115200), 1600u);
    EXPECT_EQ(WriteTimeoutMultiplier(TBaudRate::br38400), 2133u);
    EXPECT_EQ(WriteTimeoutMultiplier(TBaudRate::br110), 19200u); // no division by ordinal 0
}

TEST(CommTypes, ErrorTextAndEventMasks) {
    EXPECT_STREQ(ECommError(sPortAlreadyOpen, -1).what(),
                 "Port already assigned (open) (Error: -1)");
    EXPECT_STREQ(ECommError(sUpdateDCBErr, 22).what(),
                 "Error updating DataControlBlock (Error: 22)");
    EXPECT_EQ(EventMask(AllCommEvents), 0x1FFu);
    EXPECT_EQ(EventMask({TCommEventType::evRxChar, TCommEventType::evError}), EV_RXCHAR | EV_ERR);
}

} // namespace

} // namespace varo
