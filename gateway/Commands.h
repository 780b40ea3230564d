#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "config/OutputStates.h"

namespace varo {

struct SentenceStore;
struct SentenceRecord;
struct CttItemEntry;

// The one place every command to the gateway is built: each fills the
// command's fields of a DeviceRecord of its own and has buildCommandSentence
// compose it, checksum and CR LF included. Fields a command does not use are
// written empty, so no stray value reaches the gateway.
class CommandBuilder {
public:
    CommandBuilder();
    ~CommandBuilder();
    CommandBuilder(const CommandBuilder&) = delete;
    CommandBuilder& operator=(const CommandBuilder&) = delete;

    // The TST probe with `code` (protocol::kProbeStaticData ...).
    std::string Probe(std::uint16_t code);
    // Mode Q for item `subject`.
    std::string Query(std::int32_t subject);
    // Mode C for item `subject` with up to five identifier/flag pairs.
    std::string Change(std::int32_t subject, const std::array<CttItemEntry, 5>& items);
    // Mode A of the output selection.
    std::string ApplyOutputs(const OutputIdentifiers& identifiers);
    // Mode C of item 32767: the factory filtering.
    std::string RestoreDefaults();
    // The plain DBG command with one code and value, the other pairs empty.
    std::string Dbg(std::int16_t code, std::int32_t value);

private:
    std::string Compose(const char* formatter);
    void ClearCttItems();

    std::unique_ptr<SentenceStore> store;
    std::unique_ptr<SentenceRecord> outgoing;
};

} // namespace varo
