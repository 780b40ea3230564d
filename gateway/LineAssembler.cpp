#include "gateway/LineAssembler.h"

namespace varo {

bool LineAssembler::Add(std::uint8_t byte) {
    if (byte == 0x00 || byte == '\r') return false;
    if (byte == '\n') {
        FCompleted = FLength;
        FLength = 0;
        return FCompleted <= kMaxLineLength;
    }
    if (FLength < FText.size()) FText[FLength++] = static_cast<char>(byte);
    return false;
}

} // namespace varo
