#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string_view>

#include "LinkHealth.h"
#include "gateway/LineAssembler.h"

class QPlainTextEdit;

namespace varo {

// The newest received lines, kept in a fixed ring so that taking a line
// costs a copy and no allocation: the hidden receive echo and the raw
// monitor are filled from it at each repaint. Older lines than the ring
// holds are gone, as the echo keeps only its newest lines anyway.
class RawMonitor {
public:
    static constexpr std::size_t kCapacity = 1024;

    // One line as the receive path took it (without CR LF), and why it was
    // dropped (LineDrop::None when it was not).
    void Add(std::string_view line, LineDrop drop);
    // Appends the lines taken since the last call that the ring still
    // holds: the good ones to `echo`, all of them, dropped ones with their
    // reason, to `monitor`; a hidden one (null) catches up when shown.
    // `reasons` names the drops, indexed by LineDrop.
    void Flush(QPlainTextEdit* echo, QPlainTextEdit* monitor,
               const std::array<QString, kLineDropCount>& reasons);
    // The newest line turned out dropped after all (its formatter is unknown).
    void MarkNewest(LineDrop drop) {
        if (taken != 0) ring[(taken - 1) % kCapacity].drop = drop;
    }
    std::uint64_t Taken() const { return taken; }

private:
    struct Entry {
        char text[LineAssembler::kMaxLineLength + 1];
        std::uint8_t length;
        LineDrop drop;
    };
    std::array<Entry, kCapacity> ring{};
    std::uint64_t taken = 0;
    std::uint64_t echoed = 0;
    std::uint64_t monitored = 0;
};

} // namespace varo
