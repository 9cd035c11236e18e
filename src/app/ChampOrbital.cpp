// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChampOrbital.h"

namespace ChampOrbital {

namespace {

// Beyond Mars the Sun would hide Mercury at full size.
constexpr int DernierSoleilEntier = 4;

// Height and offsets follow the width as the shape holds it.
TailleDisque taille(float w) {
    return TailleDisque{w, w, -w / 2, w / 2};
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

Vue vue(const Systeme& s, int champ) {
    Vue v;
    v.Echelle = echelle(s.astres, champ);
    v.coinHautGauche = QPointF(-v.Echelle, v.Echelle);
    v.coinBasDroit = QPointF(v.Echelle, -v.Echelle);
    for (int i = 0; i < NbAstres; ++i) {
        v.tailles[i] = taille(largeurDisque(s.astres[i].Diametre, v.Echelle, s.LargeurCosmos));
    }
    if (champ > DernierSoleilEntier) {
        v.soleilReduit = taille(v.tailles[Soleil].Width / 4);
    }
    for (int i = 0; i <= DernierePlanete; ++i) {
        v.visibles[i] = i <= champ;
    }
    // The Moon turns around the Earth: it can be shown once the Earth is in view.
    v.lunePossible = champ > 2;
    if (v.lunePossible) {
        v.luneVisible = s.LuneOn;
    }
    if (s.EnMarche) {
        v.vitesse = QString::number(s.astres[champ].VitesseKm);
    }
    v.course = QStringLiteral("Distance parcourue par ") + s.astres[champ].Nom;
    return v;
}

QString legendeOrbite(const Astres& astres, int champ) {
    return QStringLiteral("Champ orbital : ") + astres[champ].Nom;
}

} // namespace ChampOrbital
