// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the benchmark programs share: finding the data file, putting the window in
// its heaviest setting through its own controls, and reading the process's figures.

#include "Glissiere.h"
#include "LecteurDonnees.h"
#include "Polices.h"
#include "Sidrane.h"
#include "Tablecom.h"
#include "Twips.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPaintEvent>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace Banc {

// Speed 100 days per tick is the last notch; the field of Pluto the last one too.
constexpr int PasLePlusRapide = 100;
constexpr int ChampLePlusLarge = 9;

[[noreturn]] inline void echoue(const char* quoi) {
    std::fprintf(stderr, "bench: %s\n", quoi);
    std::exit(2);
}

// The value following `option` on the command line, or an empty string.
inline QString valeurOption(const QStringList& arguments, const QString& option) {
    const qsizetype i = arguments.indexOf(option);
    return i >= 0 && i + 1 < arguments.size() ? arguments[i + 1] : QString();
}

// `--donnees FILE`, else the file the program keeps beside itself in the build
// folder, else data/sidranes.dat in a folder above the executable.
inline QString cheminDonnees(const QStringList& arguments) {
    const QString donne = valeurOption(arguments, QStringLiteral("--donnees"));
    if (!donne.isEmpty()) {
        return donne;
    }
    QDir dossier(QCoreApplication::applicationDirPath());
    const QString aCote = LecteurDonnees::chemin(dossier.absoluteFilePath(QStringLiteral("..")));
    if (QFileInfo::exists(aCote)) {
        return aCote;
    }
    do {
        const QString livre = dossier.absoluteFilePath(QStringLiteral("data/sidranes.dat"));
        if (QFileInfo::exists(livre)) {
            return livre;
        }
    } while (dossier.cdUp());
    echoue("data file not found; pass --donnees FILE");
}

// The application as the program sets it up before it creates its window.
inline void prepareApplication() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    Polices::charge();
}

// The window as the program makes it, from the data file at `chemin`.
inline std::unique_ptr<Sidrane> fenetre(const QString& chemin) {
    Planetaire::Ouverture o = Planetaire::ouvre({LecteurDonnees::Chemin(chemin), {}});
    if (std::holds_alternative<ErreurDonnees>(o)) {
        echoue("the data file was refused");
    }
    return std::make_unique<Sidrane>(std::get<Planetaire>(std::move(o)));
}

// One tick of the window's clock, as its timer gives it.
inline void tic(Sidrane& fenetre) {
    QMetaObject::invokeMethod(fenetre.findChild<QTimer*>(QStringLiteral("temps")), "timeout");
}

// A click on a slider's track, `twips` from its left edge, as the mouse gives it.
inline void cliqueSurPiste(Glissiere* piste, double twips) {
    QTest::mouseClick(piste, Qt::LeftButton, {}, QPoint(Twips::enPixels(twips), 16));
    QCoreApplication::processEvents();
}

// Field 9, 100 days per tick, the Moon shown, the clock running with traces on,
// all through the window's controls. Leaves the clock running.
inline void reglageLePlusLourd(Sidrane& fenetre) {
    Tablecom* t = fenetre.tablecom();
    cliqueSurPiste(t->CO, 2200);
    cliqueSurPiste(t->Tp, 2200);
    t->CmdLune->click();
    t->CmdStart->click();
    t->CmdTrace->click();
    QCoreApplication::processEvents();
    const Systeme& s = fenetre.moteur().etat();
    if (s.Champ != ChampLePlusLarge || s.Pas() != PasLePlusRapide || !s.LuneOn || !s.TraceOn ||
        !s.EnMarche) {
        echoue("the window did not reach its heaviest setting");
    }
}

// Resident set size from /proc/self/status, in kB.
inline long rssKo(const char* champ = "VmRSS:") {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& ligne : f.readAll().split('\n')) {
        if (ligne.startsWith(champ)) {
            return ligne.mid(int(std::strlen(champ))).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

// CPU time of the whole process (all threads) and its context switches.
struct Cpu {
    double utilisateur = 0; // s
    double systeme = 0;     // s
    long commutations = 0;  // voluntary + involuntary

    double total() const { return utilisateur + systeme; }
    Cpu operator-(const Cpu& avant) const {
        return {utilisateur - avant.utilisateur, systeme - avant.systeme,
                commutations - avant.commutations};
    }
};

inline Cpu tempsCpu() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    auto secondes = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return {secondes(r.ru_utime), secondes(r.ru_stime), r.ru_nvcsw + r.ru_nivcsw};
}

struct Stats {
    double mediane = 0;
    double moyenne = 0;
    double p10 = 0;
    double p90 = 0;
    double min = 0;
};

inline Stats statistiques(std::vector<double> v) {
    Stats s;
    if (v.empty()) {
        return s;
    }
    std::sort(v.begin(), v.end());
    auto rang = [&v](double q) { return v[std::min(v.size() - 1, size_t(q * double(v.size())))]; };
    s.mediane = rang(0.5);
    s.p10 = rang(0.1);
    s.p90 = rang(0.9);
    s.min = v.front();
    double somme = 0;
    for (double x : v) {
        somme += x;
    }
    s.moyenne = somme / double(v.size());
    return s;
}

// Counts the paint events a widget receives, and the rectangles and pixels they ask
// to repaint.
class CompteurPeintures : public QObject {
public:
    int n = 0;
    long long rectangles = 0;
    long long pixels = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            ++n;
            const QRegion& r = static_cast<QPaintEvent*>(e)->region();
            rectangles += r.rectCount();
            for (const QRect& rect : r) {
                pixels += qint64(rect.width()) * rect.height();
            }
        }
        return false;
    }
};

// One figure for bench/run-all: "RESULT key value".
inline void resultat(const char* cle, double valeur) {
    std::printf("RESULT %s %.6g\n", cle, valeur);
    std::fflush(stdout);
}

} // namespace Banc
