// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Orbite.h"

#include <cmath>

namespace Orbite {

float degRad() {
    const float pi = static_cast<float>(4.0 * std::atan(1.0));
    return static_cast<float>(double(pi) / 180.0);
}

float angleAuJour(float vitesseAng, int32_t jour, float angleInitial) {
    return static_cast<float>(double(vitesseAng) * double(jour) + double(angleInitial));
}

Position surCercle(float rayon, float angle, float degRad, Position centre) {
    // The product of two singles is exact in double.
    const double a = double(angle) * double(degRad);
    return {static_cast<float>(double(rayon) * std::cos(a) + double(centre.x)),
            static_cast<float>(double(rayon) * std::sin(a) + double(centre.y))};
}

double vitesseKm(float rayonOrbite, float periode) {
    return double(rayonOrbite) * 8.0 * std::atan(1.0) / double(periode) / 1000.0;
}

float vitesseAng(float periode) {
    return 360.0f / periode;
}

} // namespace Orbite
