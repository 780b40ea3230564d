#include "config/FilterCatalog.h"

#include <cstring>

#include "config/ConversionMap.h"
#include "sentence/SentenceTables.h"

namespace varo {
namespace {

constexpr std::int32_t kFirstSentenceId = 200000;
constexpr const char* kUnlistedCode = "129798";

std::vector<std::int32_t> OutputsOf(std::int32_t input) {
    std::vector<std::int32_t> outputs;
    const ConversionRow* row = FindConversionRow(input);
    if (row == nullptr) return outputs;
    for (std::int32_t slot = 0; slot < row->count && slot < 5; ++slot) {
        const std::int32_t output = row->related[slot];
        if (output == ConversionContinued) {
            const std::vector<std::int32_t> rest = OutputsOf(kRmcContinuationItem);
            outputs.insert(outputs.end(), rest.begin(), rest.end());
        } else {
            outputs.push_back(output);
        }
    }
    return outputs;
}

std::vector<FilterInput> BuildInputs(bool nmea0183) {
    std::vector<FilterInput> inputs;
    for (const SentenceDescription& entry : SentenceDescriptionTable) {
        if ((entry.identifier >= kFirstSentenceId) != nmea0183) continue;
        if (std::strncmp(entry.code, kUnlistedCode, std::strlen(kUnlistedCode)) == 0) continue;
        inputs.push_back({entry.identifier, OutputsOf(entry.identifier)});
    }
    return inputs;
}

} // namespace

const std::vector<FilterInput>& FilterInputs(bool nmea0183) {
    static const std::vector<FilterInput> sentences = BuildInputs(true);
    static const std::vector<FilterInput> pgns = BuildInputs(false);
    return nmea0183 ? sentences : pgns;
}

std::string MessageKey(std::int32_t id) {
    if (id == ConversionAll) return "AIS";
    for (const SentenceDescription& entry : SentenceDescriptionTable) {
        if (entry.identifier == id) return entry.code;
    }
    return std::to_string(id);
}

std::optional<std::int32_t> MessageByKey(std::string_view key,
                                         const std::vector<std::int32_t>& candidates) {
    for (std::int32_t id : candidates) {
        if (MessageKey(id) == key) return id;
    }
    return std::nullopt;
}

} // namespace varo
