#include "MessageCatalog.h"

#include "config/ConversionMap.h"

namespace varo {
namespace {

QString Text(const char* field) {
    return QString::fromLatin1(field);
}

} // namespace

std::size_t MessageIndex(std::int32_t id) {
    if (id == varo::ConversionContinued) return kContinuedIndex;
    for (std::size_t i = 0; i < varo::SentenceDescriptionTable.size(); ++i) {
        if (varo::SentenceDescriptionTable[i].identifier == id) return i;
    }
    return kUnknownIndex;
}

QString MessageCode(std::int32_t id) {
    const std::size_t index = MessageIndex(id);
    if (index >= varo::SentenceDescriptionTable.size()) return QString::number(id);
    return Text(varo::SentenceDescriptionTable[index].code);
}

QString MessageDescription(const UiTexts& texts, std::int32_t id) {
    const std::size_t index = MessageIndex(id);
    if (index >= varo::SentenceDescriptionTable.size()) return QString::number(id);
    return MessageName(texts, index);
}

const varo::SentenceDescription* FindByCodePrefix(const QString& text) {
    for (const varo::SentenceDescription& entry : varo::SentenceDescriptionTable) {
        if (Text(entry.code).startsWith(text)) return &entry;
    }
    return nullptr;
}

const varo::SentenceDescription* FindByDescription(const UiTexts& texts, const QString& text) {
    for (std::size_t i = 0; i < varo::SentenceDescriptionTable.size(); ++i) {
        if (MessageName(texts, i) == text) return &varo::SentenceDescriptionTable[i];
    }
    return nullptr;
}

} // namespace varo
