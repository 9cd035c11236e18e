// SPDX-License-Identifier: GPL-3.0-or-later
#include "Affichage.h"

namespace Affichage {

Cadre ajuste(const Cadre& zoneTravail, const Cadre& fenetre) {
    Cadre resultat = fenetre;
    if (zoneTravail.largeur < fenetre.largeur) {
        resultat.gauche = zoneTravail.gauche;
        resultat.largeur = zoneTravail.largeur;
    }
    if (zoneTravail.hauteur < fenetre.hauteur) {
        resultat.haut = zoneTravail.haut;
        resultat.hauteur = zoneTravail.hauteur;
    }
    return resultat;
}

} // namespace Affichage
