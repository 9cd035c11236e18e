// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccesGlissiere.h"

#include "Glissiere.h"
#include "PisteGlissiere.h"

AccesGlissiere::AccesGlissiere(PisteGlissiere* piste)
    : QAccessibleWidget(piste, QAccessible::Slider) {}

Glissiere* AccesGlissiere::glissiere() const {
    return Glissiere::de(widget());
}

void* AccesGlissiere::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString AccesGlissiere::text(QAccessible::Text t) const {
    if (t == QAccessible::Value || t == QAccessible::Description) {
        return glissiere()->texteCran();
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
