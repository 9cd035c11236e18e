// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReglesGlissiere.h"

#include "Arrondi.h"

#include <algorithm>
#include <stdexcept>

namespace ReglesGlissiere {

Geometrie geometrie(double largeurBouton, double largeurFond, int nbCrans) {
    Geometrie g;
    g.XMin = static_cast<int32_t>(arrondiPair(largeurBouton / 2 + Marge));
    g.XMax = static_cast<int32_t>(arrondiPair(largeurFond - Marge - largeurBouton / 2));
    const double cran = nbCrans > 0 ? arrondiPair(double(g.XMax - g.XMin) / nbCrans) : 0;
    if (!(cran >= 1)) {
        throw std::invalid_argument("slider too short for its notches");
    }
    g.Cran = static_cast<int32_t>(cran);
    return g;
}

double gaucheBoutonAuCran(double gaucheTrack, int cran, int32_t largeurCran) {
    return gaucheTrack + (cran - 0.5) * largeurCran + Marge;
}

bool dansLesMarges(double x, double largeurFond) {
    return !(x < Marge || x > double(static_cast<float>(largeurFond - Marge)));
}

double borne(double x, const Geometrie& g) {
    if (x < g.XMin) {
        x = g.XMin;
    }
    if (x > g.XMax) {
        x = g.XMax;
    }
    return x;
}

bool dansLaCourse(double x, const Geometrie& g) {
    return x > g.XMin && x < g.XMax;
}

double gaucheBoutonSous(double x, double gaucheFond, double largeurBouton) {
    return x + gaucheFond - largeurBouton / 2;
}

int cranDuBouton(double gaucheBouton, double gaucheTrack, const Geometrie& g, int nbCrans) {
    const auto d = static_cast<int64_t>(arrondiPair(gaucheBouton - gaucheTrack - Marge));
    const int64_t cran = d / g.Cran + 1;
    return static_cast<int>(std::clamp<int64_t>(cran, 1, nbCrans));
}

} // namespace ReglesGlissiere
