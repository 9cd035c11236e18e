// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// Costs of the work the clock does, on the real window:
//  - one placement pass (field 9, Moon and traces on), in ns;
//  - one tick with the repaint it causes, in µs;
//  - start-up up to the first painted frame of the drawing area, in ms, measured in
//    fresh processes (this program started again with --demarrage).
// Options: --passes N, --ticks N, --demarrages N, --donnees FILE.
// Without QT_QPA_PLATFORM the window is drawn offscreen.

#include "Banc.h"
#include "Cosmos.h"
#include "Placement.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QPaintEvent>
#include <QProcess>

#include <chrono>

namespace {

using Horloge = std::chrono::steady_clock;

double nanosecondes(Horloge::time_point debut, Horloge::time_point fin) {
    return double(std::chrono::duration_cast<std::chrono::nanoseconds>(fin - debut).count());
}

// Runs the event loop until the drawing area has been painted once more than
// `avant` times. False when no paint came.
bool attendPeinture(const Banc::CompteurPeintures& compteur, int avant, int tempsMaxMs = 5000) {
    QElapsedTimer t;
    t.start();
    while (compteur.n == avant) {
        if (t.elapsed() > tempsMaxMs) {
            return false;
        }
        QCoreApplication::processEvents();
    }
    return true;
}

// A window at its heaviest setting with its clock stopped again, so that the bench
// alone decides when a tick happens. Traces stay on.
void prepareFenetre(Sidrane& fenetre, Banc::CompteurPeintures& compteur) {
    fenetre.cosmos()->installEventFilter(&compteur);
    fenetre.chargeSansSplash();
    if (!QTest::qWaitForWindowExposed(&fenetre)) {
        Banc::echoue("the window was never exposed");
    }
    Banc::reglageLePlusLourd(fenetre);
    fenetre.tablecom()->CmdStart->click();
    QCoreApplication::processEvents();
    if (fenetre.moteur().etat().EnMarche || !fenetre.moteur().etat().TraceOn) {
        Banc::echoue("could not stop the clock with traces kept on");
    }
    attendPeinture(compteur, compteur.n, 200);
}

// A tick's work without the panel: the orrery's pass and its drawing on the area.
void passeDePlacement(Sidrane& fenetre, int passes) {
    Cosmos& cosmos = *fenetre.cosmos();
    auto mesure = [&](bool traces, int n) {
        // A copy of the window's orrery, running, with or without traces.
        Planetaire p = fenetre.moteur();
        p.CmdStart_Click();
        if (p.etat().TraceOn != traces) {
            p.CmdTrace_Click();
        }
        std::vector<double> temps;
        temps.reserve(size_t(n));
        for (int i = 0; i < n; ++i) {
            const auto debut = Horloge::now();
            cosmos.montre(p.temps_Timer());
            const auto fin = Horloge::now();
            temps.push_back(nanosecondes(debut, fin));
            if (!p.etat().EnMarche) {
                p.CmdDebut_Click();
                p.CmdStart_Click();
            }
            // The repaint a tick would bring, outside the measure.
            QCoreApplication::processEvents();
        }
        return Banc::statistiques(temps);
    };
    mesure(true, std::min(passes, 1000)); // warm-up
    const Banc::Stats avec = mesure(true, passes);
    const Banc::Stats sans = mesure(false, passes);
    std::printf("placement pass, field 9, Moon, traces on:  median %.0f ns  mean %.0f  p10 %.0f  "
                "p90 %.0f  (%d passes)\n",
                avec.mediane, avec.moyenne, avec.p10, avec.p90, passes);
    std::printf("placement pass, field 9, Moon, traces off: median %.0f ns  mean %.0f  p90 %.0f\n",
                sans.mediane, sans.moyenne, sans.p90);
    Banc::resultat("placement_ns", avec.mediane);
    Banc::resultat("placement_sans_traces_ns", sans.mediane);
}

void tickAvecPeinture(Sidrane& fenetre, Banc::CompteurPeintures& compteur, int ticks) {
    std::vector<double> temps;
    std::vector<double> gestionnaire; // temps_Timer alone
    temps.reserve(size_t(ticks));
    gestionnaire.reserve(size_t(ticks));
    int sansPeinture = 0;
    int relances = 0;
    const int peinturesAvant = compteur.n;
    const long long rectanglesAvant = compteur.rectangles;
    const long long pixelsAvant = compteur.pixels;
    for (int i = 0; i < ticks + ticks / 10; ++i) {
        const int32_t avant = fenetre.moteur().etat().Jours;
        const int peintures = compteur.n;
        const auto debut = Horloge::now();
        Banc::tic(fenetre);
        const auto milieu = Horloge::now();
        const bool peint = attendPeinture(compteur, peintures);
        const auto fin = Horloge::now();
        if (fenetre.moteur().etat().Jours == avant) {
            // The calendar's end stops the clock: back to the start date, traces kept,
            // and running again.
            fenetre.tablecom()->CmdDebut->click();
            if (fenetre.intervalleTemps() == 0) {
                fenetre.tablecom()->CmdStart->click();
            }
            ++relances;
            attendPeinture(compteur, compteur.n, 200);
            continue;
        }
        if (!peint) {
            ++sansPeinture;
        }
        if (i >= ticks / 10) { // the first tenth warms up
            temps.push_back(nanosecondes(debut, fin) / 1000);
            gestionnaire.push_back(nanosecondes(debut, milieu) / 1000);
        }
    }
    const Banc::Stats st = Banc::statistiques(temps);
    const Banc::Stats g = Banc::statistiques(gestionnaire);
    std::printf("tick incl. repaint:  median %.1f us  mean %.1f  p10 %.1f  p90 %.1f  (%zu ticks, "
                "%d without paint, %d resets)\n",
                st.mediane, st.moyenne, st.p10, st.p90, temps.size(), sansPeinture, relances);
    const double peintures = std::max(1, compteur.n - peinturesAvant);
    std::printf("  of which the tick handler (date, placement, traces): median %.1f us, the "
                "repaint and its flush: the rest; a repaint of the drawing area covers %.1f "
                "rectangles, %.0f pixels\n",
                g.mediane, double(compteur.rectangles - rectanglesAvant) / peintures,
                double(compteur.pixels - pixelsAvant) / peintures);
    if (sansPeinture > 0) {
        Banc::echoue("some ticks were not painted");
    }
    Banc::resultat("tick_us", st.mediane);
    Banc::resultat("tick_moyen_us", st.moyenne);
    Banc::resultat("tick_gestionnaire_us", g.mediane);
}

// One start-up in this process: prints the time from the window's construction to
// the end of the first paint of the drawing area, and from main() to the same point.
int unDemarrage(int argc, char** argv, QElapsedTimer& depuisMain) {
    QApplication app(argc, argv);
    Banc::prepareApplication();
    const QString chemin = Banc::cheminDonnees(QCoreApplication::arguments());
    QElapsedTimer t;
    t.start();
    Banc::CompteurPeintures compteur;
    const std::unique_ptr<Sidrane> proprietaire = Banc::fenetre(chemin);
    Sidrane& fenetre = *proprietaire;
    const double construite = double(t.nsecsElapsed()) / 1e6;
    fenetre.cosmos()->installEventFilter(&compteur);
    fenetre.chargeSansSplash();
    const double chargee = double(t.nsecsElapsed()) / 1e6;
    if (!attendPeinture(compteur, 0, 10000)) {
        Banc::echoue("no first paint");
    }
    const double ms = double(t.nsecsElapsed()) / 1e6;
    const double msMain = double(depuisMain.nsecsElapsed()) / 1e6;
    std::printf("%.3f %.3f %.3f %.3f\n", ms, msMain, construite, chargee - construite);
    std::fflush(stdout);
    return 0;
}

void demarrages(const QString& chemin, int n) {
    std::vector<double> fenetre;
    std::vector<double> main;
    std::vector<double> lancement;
    std::vector<double> construction;
    std::vector<double> chargement;
    for (int i = 0; i < n; ++i) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer t;
        t.start();
        p.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--demarrage"), QStringLiteral("--donnees"), chemin});
        if (!p.waitForReadyRead(30000)) {
            Banc::echoue("the start-up process printed nothing");
        }
        const double msLancement = double(t.nsecsElapsed()) / 1e6;
        p.waitForFinished(30000);
        const QList<QByteArray> champs = p.readAllStandardOutput().simplified().split(' ');
        if (champs.size() < 4 || p.exitCode() != 0) {
            Banc::echoue("the start-up process failed");
        }
        fenetre.push_back(champs[0].toDouble());
        main.push_back(champs[1].toDouble());
        lancement.push_back(msLancement);
        construction.push_back(champs[2].toDouble());
        chargement.push_back(champs[3].toDouble());
    }
    const Banc::Stats f = Banc::statistiques(fenetre);
    const Banc::Stats m = Banc::statistiques(main);
    const Banc::Stats l = Banc::statistiques(lancement);
    const Banc::Stats c = Banc::statistiques(construction);
    const Banc::Stats d = Banc::statistiques(chargement);
    std::printf("start-up to first painted frame (median of %d processes): %.1f ms from the "
                "window's construction (min %.1f, p90 %.1f); %.1f ms from main(); "
                "%.1f ms from exec\n",
                n, f.mediane, f.min, f.p90, m.mediane, l.mediane);
    std::printf(
        "  of which (medians) constructing the window %.1f ms, chargeSansSplash() %.1f ms, up to "
        "the end of the first paint the rest\n",
        c.mediane, d.mediane);
    Banc::resultat("demarrage_ms", f.mediane);
    Banc::resultat("demarrage_main_ms", m.mediane);
    Banc::resultat("demarrage_exec_ms", l.mediane);
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer depuisMain;
    depuisMain.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--demarrage") == 0) {
            return unDemarrage(argc, argv, depuisMain);
        }
    }

    QApplication app(argc, argv);
    Banc::prepareApplication();
    const QStringList arguments = QCoreApplication::arguments();
    const QString chemin = Banc::cheminDonnees(arguments);
    auto entier = [&arguments](const char* option, int defaut) {
        const QString v = Banc::valeurOption(arguments, QString::fromLatin1(option));
        return v.isEmpty() ? defaut : v.toInt();
    };
    std::printf("platform %s, Qt %s, data %s\n", qPrintable(QGuiApplication::platformName()),
                qVersion(), qPrintable(chemin));

    {
        Banc::CompteurPeintures compteur;
        const std::unique_ptr<Sidrane> fenetre = Banc::fenetre(chemin);
        prepareFenetre(*fenetre, compteur);
        passeDePlacement(*fenetre, entier("--passes", 10000));
    }
    {
        Banc::CompteurPeintures compteur;
        const std::unique_ptr<Sidrane> fenetre = Banc::fenetre(chemin);
        prepareFenetre(*fenetre, compteur);
        tickAvecPeinture(*fenetre, compteur, entier("--ticks", 3000));
    }
    demarrages(chemin, entier("--demarrages", 7));
    return 0;
}
