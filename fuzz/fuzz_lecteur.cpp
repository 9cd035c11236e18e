// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes, taken as the data file in any of the writings it may
// have (Windows-1252, UTF-8 with or without a mark, UTF-16 with its mark, ended by a
// Ctrl-Z or not), go the whole way to a drawn field: the reader, the start-up checks, the view of
// every orbital field 1..9 and the placement of the bodies in it on the first and the last day the
// calendar reaches, through the same engine the window uses. They end in a refusal naming the file,
// or in finite sizes and places; never in a crash, a sanitizer report, a hang or unbounded memory.
#include "Calendrier.h"
#include "LecteurDonnees.h"
#include "Planetaire.h"
#include "Refus.h"

#include <QBuffer>
#include <QByteArray>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

const QString Fichier = QStringLiteral("/fuzz/sidranes.dat");

void exige(bool condition) {
    if (!condition) {
        abort();
    }
}

// What the window would be handed: every size and place finite, every circle real.
void verifie(const Instantane& vue) {
    exige(std::isfinite(vue.Echelle) && vue.Echelle > 0);
    for (const FormeAstre& f : vue.ShSidrane) {
        exige(std::isfinite(f.Left) && std::isfinite(f.Top) && std::isfinite(f.Width) &&
              f.Width >= 0);
    }
    for (const EtiquetteAstre& e : vue.LbNom) {
        exige(std::isfinite(e.Left) && std::isfinite(e.Top));
    }
    for (const Cercle& c : vue.cercles) {
        exige(std::isfinite(c.x) && std::isfinite(c.y) && std::isfinite(c.rayon) && c.rayon >= 0);
    }
}

// Every field, traces, Moon and names on, on the file's date and on the last day.
void parcourt(Planetaire& p) {
    verifie(p.CmdTrace_Click());
    verifie(p.CmdLune_Click());
    verifie(p.CmdAffNom_Click());
    for (int champ = 1; champ <= DernierePlanete; ++champ) {
        verifie(p.champClique(champ));
        verifie(p.temps_Timer());
    }
    if (!p.refusDepart(Calendrier::dernierJour())) {
        verifie(p.changeDepart(Calendrier::dernierJour()));
        verifie(p.CmdStart_Click());
        verifie(p.temps_Timer());
    }
}

// The same bytes as a file's path, any bytes a Unix name may hold: shown in a message
// with every byte accounted for and nothing that could reach a terminal raw.
void commeChemin(const QByteArray& octets) {
    const QString affiche = LecteurDonnees::Chemin::depuisOctets(octets).affiche();
    exige(affiche.isEmpty() == octets.isEmpty() && affiche.size() <= octets.size());
    const QString message = Refus::introuvable(affiche).message();
    for (qsizetype i = 0; i < message.size(); ++i) {
        const QChar c = message[i];
        exige(c.category() != QChar::Other_Control);
        // No half of a character is left alone by the cuts.
        exige(!c.isHighSurrogate() || (i + 1 < message.size() && message[i + 1].isLowSurrogate()));
        exige(!c.isLowSurrogate() || (i > 0 && message[i - 1].isHighSurrogate()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray octets =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    commeChemin(octets);
    QBuffer tampon(&octets);
    tampon.open(QIODevice::ReadOnly);
    try {
        const DonneesSidranes d = LecteurDonnees::lit(tampon, Fichier);
        // A date is always given, within the range the program accepts.
        exige(d.DateDebut.isValid() && d.DateDebut.year() >= 100 && d.DateDebut.year() <= 9999);
        Planetaire::Ouverture o = Planetaire::ouvre(d);
        if (Planetaire* p = std::get_if<Planetaire>(&o)) {
            parcourt(*p);
        } else {
            exige(std::get<ErreurDonnees>(o).message().contains(Fichier));
        }
    } catch (const ErreurDonnees& e) {
        // Every message names the file, and none carries a control character.
        exige(e.message().contains(Fichier));
        for (const QChar c : e.message()) {
            exige(c.category() != QChar::Other_Control);
        }
    }
    return 0;
}
