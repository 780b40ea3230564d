#include "FieldNames.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

#include "ais/AisLayout.h"
#include "sentence/FieldLayout.h"
#include "sentence/FieldText.h"
#include "sentence/SentenceTables.h"

namespace varo {
namespace {

void AddName(std::vector<QString>& names, QSet<QString>& seen, std::string_view name) {
    const QString shown = QString::fromStdString(FieldDisplayName(name));
    if (!seen.contains(shown)) {
        seen.insert(shown);
        names.push_back(shown);
    }
}

void AddLayout(std::vector<QString>& names, QSet<QString>& seen,
               std::span<const FieldLayout> layout) {
    for (const FieldLayout& field : layout) {
        if (field.type == FieldKind::LatLon) {
            // A position is shown as its two halves.
            AddName(names, seen, "latitude");
            AddName(names, seen, "longitude");
            continue;
        }
        AddName(names, seen, field.name);
        AddLayout(names, seen, field.members);
    }
}

} // namespace

std::vector<QString> DecodedFieldNames() {
    std::vector<QString> names;
    QSet<QString> seen;
    for (const SentenceDescription& sentence : SentenceDescriptionTable)
        AddLayout(names, seen, FieldSetLayout(sentence.code));
    for (const AisLayout& layout : AisFieldLayoutTable)
        for (const AisField& field : layout.fields)
            AddName(names, seen, field.name);
    return names;
}

QString TranslatedFieldName(const QHash<QString, QString>& names, const QString& shown) {
    static const QRegularExpression member(QStringLiteral("^(.+) (\\d+): (.+)$"));
    static const QRegularExpression element(QStringLiteral("^(.+) (\\d+(?:\\.\\d+)?)$"));
    const auto found = names.constFind(shown);
    if (found != names.constEnd()) return *found;
    if (const QRegularExpressionMatch parts = member.match(shown); parts.hasMatch())
        return QStringLiteral("%1 %2: %3")
            .arg(TranslatedFieldName(names, parts.captured(1)), parts.captured(2),
                 TranslatedFieldName(names, parts.captured(3)));
    if (const QRegularExpressionMatch parts = element.match(shown); parts.hasMatch())
        return names.value(parts.captured(1), parts.captured(1)) + QLatin1Char(' ') +
               parts.captured(2);
    return shown;
}

std::vector<QString> DecodedFieldUnits() {
    // Times carry their zone as their unit.
    std::vector<QString> units{QStringLiteral("UTC")};
    const auto add = [&units](std::span<const FieldLayout> layout, const auto& self) -> void {
        for (const FieldLayout& field : layout) {
            const QString unit = QString::fromUtf8(FieldUnit(field.name));
            if (!unit.isEmpty() && std::find(units.begin(), units.end(), unit) == units.end())
                units.push_back(unit);
            self(field.members, self);
        }
    };
    for (const SentenceDescription& sentence : SentenceDescriptionTable)
        add(FieldSetLayout(sentence.code), add);
    return units;
}

} // namespace varo
