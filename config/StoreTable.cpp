// The category table: every formatter the store knows, its category, the
// function that moves its values, and whether loadSentence mirrors it.
#include <array>
#include <cstring>

#include "config/StoreTransfer.h"

namespace varo {
namespace {

constexpr StoreEntry Entry(const char (&formatter)[4], SentenceCategory category,
                           TransferFunction transfer, bool loadable) {
    return {{formatter[0], formatter[1], formatter[2], '\0'}, category, transfer, loadable};
}

using enum SentenceCategory;
constexpr bool kLoad = true;
constexpr bool kStoreOnly = false;

// Loadable are the formatters of the flat formatter list; the other AIS and
// DSC formatters are stored but never rebuilt from the store.
constexpr std::array kStoreTable = {
    Entry("GGA", Gnss, TransferGga, kLoad),
    Entry("GLL", Gnss, TransferGll, kLoad),
    Entry("GBS", Gnss, TransferGbs, kLoad),
    Entry("GSA", Gnss, TransferGsa, kLoad),
    Entry("GSV", Gnss, TransferGsv, kLoad),
    Entry("RMC", Gnss, TransferRmc, kLoad),
    Entry("VTG", Gnss, TransferVtg, kLoad),
    Entry("ZDA", Gnss, TransferZda, kLoad),
    Entry("ROT", HeadingSpeed, TransferRot, kLoad),
    Entry("HDT", HeadingSpeed, TransferHdt, kLoad),
    Entry("VBW", HeadingSpeed, TransferVbw, kLoad),
    Entry("GNS", HeadingSpeed, TransferGns, kLoad),
    Entry("LRI", LongRange, TransferLongRange, kLoad),
    Entry("LRF", LongRange, TransferLongRange, kLoad),
    Entry("LR1", LongRange, TransferLongRange, kLoad),
    Entry("LR2", LongRange, TransferLongRange, kLoad),
    Entry("LR3", LongRange, TransferLongRange, kLoad),
    Entry("ABK", AisShip, TransferAbk, kStoreOnly),
    Entry("ACA", AisShip, TransferAca, kStoreOnly),
    Entry("ACK", AisShip, TransferAck, kLoad),
    Entry("ACS", AisShip, TransferAcs, kStoreOnly),
    Entry("ALR", AisShip, TransferAlr, kLoad),
    Entry("SSD", AisShip, TransferSsd, kLoad),
    Entry("VSD", AisShip, TransferVsd, kLoad),
    Entry("ABM", AisShip, TransferAbm, kStoreOnly),
    Entry("BBM", AisShip, TransferBbm, kStoreOnly),
    Entry("VDM", AisShip, TransferVdm, kStoreOnly),
    Entry("VDO", AisShip, TransferVdo, kStoreOnly),
    Entry("TXT", AisShip, TransferTxt, kStoreOnly),
    Entry("DSC", Dsc, TransferDsc, kStoreOnly),
    Entry("DSE", Dsc, TransferDsc, kStoreOnly),
    Entry("DSI", Dsc, TransferDsc, kLoad),
    Entry("DSR", Dsc, TransferDsc, kStoreOnly),
    Entry("MID", Device, TransferMid, kLoad),
    Entry("BDY", Device, TransferBdy, kLoad),
    Entry("TST", Device, TransferTst, kLoad),
    Entry("CTT", Device, TransferCtt, kLoad),
    Entry("FRQ", Device, TransferFrq, kLoad),
    Entry("BTH", Device, TransferBth, kLoad),
    Entry("DBG", Device, TransferDbg, kLoad),
    Entry("TPS", Device, TransferTps, kLoad),
    Entry("MOB", Device, TransferMob, kLoad),
};
static_assert(kStoreTable.size() == 42, "8 + 4 + 5 + 12 + 4 + 9 formatters in six categories");

constexpr std::size_t CountLoadable() {
    std::size_t count = 0;
    for (const StoreEntry& entry : kStoreTable) {
        count += entry.loadable ? 1 : 0;
    }
    return count;
}
static_assert(CountLoadable() == 31, "the flat formatter list has 31 entries");

struct TalkerCode {
    char talker[3];
    std::uint8_t code;
};
constexpr TalkerCode kFixDeviceTypes[] = {{"GP", 1}, {"GL", 2}, {"GN", 3}, {"LC", 4}, {"IN", 6}};

// A formatter's characters up to its terminator (at most four) packed into one
// word, so that the lookup on every received line compares one word per entry.
constexpr std::uint32_t FormatterKey(const char* formatter) {
    std::uint32_t key = 0;
    for (int i = 0; i < 4 && formatter[i] != '\0'; ++i) {
        key |= static_cast<std::uint32_t>(static_cast<unsigned char>(formatter[i])) << (8 * i);
    }
    return key;
}

constexpr auto kStoreKeys = [] {
    std::array<std::uint32_t, kStoreTable.size()> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i] = FormatterKey(kStoreTable[i].formatter);
    }
    return keys;
}();

} // namespace

const StoreEntry* FindStoreEntry(const char* formatter) {
    const std::uint32_t key = FormatterKey(formatter);
    for (std::size_t i = 0; i < kStoreKeys.size(); ++i) {
        if (kStoreKeys[i] == key) {
            return &kStoreTable[i];
        }
    }
    return nullptr;
}

SentenceCategory classifySentence(const char* formatter) {
    const StoreEntry* entry = FindStoreEntry(formatter);
    return entry != nullptr ? entry->category : SentenceCategory::None;
}

std::uint8_t FixDeviceTypeOf(const char* talker) {
    for (const TalkerCode& known : kFixDeviceTypes) {
        if (std::strncmp(known.talker, talker, 3) == 0) {
            return known.code;
        }
    }
    return 0;
}

SentenceStore& ProgramSentenceStore() {
    static SentenceStore store{};
    return store;
}

void storeSentence(const SentenceRecord& sentence, SentenceStore& store) {
    const StoreEntry* entry = FindStoreEntry(sentence.formatter);
    if (entry == nullptr) {
        return;
    }
    const std::uint8_t fixDeviceType = FixDeviceTypeOf(sentence.talker);
    switch (entry->category) {
    case SentenceCategory::Gnss:
        store.gnss.FixDeviceType = fixDeviceType;
        std::memcpy(store.gnss.formatter, sentence.formatter, sizeof store.gnss.formatter);
        break;
    case SentenceCategory::HeadingSpeed:
        store.headingSpeed.FixDeviceType = fixDeviceType;
        break;
    case SentenceCategory::LongRange:
        store.longRange.FixDeviceType = fixDeviceType;
        break;
    case SentenceCategory::AisShip:
        store.aisShip.FixDeviceType = fixDeviceType;
        break;
    case SentenceCategory::Dsc:
        store.dsc.FixDeviceType = fixDeviceType;
        break;
    case SentenceCategory::Device:
    case SentenceCategory::None:
        break;
    }
    // The transfer functions serve both directions and so take the sentence
    // by reference; storing works on a copy and leaves the caller's record alone.
    SentenceRecord copy = sentence;
    entry->transfer(Direction::Store, copy, store);
}

} // namespace varo
