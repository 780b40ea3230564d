#include "Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QStringList>
#include <utility>

namespace varo {
namespace {

// A folder by the chosen language's word, a file by its kind's description.
class LocalFileKinds : public QFileIconProvider {
public:
    QString type(const QFileInfo& info) const override {
        if (info.isDir()) return ButtonTexts().folder;
        return QMimeDatabase().mimeTypeForFile(info).comment();
    }
};

// Sizes and dates of the file list in the default locale.
class LocalFileFigures : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || files == nullptr)
            return QIdentityProxyModel::data(index, role);
        const QFileInfo info = files->fileInfo(mapToSource(index));
        if (index.column() == 1) {
            if (info.isDir()) return QString();
            // The toolkit has no words for bytes in every language: a unit sign.
            if (info.size() < 1024) return QLocale().toString(info.size()) + QStringLiteral(" B");
            return QLocale().formattedDataSize(info.size(), 1, QLocale::DataSizeTraditionalFormat);
        }
        if (index.column() == 3)
            return QLocale().toString(info.lastModified(), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

void PrepareFileDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    static LocalFileKinds kinds;
    dialog.setIconProvider(&kinds);
    dialog.setProxyModel(new LocalFileFigures(&dialog));
}

MessageBoxFunction& MessageBoxSeam() {
    static MessageBoxFunction seam = ShowMessageBox;
    return seam;
}

SaveFileFunction& SaveFileSeam() {
    static SaveFileFunction seam = AskSaveFileName;
    return seam;
}

OpenFileFunction& OpenFileSeam() {
    static OpenFileFunction seam = ShowOpenFileDialog;
    return seam;
}

QString ChooseFileToOpen(const QString& caption, const QString& filter) {
    return OpenFileSeam()(caption, filter);
}

MessageResult ModalMessage(const QString& text, const QString& caption, MessageIcon icon,
                           MessageButtons buttons) {
    return MessageBoxSeam()(text, caption, icon, buttons);
}

static QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

StandardButtonTexts& ButtonTexts() {
    static StandardButtonTexts texts;
    return texts;
}

std::unique_ptr<QMessageBox> BuildMessageBox(const QString& text, const QString& caption,
                                             MessageIcon icon, MessageButtons buttons) {
    auto box = std::make_unique<QMessageBox>(ToQtIcon(icon), caption, text, QMessageBox::NoButton,
                                             QApplication::activeWindow());
    switch (buttons) {
    case MessageButtons::Ok:
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    const StandardButtonTexts& names = ButtonTexts();
    const std::pair<QMessageBox::StandardButton, const QString*> captions[] = {
        {QMessageBox::Ok, &names.ok},
        {QMessageBox::Cancel, &names.cancel},
        {QMessageBox::Yes, &names.yes},
        {QMessageBox::No, &names.no}};
    for (const auto& [which, caption] : captions) {
        if (QAbstractButton* button = box->button(which)) button->setText(*caption);
    }
    return box;
}

MessageResult ShowMessageBox(const QString& text, const QString& caption, MessageIcon icon,
                             MessageButtons buttons) {
    const std::unique_ptr<QMessageBox> box = BuildMessageBox(text, caption, icon, buttons);
    switch (box->exec()) {
    case QMessageBox::Ok:
        return MessageResult::Ok;
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    default:
        break;
    }
    // Closing the box with Escape or its close button counts as the negative answer.
    return buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Cancel;
}

QString ToQtNameFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // A description that already shows its patterns ("Text files (*.txt)") stays as it is.
        names << (description.contains(QLatin1Char('('))
                      ? description
                      : QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    return names.join(QStringLiteral(";;"));
}

QString AskSaveFileName(const QString& filter, const QString& defaultExtension) {
    QFileDialog dialog(QApplication::activeWindow());
    PrepareFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(ToQtNameFilter(filter));
    dialog.setDefaultSuffix(defaultExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString ShowOpenFileDialog(const QString& caption, const QString& filter) {
    QFileDialog dialog(QApplication::activeWindow(), caption);
    PrepareFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(ToQtNameFilter(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool TSaveDialog::Execute() {
    const QString chosen = SaveFileSeam()(Filter, DefaultExt);
    if (chosen.isEmpty()) return false;
    FileName = chosen;
    return true;
}

} // namespace varo
