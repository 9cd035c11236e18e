// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Contraste.h"

#include <cmath>

namespace Contraste {

namespace {

double lineaire(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double surNoir(const QColor& couleur) {
    const QColor rvb = couleur.toRgb();
    const double l = 0.2126 * lineaire(rvb.redF()) + 0.7152 * lineaire(rvb.greenF()) +
                     0.0722 * lineaire(rvb.blueF());
    return (l + 0.05) / 0.05;
}

QColor lisibleSurNoir(const QColor& couleur) {
    if (surNoir(couleur) >= Minimum) {
        return couleur;
    }
    // The least lightness in 0..255 that reads: white always does (21 to 1).
    const QColor tsl = couleur.toHsl();
    int bas = tsl.lightness();
    int haut = 255;
    while (bas + 1 < haut) {
        const int milieu = (bas + haut) / 2;
        const QColor essai = QColor::fromHsl(tsl.hslHue(), tsl.hslSaturation(), milieu);
        (surNoir(essai) >= Minimum ? haut : bas) = milieu;
    }
    return QColor::fromHsl(tsl.hslHue(), tsl.hslSaturation(), haut).toRgb();
}

} // namespace Contraste
