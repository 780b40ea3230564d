#include "comm/DcbBuilder.h"

namespace varo {
namespace {

constexpr WORD XonXoffLimit = 1024;

} // namespace

void BuildDcb(const TLineSettings& settings, DCB& dcb) {
    dcb.BaudRate = BaudRateValue(settings.BaudRate);
    // The enumerations' ordinals are the block's codes: NOPARITY 0 to
    // SPACEPARITY 4, ONESTOPBIT 0 to TWOSTOPBITS 2, and da4 to da8 give 4 to 8.
    dcb.Parity = static_cast<BYTE>(settings.Parity);
    dcb.StopBits = static_cast<BYTE>(settings.StopBits);
    dcb.ByteSize = static_cast<BYTE>(4 + static_cast<unsigned>(settings.DataBits));
    dcb.XonChar = settings.XOnChar;
    dcb.XoffChar = settings.XOffChar;
    dcb.ErrorChar = settings.ErrorChar;
    dcb.EofChar = settings.EofChar;
    dcb.EvtChar = settings.EvtChar;
    dcb.XonLim = XonXoffLimit;
    dcb.XoffLim = XonXoffLimit;
    const TCommOptions& options = settings.Options;
    dcb.fParity = options.Contains(TCommOption::coParityCheck);
    dcb.fDsrSensitivity = options.Contains(TCommOption::coDsrSensitivity);
    dcb.fTXContinueOnXoff = options.Contains(TCommOption::coIgnoreXOff);
    dcb.fErrorChar = options.Contains(TCommOption::coErrorChar);
    dcb.fNull = options.Contains(TCommOption::coNullStrip);
}

} // namespace varo
