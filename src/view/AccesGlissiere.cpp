// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccesGlissiere.h"

#include "Glissiere.h"

AccesGlissiere::AccesGlissiere(Glissiere* glissiere)
    : QAccessibleWidget(glissiere, QAccessible::Slider) {}

Glissiere* AccesGlissiere::glissiere() const {
    return static_cast<Glissiere*>(widget());
}

void* AccesGlissiere::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString AccesGlissiere::text(QAccessible::Text t) const {
    if (t == QAccessible::Value || t == QAccessible::Description) {
        return glissiere()->texteValeur();
    }
    return QAccessibleWidget::text(t);
}

QVariant AccesGlissiere::currentValue() const {
    return glissiere()->cran();
}

void AccesGlissiere::setCurrentValue(const QVariant& valeur) {
    glissiere()->choisitCran(valeur.toInt());
}

QVariant AccesGlissiere::maximumValue() const {
    return glissiere()->nbCrans();
}

QVariant AccesGlissiere::minimumValue() const {
    return 1;
}

QVariant AccesGlissiere::minimumStepSize() const {
    return 1;
}

// The notch's text, read only, with neither selection nor cursor.

QString AccesGlissiere::text(int debut, int fin) const {
    return glissiere()->texteValeur().mid(debut, fin - debut);
}

int AccesGlissiere::characterCount() const {
    return static_cast<int>(glissiere()->texteValeur().size());
}

void AccesGlissiere::selection(int, int* debut, int* fin) const {
    *debut = 0;
    *fin = 0;
}

int AccesGlissiere::selectionCount() const {
    return 0;
}

void AccesGlissiere::addSelection(int, int) {}

void AccesGlissiere::removeSelection(int) {}

void AccesGlissiere::setSelection(int, int, int) {}

int AccesGlissiere::cursorPosition() const {
    return 0;
}

void AccesGlissiere::setCursorPosition(int) {}

// The whole track stands for each character: the text is nowhere drawn.
QRect AccesGlissiere::characterRect(int) const {
    return rect();
}

int AccesGlissiere::offsetAtPoint(const QPoint&) const {
    return 0;
}

void AccesGlissiere::scrollToSubstring(int, int) {}

QString AccesGlissiere::attributes(int, int* debut, int* fin) const {
    *debut = 0;
    *fin = characterCount();
    return QString();
}
