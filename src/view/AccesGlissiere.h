// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class Glissiere;
class PisteGlissiere;

// What a screen reader sees of a slider: a slider whose value is the notch the knob
// stands in, spoken as the notch's text ("Vitesse : 15 jours par pas"). Setting the
// value acts as the keys do: a click in the middle of that notch.
class AccesGlissiere : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccesGlissiere(PisteGlissiere* piste);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& valeur) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    Glissiere* glissiere() const;
};
