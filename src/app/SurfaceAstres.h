// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// What placing the bodies needs of the drawing area, in its user units (km, y up).
class SurfaceAstres {
public:
    virtual ~SurfaceAstres() = default;
    virtual void deplaceForme(int astre, float gauche, float haut) = 0;
    virtual void cercle(float x, float y, float rayon, int32_t couleur) = 0;
    virtual void montreNom(int astre, bool visible) = 0;
    virtual void deplaceNom(int astre, float gauche, float haut) = 0;
};
