#include "UiTexts.h"

namespace varo {

void SetEnglishTexts(UiTexts& texts) {
    for (const UiTextEntry& entry : kUiTextTable)
        texts.*entry.text = QString::fromUtf8(entry.english);
}

} // namespace varo
