// Builds AIS messages bit by bit and armors them into sentence payloads, so
// tests state the field values they mean instead of opaque payload strings.
#pragma once

#include "ais/AisState.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace varo {

class AisBitWriter {
public:
    AisBitWriter& Put(uint32_t value, unsigned width) {
        for (unsigned i = width; i-- > 0;)
            bits_.push_back(((value >> i) & 1u) != 0);
        return *this;
    }
    AisBitWriter& PutSigned(int32_t value, unsigned width) {
        return Put(static_cast<uint32_t>(value), width);
    }
    // Six-bit text, padded with '@' to `chars` characters.
    AisBitWriter& Text(const std::string& text, std::size_t chars) {
        for (std::size_t i = 0; i < chars; ++i) {
            const unsigned c = i < text.size() ? static_cast<unsigned char>(text[i]) : '@';
            Put(c >= 64 ? c - 64 : c, 6);
        }
        return *this;
    }
    // Zero bits up to a total of `total`.
    AisBitWriter& PadTo(std::size_t total) {
        while (bits_.size() < total)
            bits_.push_back(false);
        return *this;
    }
    // Drops the bits after the first `total`.
    AisBitWriter& CutTo(std::size_t total) {
        if (bits_.size() > total) bits_.resize(total);
        return *this;
    }
    std::size_t Size() const { return bits_.size(); }

    // The armored text, with the fill bits that complete its last character.
    std::string Armor(int8_t& fillBits) const {
        std::string text;
        for (std::size_t i = 0; i < bits_.size(); i += 6) {
            unsigned v = 0;
            for (std::size_t b = i; b < i + 6; ++b)
                v = (v << 1) | (b < bits_.size() && bits_[b] ? 1u : 0u);
            text.push_back(static_cast<char>(v < 40 ? v + 48 : v + 56));
        }
        fillBits = static_cast<int8_t>(text.size() * 6 - bits_.size());
        return text;
    }

private:
    std::vector<bool> bits_;
};

inline AisFragment MakeFragment(const char* formatter, int total, int number, int sequentialId,
                                const char* payload, int fillBits) {
    AisFragment fragment;
    fragment.total = static_cast<int8_t>(total);
    fragment.number = static_cast<int8_t>(number);
    fragment.sequentialId = static_cast<int8_t>(sequentialId);
    fragment.channel = 'A';
    fragment.payload = payload;
    fragment.fillBits = static_cast<int8_t>(fillBits);
    for (int i = 0; i < 3; ++i)
        fragment.formatter[i] = formatter[i];
    return fragment;
}

// Sends a whole message as one sentence of `formatter` through the receive steps.
inline AisReceiveResult Receive(AisState& state, const AisBitWriter& message,
                                const char* formatter = "VDM") {
    int8_t fill = 0;
    const std::string payload = message.Armor(fill);
    return AisReceiveFragment(MakeFragment(formatter, 1, 1, -128, payload.c_str(), fill), state);
}

inline std::unique_ptr<AisState> NewAisState() {
    return std::make_unique<AisState>();
}

// A type-1 position report; the fields not given are 0.
struct PositionReport {
    uint32_t mmsi = 0;
    unsigned navStatus = 0;
    int rateOfTurn = 0;
    unsigned speedTenths = 0;
    int lonTenThousandthMinutes = 0;
    int latTenThousandthMinutes = 0;
    unsigned courseTenths = 0;
    unsigned heading = 0;
    unsigned raim = 0;
};

inline AisBitWriter Type1(const PositionReport& r, unsigned type = 1) {
    AisBitWriter w;
    w.Put(type, 6).Put(0, 2).Put(r.mmsi, 30).Put(r.navStatus, 4).PutSigned(r.rateOfTurn, 8);
    w.Put(r.speedTenths, 10).Put(1, 1).PutSigned(r.lonTenThousandthMinutes, 28);
    w.PutSigned(r.latTenThousandthMinutes, 27).Put(r.courseTenths, 12).Put(r.heading, 9);
    w.Put(30, 6).Put(0, 4).Put(0, 1).Put(r.raim, 1).Put(0x12345, 19);
    return w;
}

} // namespace varo
