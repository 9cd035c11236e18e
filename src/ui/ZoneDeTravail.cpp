// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZoneDeTravail.h"

namespace ZoneDeTravail {

namespace {

// One dimension: a window too large takes the work area's edge and size; one that fits
// but lies past an edge is moved back just inside, keeping its size.
void ajusteAxe(float debutZone, float tailleZone, float& debut, float& taille) {
    if (tailleZone < taille) {
        debut = debutZone;
        taille = tailleZone;
    } else if (debut + taille > debutZone + tailleZone) {
        debut = debutZone + tailleZone - taille;
    } else if (debut < debutZone) {
        debut = debutZone;
    }
}

} // namespace

Cadre ajuste(const Cadre& zoneTravail, const Cadre& fenetre) {
    Cadre resultat = fenetre;
    ajusteAxe(zoneTravail.gauche, zoneTravail.largeur, resultat.gauche, resultat.largeur);
    ajusteAxe(zoneTravail.haut, zoneTravail.hauteur, resultat.haut, resultat.hauteur);
    return resultat;
}

} // namespace ZoneDeTravail
