#include "AboutBox.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextStream>
#include <algorithm>

#include "TfrmAbout.h"

namespace varo {
namespace {

// Cuts a line into pieces of at most kReadMePieceLength characters; a
// character outside the basic plane (two UTF-16 units) is never split.
void AppendPieces(const QString& line, QStringList& lines) {
    qsizetype start = 0;
    do {
        qsizetype size = std::min<qsizetype>(kReadMePieceLength, line.size() - start);
        if (start + size < line.size() && size > 1 && line.at(start + size - 1).isHighSurrogate()) {
            --size;
        }
        lines.append(line.mid(start, size));
        start += size;
    } while (start < line.size());
}

} // namespace

bool LoadReadMe(TfrmAbout& about, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    QStringList lines;
    QString line;
    while (stream.readLineInto(&line))
        AppendPieces(line, lines);
    about.Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    return true;
}

} // namespace varo
