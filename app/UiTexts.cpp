#include "UiTexts.h"

void SetEnglishTexts(UiTexts& texts) {
  for (const UiTextEntry& entry : kUiTextTable) texts.*entry.text = QString::fromUtf8(entry.english);
}
