// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Placement.h"

#include "Orbite.h"
#include "SurfaceAstres.h"

#include <cmath>

namespace Placement {

namespace {

void calculeAstre(Astre& a, int32_t jour, float degRad, Orbite::Position centre = {0, 0}) {
    a.Angle = Orbite::angleAuJour(a.VitesseAng, jour, a.AngleInitial);
    const Orbite::Position p = Orbite::surCercle(a.RayonOrbite, a.Angle, degRad, centre);
    a.PosX = p.x;
    a.PosY = p.y;
}

void placeLune(Systeme& s, SurfaceAstres& surface, int32_t jour) {
    Astre& lune = s.astres[Lune];
    const Astre& terre = s.astres[Terre];
    // Around the Earth's stored position, whether or not this pass computed it.
    calculeAstre(lune, jour, s.DegRad, {terre.PosX, terre.PosY});
    // The Moon's shape hangs from its top-left corner, not from its centre.
    surface.deplaceForme(Lune, lune.PosX, lune.PosY);
    if (s.TraceOn) {
        surface.cercle(lune.PosX, lune.PosY, std::fabs(lune.DecalX), lune.Couleur);
    }
}

void montreNom(const Systeme& s, SurfaceAstres& surface, int i, float divX, float divY) {
    const Astre& a = s.astres[i];
    surface.montreNom(i, true);
    surface.deplaceNom(i, a.PosX + s.Echelle / divX, a.PosY + s.Echelle / divY);
}

} // namespace

void PlaceAstres(Systeme& s, SurfaceAstres& surface, int32_t jour) {
    const int n = s.Champ;
    for (int i = 1; i <= n; ++i) {
        Astre& a = s.astres[i];
        calculeAstre(a, jour, s.DegRad);
        surface.deplaceForme(i, a.DecalX + a.PosX, a.DecalY + a.PosY);
        if (s.TraceOn) {
            surface.cercle(a.PosX, a.PosY, std::fabs(a.DecalX) / 2, a.Couleur);
        }
    }
    if (s.LuneOn) {
        placeLune(s, surface, jour);
    }
}

void RemiseAZero(Systeme& s, SurfaceAstres& surface) {
    s.Jours = 0;
    const Astre& soleil = s.astres[Soleil];
    surface.deplaceForme(Soleil, soleil.DecalX, soleil.DecalY);
    PlaceAstres(s, surface, s.Jours);
    if (s.NomsOn) {
        // The reset has always put every label above and to the right of its body.
        for (int i = 1; i <= s.Champ; ++i) {
            montreNom(s, surface, i, 50, 100);
        }
    }
}

void MontreNoms(const Systeme& s, SurfaceAstres& surface) {
    for (int i = 1; i <= s.Champ; ++i) {
        montreNom(s, surface, i, s.astres[i].DivNomX, s.astres[i].DivNomY);
    }
}

} // namespace Placement
