// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccesGlissiere.h"

#include "Glissiere.h"
#include "PisteGlissiere.h"

AccesGlissiere::AccesGlissiere(PisteGlissiere* piste)
    : QAccessibleWidget(piste, QAccessible::Slider) {}

PisteGlissiere* AccesGlissiere::piste() const {
    return static_cast<PisteGlissiere*>(widget());
}

void* AccesGlissiere::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString AccesGlissiere::text(QAccessible::Text t) const {
    if (t == QAccessible::Value || t == QAccessible::Description) {
        return piste()->glissiere()->texteCran();
    }
    return QAccessibleWidget::text(t);
}

QVariant AccesGlissiere::currentValue() const {
    return piste()->glissiere()->cran();
}

void AccesGlissiere::setCurrentValue(const QVariant& valeur) {
    piste()->glissiere()->choisitCran(valeur.toInt());
}

QVariant AccesGlissiere::maximumValue() const {
    return piste()->glissiere()->nbCrans();
}

QVariant AccesGlissiere::minimumValue() const {
    return 1;
}

QVariant AccesGlissiere::minimumStepSize() const {
    return 1;
}
