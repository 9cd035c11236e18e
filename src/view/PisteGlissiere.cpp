// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PisteGlissiere.h"

#include "MarqueFocus.h"
#include "Twips.h"

#include <QMouseEvent>
#include <QPainter>

PisteGlissiere::PisteGlissiere(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
    // Reached with Tab only: a press of the mouse moves the knob and leaves the focus alone.
    setFocusPolicy(Qt::TabFocus);
}

void PisteGlissiere::cliqueEn(double x) {
    emit MouseDown(x);
    emit MouseUp(x);
    emit Click();
}

void PisteGlissiere::mousePressEvent(QMouseEvent* event) {
    presse = rect().contains(event->position().toPoint());
    emit MouseDown(Twips::depuisPixels(event->position().x()));
}

void PisteGlissiere::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(Twips::depuisPixels(event->position().x()));
}

void PisteGlissiere::mouseReleaseEvent(QMouseEvent* event) {
    const bool dessus = presse && rect().contains(event->position().toPoint());
    // Only the last button released ends the press.
    if (event->buttons() == Qt::NoButton) {
        presse = false;
    }
    emit MouseUp(Twips::depuisPixels(event->position().x()));
    if (dessus && event->buttons() == Qt::NoButton) {
        emit Click();
    }
}

void PisteGlissiere::paintEvent(QPaintEvent*) {
    if (MarqueFocus::visible(this)) {
        QPainter p(this);
        MarqueFocus::dessine(p, rect(), MarqueFocus::surSable());
    }
}
