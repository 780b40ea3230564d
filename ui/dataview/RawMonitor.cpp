#include "RawMonitor.h"

#include <QPlainTextEdit>
#include <algorithm>
#include <cstring>

namespace varo {

void RawMonitor::Add(std::string_view line, LineDrop drop) {
    Entry& entry = ring[taken % kCapacity];
    const std::size_t length = std::min(line.size(), sizeof entry.text);
    std::memcpy(entry.text, line.data(), length);
    entry.length = static_cast<std::uint8_t>(length);
    entry.drop = drop;
    ++taken;
}

void RawMonitor::Flush(QPlainTextEdit* echo, QPlainTextEdit* monitor,
                       const std::array<QString, kLineDropCount>& reasons) {
    const std::uint64_t oldest = taken > kCapacity ? taken - kCapacity : 0;
    const auto append = [&](std::uint64_t& from, bool all, QPlainTextEdit& text) {
        QString lines;
        for (std::uint64_t i = std::max(from, oldest); i < taken; ++i) {
            const Entry& entry = ring[i % kCapacity];
            if (!all && entry.drop != LineDrop::None) continue;
            if (!lines.isEmpty()) lines += QLatin1Char('\n');
            lines += QString::fromLatin1(entry.text, entry.length);
            if (entry.drop != LineDrop::None)
                lines += QStringLiteral("   <") + reasons[static_cast<std::size_t>(entry.drop)] +
                         QLatin1Char('>');
        }
        from = taken;
        if (!lines.isEmpty()) text.appendPlainText(lines);
    };
    if (echo != nullptr) append(echoed, false, *echo);
    if (monitor != nullptr) append(monitored, true, *monitor);
}

} // namespace varo
