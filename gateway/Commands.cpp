#include "gateway/Commands.h"

#include "config/CommandSentence.h"
#include "config/SentenceStore.h"
#include "gateway/Protocol.h"

namespace varo {

CommandBuilder::CommandBuilder()
    : store(std::make_unique<SentenceStore>()), outgoing(std::make_unique<SentenceRecord>()) {}

CommandBuilder::~CommandBuilder() = default;

std::string CommandBuilder::Compose(const char* formatter) {
    char text[kCommandBufferSize] = {};
    if (!buildCommandSentence(text, sizeof text, "P", formatter, *store, *outgoing)) return {};
    return text;
}

void CommandBuilder::ClearCttItems() {
    for (CttItemEntry& item : store->device.cttItems)
        item = {protocol::kNoOutput, 0, 0};
}

std::string CommandBuilder::Probe(std::uint16_t code) {
    DeviceRecord& device = store->device;
    device.tstNumber = 99999;
    device.tstValue = 99;
    // 64 is the at-sign, just below "A": outside both letter ranges, written empty.
    device.tstLowerCaseLetter = 64;
    device.tstLetter = 64;
    device.tstCode = code;
    return Compose("TST");
}

std::string CommandBuilder::Query(std::int32_t subject) {
    DeviceRecord& device = store->device;
    device.cttMode = 'Q';
    device.cttSubject = static_cast<std::uint32_t>(subject);
    ClearCttItems();
    return Compose("CTT");
}

std::string CommandBuilder::Change(std::int32_t subject, const std::array<CttItemEntry, 5>& items) {
    DeviceRecord& device = store->device;
    device.cttMode = 'C';
    device.cttSubject = static_cast<std::uint32_t>(subject);
    for (std::size_t slot = 0; slot < items.size(); ++slot)
        device.cttItems[slot] = items[slot];
    return Compose("CTT");
}

std::string CommandBuilder::ApplyOutputs(const OutputIdentifiers& identifiers) {
    DeviceRecord& device = store->device;
    device.cttMode = 'A';
    device.cttSubject = static_cast<std::uint32_t>(protocol::kApplyOutputStates);
    for (std::size_t slot = 0; slot < identifiers.size(); ++slot)
        device.cttItems[slot] = {identifiers[slot], 0, 0};
    return Compose("CTT");
}

std::string CommandBuilder::RestoreDefaults() {
    DeviceRecord& device = store->device;
    device.cttMode = 'C';
    device.cttSubject = protocol::kRestoreDefaultsItem;
    ClearCttItems();
    return Compose("CTT");
}

std::string CommandBuilder::Dbg(std::int16_t code, std::int32_t value) {
    DbgPairs& pairs = store->device.dbgPairs;
    for (int pair = 0; pair < 4; ++pair) {
        pairs.codes[pair] = kNoDbgCode;
        pairs.values[pair] = kNoDbgValue;
    }
    pairs.codes[0] = code;
    pairs.values[0] = value;
    store->device.dbgCommandChar = 0;
    return Compose("DBG");
}

} // namespace varo
