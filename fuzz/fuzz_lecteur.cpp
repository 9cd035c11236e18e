// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes, taken as the data file in any of the writings it may
// have (Windows-1252, UTF-8 with or without a mark, UTF-16 with its mark, ended by a
// Ctrl-Z or not), go the whole way to a drawn field: the reader, the start-up checks, the view of
// every orbital field 1..9 and the placement of the bodies in it on the first and the last day the
// calendar reaches. They end in a refusal naming the file, or in finite sizes and places; never in
// a crash, a sanitizer report, a hang or unbounded memory.
#include "Calendrier.h"
#include "ChampOrbital.h"
#include "Demarrage.h"
#include "LecteurDonnees.h"
#include "Placement.h"
#include "Refus.h"
#include "SurfaceAstres.h"

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

// The drawing area as placing sees it: every coordinate it is given must be finite.
class SurfaceVerifiee : public SurfaceAstres {
public:
    void deplaceForme(int astre, float gauche, float haut) override {
        exige(astre >= 0 && astre < NbAstres && std::isfinite(gauche) && std::isfinite(haut));
    }
    void cercle(float x, float y, float rayon, int32_t) override {
        exige(std::isfinite(x) && std::isfinite(y) && std::isfinite(rayon) && rayon >= 0);
    }
    void montreNom(int astre, bool) override { exige(astre >= 0 && astre < NbAstres); }
    void deplaceNom(int, float gauche, float haut) override {
        exige(std::isfinite(gauche) && std::isfinite(haut));
    }
};

void afficheChamp(Systeme& s, int champ, SurfaceAstres& surface) {
    s.Champ = champ;
    const ChampOrbital::Vue v = ChampOrbital::vue(s, champ);
    exige(std::isfinite(v.Echelle) && v.Echelle > 0);
    for (int i = 0; i < NbAstres; ++i) {
        const ChampOrbital::TailleDisque& d =
            i == Soleil && v.soleilReduit ? *v.soleilReduit : v.tailles[i];
        exige(std::isfinite(d.Width) && d.Width >= 0);
        s.astres[i].DecalX = d.DecalX;
        s.astres[i].DecalY = d.DecalY;
    }
    Placement::RemiseAZero(s, surface);
    Placement::MontreNoms(s, surface);
    const int64_t dernier = s.DateDebut.daysTo(Calendrier::dernierJour());
    Placement::PlaceAstres(s, surface, int32_t(dernier));
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
        Systeme s;
        s.DateDebut = d.DateDebut;
        s.astres = d.astres;
        Demarrage::InitSysteme(s, 570, d.provenance);
        s.TraceOn = s.LuneOn = s.NomsOn = true;
        SurfaceVerifiee surface;
        for (int champ = 1; champ <= DernierePlanete; ++champ) {
            afficheChamp(s, champ, surface);
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
