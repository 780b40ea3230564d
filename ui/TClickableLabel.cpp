#include "TClickableLabel.h"

#include <QMouseEvent>

namespace varo {

void TClickableLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit MouseDown();
}

} // namespace varo
