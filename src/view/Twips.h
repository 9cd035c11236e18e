// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Arrondi.h"

#include <QRect>
#include <QRectF>

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

inline QRect rectPixels(const QRectF& twips) {
    return rectPixels(twips.left(), twips.top(), twips.width(), twips.height());
}

// Unrounded, for the discs: they keep fractions of a pixel.
inline QRectF rectPixelsExact(double gauche, double haut, double largeur, double hauteur) {
    return QRectF(gauche / ParPixel, haut / ParPixel, largeur / ParPixel, hauteur / ParPixel);
}

} // namespace Twips
