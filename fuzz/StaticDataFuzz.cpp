// Lines of the gateway's static data block come off the serial line: any
// bytes (as the receive path hands them on, at most 82 characters and CR LF)
// must read without a fault, and every text kept must end inside its field.
#include "config/ProductInfo.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace varo {
namespace {

void CheckText(const char* text) {
    if (std::memchr(text, '\0', ProductInfo::kTextLength + 1) == nullptr) std::abort();
}

} // namespace

} // namespace varo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varo;
    static ProductInfo info{};
    std::string line(reinterpret_cast<const char*>(data), size < 82 ? size : 82);
    line += "\r\n";
    ReadProductInfo(line, info);
    // The raw bytes as well, without the receive path's limits.
    ReadProductInfo(std::string_view(reinterpret_cast<const char*>(data), size), info);
    CheckText(info.modelId);
    CheckText(info.softwareVersionCode);
    CheckText(info.modelVersion);
    CheckText(info.modelSerialCode);
    return 0;
}
