// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelCliquable.h"

#include "MarqueFocus.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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

void LabelCliquable::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            emit clicked();
        }
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LabelCliquable::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (MarqueFocus::visible(this)) {
        QPainter p(this);
        MarqueFocus::dessine(p, rect(), MarqueFocus::surSable());
    }
}
