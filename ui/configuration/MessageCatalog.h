#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

#include "UiTexts.h"
#include "sentence/SentenceTables.h"

namespace varo {

// How the filter screens name messages: the sentence description table read
// by identifier, by code and by description, and the entries the input tree
// lists.

// MessageIndex for the RMC continuation marker and for an unknown identifier.
inline constexpr std::size_t kContinuedIndex = 254;
inline constexpr std::size_t kUnknownIndex = 255;

// The table index of `id`; kContinuedIndex for ConversionContinued,
// kUnknownIndex when the table has no row for it.
std::size_t MessageIndex(std::int32_t id);

// The code and the description of `id`, the description in the texts'
// language. An identifier without a row (the conversion map names 200063 and
// 130053, which have none) reads as its number, so that the screen never
// shows an empty name.
QString MessageCode(std::int32_t id);
QString MessageDescription(const UiTexts& texts, std::int32_t id);

// The first entry whose code begins with `text`, or nullptr.
const varo::SentenceDescription* FindByCodePrefix(const QString& text);
// The first entry whose description in the texts' language equals `text`, or nullptr.
const varo::SentenceDescription* FindByDescription(const UiTexts& texts, const QString& text);

} // namespace varo
