#include "AboutBox.h"

#include <QFile>
#include <QPlainTextEdit>

#include "TfrmAbout.h"
#include "platform/LineReader.h"

namespace varo {
namespace {

qsizetype Indent(const QString& line) {
    qsizetype indent = 0;
    while (indent < line.size() && line.at(indent).isSpace())
        ++indent;
    return indent;
}

bool EndsSentence(const QString& line) {
    static const QString kEnds = QStringLiteral(".!?:。！？：");
    return !line.isEmpty() && kEnds.contains(line.back());
}

// Ideographs, kana and full-width punctuation take no space between them.
bool IsWide(QChar character) {
    return character.unicode() >= 0x2E80;
}

} // namespace

QStringList JoinReadMeLines(const QStringList& lines) {
    QStringList paragraphs;
    qsizetype indent = 0;
    bool open = false; // the last paragraph may take the next line
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        const qsizetype lineIndent = Indent(raw);
        if (open && !line.isEmpty() && lineIndent == indent) {
            QString& last = paragraphs.last();
            if (!IsWide(last.back()) && !IsWide(line.front())) last += QLatin1Char(' ');
            last += line;
        } else {
            paragraphs.append(line.isEmpty() ? QString() : raw.left(lineIndent) + line);
            indent = lineIndent;
        }
        open = !line.isEmpty() && !EndsSentence(line);
    }
    return paragraphs;
}

bool LoadReadMe(TfrmAbout& about, const QString& path) {
    std::vector<std::string> read;
    std::string reason;
    if (!platform::ReadLines(QFile::encodeName(path).toStdString(), read, reason)) return false;
    QStringList lines;
    for (const std::string& line : read)
        lines.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
    about.Memo1->setPlainText(JoinReadMeLines(lines).join(QLatin1Char('\n')));
    return true;
}

} // namespace varo
