// Feeds random encapsulation sentences through the AIS receive steps: each
// record of the input is one fragment (formatter, total, number, identifier,
// fill bits, channel, then payload text up to a newline). One state lives
// across records, so partial messages, refusals and a filling target table
// are all reached.
#include "ais/AisState.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace varo {
namespace {

AisStamp FuzzClock() {
    static uint32_t tick = 0;
    ++tick;
    return {static_cast<uint16_t>(2000 + tick % 100), static_cast<uint8_t>(tick % 13),
            static_cast<uint8_t>(tick % 32),          static_cast<uint8_t>(tick % 24),
            static_cast<uint8_t>(tick % 60),          static_cast<uint8_t>(tick % 61)};
}

AisState& State() {
    static std::unique_ptr<AisState> state = [] {
        auto s = std::make_unique<AisState>();
        s->decoder.clock = FuzzClock;
        return s;
    }();
    return *state;
}

constexpr const char* kFormatters[] = {"VDM", "VDO", "ABM", "BBM"};

} // namespace

} // namespace varo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace varo;
    AisState& state = State();
    std::size_t at = 0;
    while (size - at >= 6) {
        AisFragment fragment;
        std::memcpy(fragment.formatter, kFormatters[data[at] & 3], 4);
        fragment.total = static_cast<int8_t>(data[at + 1] % 12 - 1);
        fragment.number = static_cast<int8_t>(data[at + 2] % 12 - 1);
        fragment.sequentialId =
            static_cast<int8_t>(data[at + 3] % 11 == 10 ? -128 : data[at + 3] % 11);
        fragment.fillBits = static_cast<int8_t>(data[at + 4] % 7);
        fragment.channel = static_cast<int8_t>(data[at + 5]);
        at += 6;
        const void* end = std::memchr(data + at, '\n', size - at);
        const std::size_t length =
            end != nullptr ? static_cast<std::size_t>(static_cast<const uint8_t*>(end) - data) - at
                           : size - at;
        const std::string payload(reinterpret_cast<const char*>(data + at), length);
        at += length + (end != nullptr ? 1 : 0);
        fragment.payload = payload.c_str();
        if ((data[at - 1] & 0x7F) == 0x7F)
            AisClear(state); // now and then a non-encapsulation sentence
        AisReceiveFragment(fragment, state);
    }
    return 0;
}
