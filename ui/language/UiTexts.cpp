#include "UiTexts.h"

namespace varo {

void SetEnglishTexts(UiTexts& texts) {
    for (const UiTextEntry& entry : kUiTextTable)
        texts.*entry.text = QString::fromUtf8(entry.english);
    for (std::size_t i = 0; i < SentenceDescriptionTable.size(); ++i)
        texts.MessageNames[i] = QString::fromLatin1(SentenceDescriptionTable[i].description);
}

QString MessageName(const UiTexts& texts, std::size_t index) {
    return index < texts.MessageNames.size() ? texts.MessageNames[index] : QString();
}

} // namespace varo
