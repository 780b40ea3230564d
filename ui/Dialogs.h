#pragma once

#include <QString>
#include <functional>
#include <memory>

class QFileDialog;
class QMessageBox;

namespace varo {

// The window's modal dialogs go through these replaceable function objects:
// production shows the toolkit's dialogs, tests put in their own to answer
// and to record what was asked.

enum class MessageIcon { None, Information, Warning, Error, Question, Exclamation };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageResult { Ok, Cancel, Yes, No };

// Shows text under caption with the icon and buttons; returns the button pressed.
using MessageBoxFunction = std::function<MessageResult(const QString& text, const QString& caption,
                                                       MessageIcon, MessageButtons)>;

// Asks for a file name to save under. filter is "Description|*.ext[|...]";
// defaultExtension (no dot) is added to a name typed without one. Returns the
// chosen path, or an empty string when the user cancels.
using SaveFileFunction =
    std::function<QString(const QString& filter, const QString& defaultExtension)>;

// Asks for an existing file to open, with `caption` as the dialog's title and
// filter as above. Returns the chosen path, or an empty string on cancel.
using OpenFileFunction = std::function<QString(const QString& caption, const QString& filter)>;

// The seams themselves; assign to replace, assign the production functions
// (ShowMessageBox, AskSaveFileName, ShowOpenFileDialog) to restore.
MessageBoxFunction& MessageBoxSeam();
SaveFileFunction& SaveFileSeam();
OpenFileFunction& OpenFileSeam();

// The captions of the standard buttons of the production message box, and
// the file dialogs' word for a folder in their list of files.
struct StandardButtonTexts {
    QString ok = QStringLiteral("OK");
    QString cancel = QStringLiteral("Cancel");
    QString yes = QStringLiteral("Yes");
    QString no = QStringLiteral("No");
    QString folder = QStringLiteral("Folder");
};
StandardButtonTexts& ButtonTexts();

// Runs the current message box seam.
MessageResult ModalMessage(const QString& text, const QString& caption, MessageIcon icon,
                           MessageButtons buttons);

// The production dialogs. BuildMessageBox makes the box ShowMessageBox shows
// (its caption, text, icon and buttons in the chosen language) without showing it.
std::unique_ptr<QMessageBox> BuildMessageBox(const QString& text, const QString& caption,
                                             MessageIcon icon, MessageButtons buttons);
MessageResult ShowMessageBox(const QString& text, const QString& caption, MessageIcon icon,
                             MessageButtons buttons);
QString AskSaveFileName(const QString& filter, const QString& defaultExtension);
// The toolkit's file dialog in the chosen language: its list names the kinds
// of file, sizes and dates by the default locale rather than the system's.
void PrepareFileDialog(QFileDialog& dialog);
QString ShowOpenFileDialog(const QString& caption, const QString& filter);
// Runs the current open-file seam.
QString ChooseFileToOpen(const QString& caption, const QString& filter);

// "Text files (*.txt)|*.txt|All files|*" -> "Text files (*.txt);;All files (*)".
QString ToQtNameFilter(const QString& filter);

// A save dialog held by the window: the user of the dialog sets Filter and
// DefaultExt, Execute asks through the seam and keeps the answer in FileName.
struct TSaveDialog {
    QString Filter;
    QString DefaultExt;
    QString FileName;

    // True when a file was chosen.
    bool Execute();
};

} // namespace varo
