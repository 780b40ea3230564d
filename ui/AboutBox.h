#pragma once

#include <QString>
#include <QStringList>

namespace varo {

class TfrmAbout;

// Fills the About box's memo with the read-me file at path (UTF-8), its
// hard-wrapped lines joined into paragraphs that the memo wraps by words
// (see JoinReadMeLines). A file that cannot be opened leaves the memo as it
// is and gives false.
bool LoadReadMe(TfrmAbout& about, const QString& path);

// Joins the lines of a read-me written for a fixed width into paragraphs. A
// line continues the one before unless that one is blank or ends a sentence
// (. ! ? : or their full-width forms), or the line is blank or indented
// differently. Lines join with a space, without one where either side is a
// Chinese character.
QStringList JoinReadMeLines(const QStringList& lines);

} // namespace varo
