#pragma once

#include <QLabel>

class QMouseEvent;

namespace varo {

// A label or picture that reports a left mouse press, for controls that act
// on mouse-down (the sentence pictures and labels of the output selection).
class TClickableLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void MouseDown();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace varo
