// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Circular-orbit arithmetic. Angles are degrees kept as single-precision floats,
// never reduced modulo 360: after many turns they lose precision the same way
// on every run, which keeps runs reproducible.
namespace Orbite {

// pi / 180 in single precision, pi itself being 4 * atan(1) rounded to single.
float degRad();

// VitesseAng * d + AngleInitial, formed in double and stored in single precision.
float angleAuJour(float vitesseAng, int32_t jour, float angleInitial);

struct Position {
    float x;
    float y;
};

// The point at `angle` degrees on a circle of radius `rayon` around `centre`,
// rounded to single precision once.
Position surCercle(float rayon, float angle, float degRad, Position centre = {0, 0});

// Thousands of km travelled per day on the orbit: 2 pi r / period / 1000, in double.
double vitesseKm(float rayonOrbite, float periode);

// Degrees per day, 360 / period, in single precision.
float vitesseAng(float periode);

} // namespace Orbite
