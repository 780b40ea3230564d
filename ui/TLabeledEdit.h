#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;

namespace varo {

// A caption beside a read-only edit box, the form of every read-out field.
// The caption sits left of the box; the widths split the control.
class TLabeledEdit : public QWidget {
    Q_OBJECT

public:
    TLabeledEdit(const QString& caption, int labelWidth, int editWidth, QWidget* parent);

    QString text() const;
    void setText(const QString& text);

    QLabel* EditLabel;
    QLineEdit* Edit;
};

} // namespace varo
