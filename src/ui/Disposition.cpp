// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Disposition.h"

#include <algorithm>

namespace Disposition {

Plan calcule(const Mesures& m) {
    const int w = m.client.width();
    const int h = m.client.height();
    const int panneau = m.ecart + m.panneau.width();
    // Each bar takes room from the other direction: settled in two rounds.
    bool horizontale = w < panneau;
    bool verticale = m.panneau.height() > h - (horizontale ? m.barre : 0);
    horizontale = w < panneau + (verticale ? m.barre : 0);
    verticale = m.panneau.height() > h - (horizontale ? m.barre : 0);
    const int hauteurVue = h - (horizontale ? m.barre : 0);
    const int cote = std::clamp(w - panneau - (verticale ? m.barre : 0), 0, std::max(h, 0));
    Plan p;
    p.cosmos = QRect(0, 0, cote, cote);
    p.panneau = QPoint(cote + m.ecart, 0);
    if (verticale) {
        const int gauche = std::min(p.panneau.x() + m.panneau.width(), w - m.barre);
        p.barreVerticale = QRect(gauche, 0, m.barre, std::max(hauteurVue, 0));
        p.plageVerticale = m.panneau.height() - std::max(hauteurVue, 0);
    }
    if (horizontale) {
        p.barreHorizontale = QRect(0, h - m.barre, w - (verticale ? m.barre : 0), m.barre);
        p.plageHorizontale = panneau + (verticale ? m.barre : 0) - w;
    }
    return p;
}

} // namespace Disposition
