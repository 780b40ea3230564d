#include "TClickableLabel.h"

#include <QMouseEvent>

void TClickableLabel::mousePressEvent(QMouseEvent* event) {
  QLabel::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) emit MouseDown();
}
