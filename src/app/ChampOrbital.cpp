// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChampOrbital.h"

namespace ChampOrbital {

namespace {

// Beyond Mars the Sun would hide Mercury at full size.
constexpr int DernierSoleilEntier = 4;

// Height and offsets follow the width as the shape holds it.
void dimensionne(Systeme& s, int i, float largeur) {
    s.ShSidrane[i].Width = largeur;
    s.ShSidrane[i].Height = largeur;
    s.astres[i].DecalX = -largeur / 2;
    s.astres[i].DecalY = largeur / 2;
}

} // namespace

double marge(int champ) {
    return champ == 4 ? MargeMax : 1.1;
}

float echelle(const Astres& astres, int champ) {
    return static_cast<float>(double(astres[champ].RayonOrbite) * marge(champ));
}

float largeurDisque(float diametre, float echelle, int32_t largeurCosmos) {
    const double largeurEchelle = 2 * double(echelle);
    return static_cast<float>(double(diametre) * largeurEchelle / largeurCosmos);
}

void FixeEchelle(Systeme& s, int champ) {
    s.Echelle = echelle(s.astres, champ);
    for (int i = 0; i < NbAstres; ++i) {
        dimensionne(s, i, largeurDisque(s.astres[i].Diametre, s.Echelle, s.LargeurCosmos));
    }
    for (int i = 0; i <= DernierePlanete; ++i) {
        s.ShSidrane[i].Visible = i <= champ;
    }
    // The Moon turns around the Earth: it can be shown once the Earth is in view.
    if (champ > 2) {
        s.ShSidrane[Lune].Visible = s.LuneOn;
    }
    if (champ > DernierSoleilEntier) {
        dimensionne(s, Soleil, s.ShSidrane[Soleil].Width / 4);
    }
}

} // namespace ChampOrbital
