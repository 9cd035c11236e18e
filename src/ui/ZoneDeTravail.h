// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Keeping a window inside the desktop's work area after the display changes.
// Geometry is in twips, single precision, like the window's own properties.
namespace ZoneDeTravail {

struct Cadre {
    float gauche = 0;
    float haut = 0;
    float largeur = 0;
    float hauteur = 0;

    bool operator==(const Cadre&) const = default;
};

// The window's new outer geometry: each dimension that no longer fits (strictly
// larger than the work area) is pinned to the work area's edge and size; in a
// dimension that fits, a window lying past an edge of the work area is moved back
// just inside it, and one already inside is left alone. Never enlarges nor re-centres.
Cadre ajuste(const Cadre& zoneTravail, const Cadre& fenetre);

} // namespace ZoneDeTravail
