#pragma once

#include <QString>

namespace varo {

class TfrmAbout;

// Longest piece of a read-me line that becomes one memo line; a longer line
// is shown as several lines.
inline constexpr int kReadMePieceLength = 499;

// Fills the About box's memo with the read-me file at path (UTF-8), one memo
// line per file line. A file that cannot be opened leaves the memo as it
// is and gives false.
bool LoadReadMe(TfrmAbout& about, const QString& path);

} // namespace varo
