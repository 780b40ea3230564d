#include "TLabeledEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace varo {

TLabeledEdit::TLabeledEdit(const QString& caption, int labelWidth, int editWidth, QWidget* parent)
    : QWidget(parent), EditLabel(new QLabel(caption, this)), Edit(new QLineEdit(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    EditLabel->setFixedWidth(labelWidth);
    EditLabel->setBuddy(Edit);
    Edit->setFixedWidth(editWidth);
    Edit->setReadOnly(true);
    row->addWidget(EditLabel);
    row->addWidget(Edit);
    row->addStretch();
}

QString TLabeledEdit::text() const {
    return Edit->text();
}

void TLabeledEdit::setText(const QString& text) {
    Edit->setText(text);
}

} // namespace varo
