#include "AboutBox.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTextStream>

#include "TfrmAbout.h"

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    QStringList lines;
    QString line;
    while (stream.readLineInto(&line))
        lines.append(line);
    about.Memo1->setPlainText(JoinReadMeLines(lines).join(QLatin1Char('\n')));
    return true;
}

} // namespace varo
