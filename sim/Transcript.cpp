#include "sim/Transcript.h"

namespace varo::sim {

bool Transcript::Open(const std::string& path) {
    Close();
    if (path.empty()) return true;
    FFile = std::fopen(path.c_str(), "ae");
    return FFile != nullptr;
}

void Transcript::Close() {
    if (FFile) std::fclose(FFile);
    FFile = nullptr;
}

void Transcript::Write(std::string_view mark, std::string_view line) {
    if (!FFile) return;
    // fwrite must not see the null data of an empty view.
    if (!mark.empty()) std::fwrite(mark.data(), 1, mark.size(), FFile);
    if (!line.empty()) std::fwrite(line.data(), 1, line.size(), FFile);
    std::fputc('\n', FFile);
    std::fflush(FFile);
}

} // namespace varo::sim