#pragma once

#include <QByteArray>
#include <QString>
#include <QTranslator>
#include <memory>

class QAction;

namespace varo {

class TForm1;

// Switching the user interface language: the language menu items and the
// language files "Lang/Lang-EN.ini", "Lang/Lang-TW.ini" and "Lang/Lang-CN.ini"
// beside the program, which replace captions and message texts key by key.
class LanguageFiles {
public:
    explicit LanguageFiles(TForm1& form) : form(form) {}
    ~LanguageFiles();

    // The handler of the three language menu items; the item's tag is the
    // language index (0 English, 1 Traditional, 2 Simplified Chinese). Any
    // other tag does nothing. Loads the language file and the About box's
    // read-me of that language.
    void SelectLanguage(QAction* item);

    // Reads one language file into the captions and the UI text table. A key
    // the file lacks (or a missing file) leaves its text as it is.
    void LoadLanguageFile(const QString& path);

private:
    // The toolkit's own texts (the file dialog of Save log) in the language.
    void LoadToolkitTexts(int language);

    // The files of a language index 0 .. 2, under the program's folder.
    QString LanguageFilePath(int language) const;
    QString ReadMePath(int language) const;

    TForm1& form;
    std::unique_ptr<QTranslator> toolkitTexts; // installed while a Chinese language is chosen
};

// The bytes of a language file as UTF-8. A file without a UTF-8 byte order
// mark that is not valid UTF-8 was saved by an older editor: "Lang-TW" files
// are read as Big5 and "Lang-CN" files as GBK. A missing file gives nothing.
QByteArray ReadLanguageText(const QString& path);
// "Big5" for a Lang-TW file, "GBK" for a Lang-CN file, otherwise nullptr.
const char* LegacyEncoding(const QString& path);

} // namespace varo
