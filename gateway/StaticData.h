#pragma once

#include <string>
#include <string_view>

#include "config/ProductInfo.h"

namespace varo {

// The one reader of the gateway's static data block:
//   NMEA Baud Rate = (38400)
//   Debug Baud Rate = (38400)
//   ... ten value lines in all ...
//   Time Interval sec = (1)
//   [END OF STATIC DATA]
// It is fed every received line (without CR LF). A block counts only when
// every value line arrived whole, in its exact form KEY = (VALUE) with the
// value of its kind: noise on the line damages a value line (a lost CR LF
// joins two, a changed byte makes a number text), and such a block must not
// be taken for the gateway's settings.
class StaticDataReader {
public:
    enum class Block { Pending, Complete, Incomplete };

    // Pending until a line holds the end marker; then Complete when every
    // value arrived valid since the block began (the last end marker),
    // else Incomplete.
    Block OnLine(std::string_view line);
    // The values of the last complete block.
    const ProductInfo& Info() const { return complete; }
    // The ProductInfoValue bits that the last incomplete block lacked.
    unsigned Missing() const { return missing; }
    // Starts a new block: what arrived so far is forgotten.
    void Reset();

private:
    ProductInfo building{};
    ProductInfo complete{};
    unsigned arrived = 0;
    unsigned missing = 0;
};

// "Model ID, Time Interval sec": the keys of the ProductInfoValue bits.
std::string StaticValueNames(unsigned values);

} // namespace varo
