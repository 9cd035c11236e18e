#include "LabelCliquable.h"

#include <QMouseEvent>

void LabelCliquable::mousePressEvent(QMouseEvent* event) {
    presse = event->button() == Qt::LeftButton;
}

void LabelCliquable::mouseReleaseEvent(QMouseEvent* event) {
    const bool clic =
        presse && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    presse = false;
    if (clic) {
        emit clicked();
    }
}
