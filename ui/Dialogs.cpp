#include "Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <utility>

namespace varo {

MessageBoxFunction& MessageBoxSeam() {
    static MessageBoxFunction seam = ShowMessageBox;
    return seam;
}

SaveFileFunction& SaveFileSeam() {
    static SaveFileFunction seam = AskSaveFileName;
    return seam;
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
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(ToQtNameFilter(filter));
    dialog.setDefaultSuffix(defaultExtension);
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
