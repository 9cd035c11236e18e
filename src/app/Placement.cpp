// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Placement.h"

#include "Orbite.h"

#include <cmath>

namespace Placement {

namespace {

void calculeAstre(Astre& a, int32_t jour, float degRad, Orbite::Position centre = {0, 0}) {
    a.Angle = Orbite::angleAuJour(a.VitesseAng, jour, a.AngleInitial);
    const Orbite::Position p = Orbite::surCercle(a.RayonOrbite, a.Angle, degRad, centre);
    a.PosX = p.x;
    a.PosY = p.y;
}

void deplace(FormeAstre& forme, float gauche, float haut) {
    forme.Left = gauche;
    forme.Top = haut;
}

void placeLune(Systeme& s, int32_t jour, std::vector<Cercle>& traces) {
    Astre& lune = s.astres[Lune];
    const Astre& terre = s.astres[Terre];
    // Around the Earth's stored position, whether or not this pass computed it.
    calculeAstre(lune, jour, s.DegRad, {terre.PosX, terre.PosY});
    // The Moon's shape hangs from its top-left corner, not from its centre.
    deplace(s.ShSidrane[Lune], lune.PosX, lune.PosY);
    if (s.TraceOn) {
        traces.push_back({lune.PosX, lune.PosY, std::fabs(lune.DecalX), lune.Couleur});
    }
}

void montreNom(Systeme& s, int i, float divX, float divY) {
    const Astre& a = s.astres[i];
    s.LbNom[i] = {a.PosX + s.Echelle / divX, a.PosY + s.Echelle / divY, true};
}

} // namespace

void PlaceAstres(Systeme& s, int32_t jour, std::vector<Cercle>& traces) {
    const int n = s.Champ;
    for (int i = 1; i <= n; ++i) {
        Astre& a = s.astres[i];
        calculeAstre(a, jour, s.DegRad);
        deplace(s.ShSidrane[i], a.DecalX + a.PosX, a.DecalY + a.PosY);
        if (s.TraceOn) {
            traces.push_back({a.PosX, a.PosY, std::fabs(a.DecalX) / 2, a.Couleur});
        }
    }
    if (s.LuneOn) {
        placeLune(s, jour, traces);
    }
}

void RemiseAZero(Systeme& s, std::vector<Cercle>& traces) {
    s.Jours = s.JoursDepart;
    const Astre& soleil = s.astres[Soleil];
    deplace(s.ShSidrane[Soleil], soleil.DecalX, soleil.DecalY);
    PlaceAstres(s, s.Jours, traces);
    if (s.NomsOn) {
        // The reset has always put every label above and to the right of its body.
        for (int i = 1; i <= s.Champ; ++i) {
            montreNom(s, i, 50, 100);
        }
    }
}

void MontreNoms(Systeme& s) {
    for (int i = 1; i <= s.Champ; ++i) {
        montreNom(s, i, s.astres[i].DivNomX, s.astres[i].DivNomY);
    }
}

} // namespace Placement
