#include "sentence/SentenceTables.h"

#include <cstring>

namespace varo {

const SentenceDescription* FindSentenceDescription(const char* formatter) {
    for (const SentenceDescription& row : SentenceDescriptionTable) {
        if (std::strncmp(row.code, formatter, 3) == 0) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace varo
