// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Arrondi.h"

#include <QRect>

// Window geometry is designed in twips; Qt works in logical pixels.
namespace Twips {

constexpr double ParPixel = 15;

inline int enPixels(double twips) {
    return static_cast<int>(arrondiPair(twips / ParPixel));
}

inline double depuisPixels(double pixels) {
    return pixels * ParPixel;
}

inline QRect rectPixels(double gauche, double haut, double largeur, double hauteur) {
    return QRect(enPixels(gauche), enPixels(haut), enPixels(largeur), enPixels(hauteur));
}

} // namespace Twips
