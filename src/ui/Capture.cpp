// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Capture.h"

#include "Cosmos.h"
#include "ImageEnregistree.h"
#include "Twips.h"

namespace Capture {

std::optional<QString> ecrit(Planetaire p, const Options& options) {
    // The drawing area as the window lays it out at its designed size: the square of
    // the client height, 11655 twips.
    Cosmos cosmos;
    const int cote = Twips::enPixels(11655);
    cosmos.resize(cote, cote);
    cosmos.setAttribute(Qt::WA_DontShowOnScreen);
    cosmos.show();
    for (int i = 0; i < NbAstres; ++i) {
        cosmos.setAstre(i, p.etat().astres[i].Nom, couleurRvb(p.etat().astres[i].Couleur));
    }
    cosmos.montre(p.instantane());
    if (options.champ) {
        cosmos.montre(p.champClique(*options.champ));
    }
    if (options.joursDeTraces > 0) {
        cosmos.montre(p.CmdStart_Click());
        cosmos.montre(p.CmdTrace_Click());
        for (int k = 0; k < options.joursDeTraces && p.etat().EnMarche; ++k) {
            cosmos.montre(p.temps_Timer());
        }
    }
    return ImageEnregistree::ecrit(cosmos.photo(), options.image);
}

} // namespace Capture
