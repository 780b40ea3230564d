#pragma once

#include <QHash>
#include <QString>
#include <vector>

namespace varo {

// The names of the decoded fields as the data view shows them in English
// ("Speed over ground", "Type of EPFD"): every field and group member of the
// sentence layouts and of the AIS layouts, each once. They are the keys of
// the language files' FIELD_NAME section.
std::vector<QString> DecodedFieldNames();

// `shown` in the language of `names` (English name -> translation). Repeated
// fields and group members ("Satellites 2: Elevation", "Values 3", "Slot offset 1.2") are
// translated part by part; a name without a translation stays as it is.
QString TranslatedFieldName(const QHash<QString, QString>& names, const QString& shown);

// The units of the decoded values ("kn", "deg/min", "UTC"), each once: the
// keys of the UNIT section.
std::vector<QString> DecodedFieldUnits();

} // namespace varo
