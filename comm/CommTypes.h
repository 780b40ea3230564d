#pragma once

// Types of the serial port component: the line-setting enumerations (their
// ordinals index the tables of the termios builder and the event mask table),
// the event masks, the status record and the component's error.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace varo {

enum class TBaudRate : std::uint8_t {
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000
};
enum class TParity : std::uint8_t { paNone, paOdd, paEven, paMark, paSpace };
enum class TStopBits : std::uint8_t { sb10, sb15, sb20 };
enum class TDataBits : std::uint8_t { da4, da5, da6, da7, da8 };
enum class TFlowControl : std::uint8_t { fcNone, fcCTS, fcDTR, fcSoftware, fcDefault };
enum class TCommOption : std::uint8_t {
    coParityCheck,
    coDsrSensitivity,
    coIgnoreXOff,
    coErrorChar,
    coNullStrip
};
enum class TCommEventType : std::uint8_t {
    evBreak,
    evCts,
    evDsr,
    evError,
    evRing,
    evRlsd,
    evRxChar,
    evRxFlag,
    evTxEmpty
};

// A set of enumeration members, stored as bits by ordinal.
template <class E> class TEnumSet {
public:
    constexpr TEnumSet() = default;
    constexpr TEnumSet(std::initializer_list<E> members) {
        for (E m : members)
            Include(m);
    }
    constexpr void Include(E m) { FBits |= Bit(m); }
    constexpr void Exclude(E m) { FBits &= ~Bit(m); }
    constexpr bool Contains(E m) const { return (FBits & Bit(m)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr bool operator==(const TEnumSet&) const = default;

private:
    static constexpr std::uint32_t Bit(E m) { return std::uint32_t{1} << static_cast<unsigned>(m); }
    std::uint32_t FBits = 0;
};

using TCommOptions = TEnumSet<TCommOption>;
using TCommEventTypes = TEnumSet<TCommEventType>;

inline constexpr TCommEventTypes AllCommEvents{
    TCommEventType::evBreak,  TCommEventType::evCts,    TCommEventType::evDsr,
    TCommEventType::evError,  TCommEventType::evRing,   TCommEventType::evRlsd,
    TCommEventType::evRxChar, TCommEventType::evRxFlag, TCommEventType::evTxEmpty};

// Event mask bits, as the event thread reports them.
inline constexpr std::uint32_t EV_RXCHAR = 0x0001;
inline constexpr std::uint32_t EV_RXFLAG = 0x0002;
inline constexpr std::uint32_t EV_TXEMPTY = 0x0004;
inline constexpr std::uint32_t EV_CTS = 0x0008;
inline constexpr std::uint32_t EV_DSR = 0x0010;
inline constexpr std::uint32_t EV_RLSD = 0x0020;
inline constexpr std::uint32_t EV_BREAK = 0x0040;
inline constexpr std::uint32_t EV_ERR = 0x0080;
inline constexpr std::uint32_t EV_RING = 0x0100;

// Mask bit by TCommEventType ordinal.
inline constexpr std::array<std::uint32_t, 9> CommEventMasks{
    EV_BREAK, EV_CTS, EV_DSR, EV_ERR, EV_RING, EV_RLSD, EV_RXCHAR, EV_RXFLAG, EV_TXEMPTY};

constexpr std::uint32_t EventMask(TCommEventTypes events) {
    std::uint32_t mask = 0;
    for (std::size_t i = 0; i < CommEventMasks.size(); ++i)
        if (events.Contains(static_cast<TCommEventType>(i))) mask |= CommEventMasks[i];
    return mask;
}

// Error word bits of the status query. CE_IOE reports a device that hung up
// (an adapter pulled, the other end of a pseudo-terminal closed).
inline constexpr std::uint32_t CE_RXOVER = 0x0001;
inline constexpr std::uint32_t CE_OVERRUN = 0x0002;
inline constexpr std::uint32_t CE_RXPARITY = 0x0004;
inline constexpr std::uint32_t CE_FRAME = 0x0008;
inline constexpr std::uint32_t CE_BREAK = 0x0010;
inline constexpr std::uint32_t CE_IOE = 0x0400;

// The platform's handle of an open device or of a wake-up object: a file
// descriptor on POSIX, a HANDLE (held as an integer) on Windows. -1 is
// invalid on both (INVALID_HANDLE_VALUE on Windows).
using TCommHandle = std::intptr_t;
inline constexpr TCommHandle InvalidCommHandle = -1;

// Line status with the queue counts.
struct TComStat {
    std::uint32_t Flags = 0;
    std::uint32_t cbInQue = 0;  // bytes waiting to be read
    std::uint32_t cbOutQue = 0; // bytes not yet sent
};

// The component's error: the message is the error text with its "%d"
// replaced by the code.
class ECommError : public std::runtime_error {
public:
    ECommError(const std::string& text, int code);
    int Code() const { return FCode; }

private:
    int FCode;
};

inline constexpr const char* sUpdateDCBErr = "Error updating DataControlBlock (Error: %d)";
inline constexpr const char* sPortAlreadyOpen = "Port already assigned (open) (Error: %d)";
inline constexpr const char* sSetupCommErr = "Error initializing Read/Write Buffers (Error: %d)";

} // namespace varo
