#include "PisteGlissiere.h"

#include "Twips.h"

#include <QMouseEvent>

PisteGlissiere::PisteGlissiere(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
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
