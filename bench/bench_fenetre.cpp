// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The real window left running on its own 20 ms clock for a number of seconds (first
// argument, default 30), in one of three settings (--reglage):
//   lourd  field 9, Moon and traces on, 100 days per tick (the default);
//   leger  field 3, 1 day per tick, no traces: the lightest running setting;
//   arret  the whole start-up with its splash, then the clock stopped.
// Prints ticks per second, the process's CPU time as a share of one core, the spread
// of the intervals between ticks, what each tick costs in paint events, rectangles,
// X requests, images put and round trips (the last three when compte_xcb is
// preloaded), and the resident memory.
//
// Ticks are counted from the day count. Starting in 2025 at 100 days a tick the
// calendar ends after about 29 000 ticks (about 10 minutes); when the clock stops
// there, the bench clicks "Début" then "Démarrer" (traces stay on) and goes on.
//
// Options: --donnees FILE, --echantillons S (memory and cost per tick every S s).

#include "Banc.h"
#include "Cosmos.h"

#include <QElapsedTimer>
#include <QTimer>

#include <cmath>
#ifdef Q_OS_UNIX
#include <dlfcn.h>
#endif

namespace {

// What the preloaded counter has seen of the X protocol so far, if it is there.
struct Xcb {
    long requetes = 0;
    long images = 0;
    long attentes = 0;
    bool present = false;

    static Xcb maintenant() {
        Xcb x;
#ifdef Q_OS_UNIX
        using Lecture = void (*)(long*, long*, long*);
        static auto lecture = reinterpret_cast<Lecture>(dlsym(RTLD_DEFAULT, "sidranes_compte_xcb"));
        if (lecture) {
            lecture(&x.requetes, &x.images, &x.attentes);
            x.present = true;
        }
#endif
        return x;
    }
};

// Every paint event of the program, and the start of every tick of the clock.
class Espion : public QObject {
public:
    explicit Espion(int intervalle) : intervalle(intervalle) {}
    long peintures = 0;
    std::vector<double> instantsTicks; // ms
    QElapsedTimer montre;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            ++peintures;
        } else if (e->type() == QEvent::Timer && montre.isValid()) {
            auto* t = qobject_cast<QTimer*>(o);
            if (t && t->interval() == intervalle && t->timerType() == Qt::PreciseTimer) {
                instantsTicks.push_back(double(montre.nsecsElapsed()) / 1e6);
            }
        }
        return false;
    }

private:
    int intervalle;
};

class Mesure : public QObject {
public:
    Mesure(Sidrane& f, QString r, double secondes, double echantillons)
        : fenetre(f), reglage(std::move(r)), duree(secondes), intervalleEchantillons(echantillons),
          espion(f.moteur().etat().Intervalle) {}

    void lance() {
        rssAvantHorloge = Banc::rssKo();
        fenetre.cosmos()->installEventFilter(&peinturesCosmos);
        qApp->installEventFilter(&espion);
        if (reglage == QLatin1String("lourd")) {
            Banc::reglageLePlusLourd(fenetre);
        } else if (reglage == QLatin1String("leger")) {
            fenetre.tablecom()->CmdStart->click();
            const Systeme& s = fenetre.moteur().etat();
            if (s.Champ != 3 || s.Pas() != 1 || s.TraceOn || s.LuneOn || !s.EnMarche) {
                Banc::echoue("the window did not reach its lightest running setting");
            }
        } else if (fenetre.moteur().etat().EnMarche) {
            Banc::echoue("the clock runs after start-up");
        }
        // A second of running before the measure: the first traces, caches, fonts.
        QTimer::singleShot(1000, this, [this] { commence(); });
    }

private:
    void commence() {
        rssDebut = Banc::rssKo();
        cpuDebut = Banc::tempsCpu();
        cpuTranche = cpuDebut;
        xcbDebut = Xcb::maintenant();
        peinturesDebut = espion.peintures;
        joursDebutSegment = fenetre.moteur().etat().Jours;
        montre.start();
        espion.montre.start();
        surveillance.setTimerType(Qt::CoarseTimer);
        connect(&surveillance, &QTimer::timeout, this, [this] { surveille(); });
        if (reglage != QLatin1String("arret")) {
            // Ten looks a second at the calendar's end cost nothing next to 50 ticks.
            surveillance.start(100);
        }
        QTimer::singleShot(int(std::lround(duree * 1000)), Qt::PreciseTimer, this,
                           [this] { termine(); });
        if (intervalleEchantillons > 0) {
            connect(&echantillons, &QTimer::timeout, this, [this] { echantillon(); });
            echantillons.start(int(std::lround(intervalleEchantillons * 1000)));
        }
    }

    // Memory and the CPU cost per tick of the last slice: flat over a long run.
    void echantillon() {
        const Banc::Cpu cpu = Banc::tempsCpu();
        const long long n = ticks();
        const double us =
            n > ticksTranche ? 1e6 * (cpu - cpuTranche).total() / double(n - ticksTranche) : 0;
        std::printf("  t = %4.0f s  ticks %lld  VmRSS %ld kB  CPU per tick %.0f us\n",
                    double(montre.elapsed()) / 1000, n, Banc::rssKo(), us);
        std::fflush(stdout);
        coutsTranches.push_back(us);
        cpuTranche = cpu;
        ticksTranche = n;
    }

    long long ticks() const {
        return ticksAnterieurs + (fenetre.moteur().etat().Jours - joursDebutSegment) /
                                     std::max(1, fenetre.moteur().etat().Pas());
    }

    void surveille() {
        if (fenetre.moteur().etat().EnMarche) {
            return;
        }
        // The clock stopped itself at the calendar's last day: start it again from day 0.
        ticksAnterieurs = ticks();
        Tablecom* t = fenetre.tablecom();
        t->CmdDebut->click();
        t->CmdStart->click();
        joursDebutSegment = fenetre.moteur().etat().Jours;
        ++relances;
        if (!fenetre.moteur().etat().EnMarche) {
            Banc::echoue("could not restart the clock");
        }
    }

    void intervalles() const {
        std::vector<double> d;
        for (size_t i = 1; i < espion.instantsTicks.size(); ++i) {
            d.push_back(espion.instantsTicks[i] - espion.instantsTicks[i - 1]);
        }
        if (d.empty()) {
            return;
        }
        std::sort(d.begin(), d.end());
        auto rang = [&d](double q) {
            return d[std::min(d.size() - 1, size_t(q * double(d.size())))];
        };
        std::printf("  %zu intervals between ticks: median %.2f ms, 99th percentile %.2f ms, "
                    "max %.2f ms\n",
                    d.size(), rang(0.5), rang(0.99), d.back());
        Banc::resultat("intervalles", double(d.size()));
        Banc::resultat("intervalle_median_ms", rang(0.5));
        Banc::resultat("intervalle_p99_ms", rang(0.99));
        Banc::resultat("intervalle_max_ms", d.back());
    }

    void parTick(long long n, const Xcb& xcb) const {
        const double t = double(std::max(1LL, n));
        std::printf("  per tick: %.2f paint events (%.2f of the drawing area, %.2f rectangles, "
                    "%.0f pixels)\n",
                    double(espion.peintures - peinturesDebut) / t, peinturesCosmos.n / t,
                    double(peinturesCosmos.rectangles) / t, double(peinturesCosmos.pixels) / t);
        Banc::resultat("peintures_par_tick", double(espion.peintures - peinturesDebut) / t);
        Banc::resultat("peintures_cosmos_par_tick", peinturesCosmos.n / t);
        Banc::resultat("rectangles_par_tick", double(peinturesCosmos.rectangles) / t);
        Banc::resultat("pixels_par_tick", double(peinturesCosmos.pixels) / t);
        if (xcb.present) {
            std::printf("  per tick: %.2f X requests, %.2f images put, %.2f round trips\n",
                        double(xcb.requetes - xcbDebut.requetes) / t,
                        double(xcb.images - xcbDebut.images) / t,
                        double(xcb.attentes - xcbDebut.attentes) / t);
            Banc::resultat("x_requetes_par_tick", double(xcb.requetes - xcbDebut.requetes) / t);
            Banc::resultat("x_images_par_tick", double(xcb.images - xcbDebut.images) / t);
            Banc::resultat("x_allers_retours_par_tick",
                           double(xcb.attentes - xcbDebut.attentes) / t);
        }
    }

    void termine() {
        const double secondes = double(montre.nsecsElapsed()) / 1e9;
        const Banc::Cpu cpu = Banc::tempsCpu() - cpuDebut;
        const Xcb xcb = Xcb::maintenant();
        const long long n = ticks();
        const long rssFin = Banc::rssKo();
        surveillance.stop();
        echantillons.stop();
        qApp->removeEventFilter(&espion);
        const double parSeconde = double(n) / secondes;
        const double part = 100 * cpu.total() / secondes;
        std::printf("window, setting %s, for %.1f s:\n", qPrintable(reglage), secondes);
        std::printf("  ticks %lld = %.2f per second (%d restarts at the calendar's end)\n", n,
                    parSeconde, relances);
        std::printf("  CPU %.3f s = %.3f %% of one core (user %.3f s, system %.3f s; %ld context "
                    "switches = %.1f a second)\n",
                    cpu.total(), part, cpu.utilisateur, cpu.systeme, cpu.commutations,
                    double(cpu.commutations) / secondes);
        std::printf("  VmRSS before the clock %ld kB, at the start %ld kB, at the end %ld kB "
                    "(growth %ld kB), peak VmHWM %ld kB\n",
                    rssAvantHorloge, rssDebut, rssFin, rssFin - rssDebut, Banc::rssKo("VmHWM:"));
        intervalles();
        parTick(n, xcb);
        if (coutsTranches.size() >= 2) {
            Banc::resultat("cout_tick_premiere_tranche_us", coutsTranches.front());
            Banc::resultat("cout_tick_derniere_tranche_us", coutsTranches.back());
        }
        Banc::resultat("fenetre_s", secondes);
        Banc::resultat("ticks", double(n));
        Banc::resultat("ticks_par_s", parSeconde);
        Banc::resultat("relances", relances);
        Banc::resultat("cpu_pct", part);
        Banc::resultat("cpu_utilisateur_pct", 100 * cpu.utilisateur / secondes);
        Banc::resultat("cpu_systeme_pct", 100 * cpu.systeme / secondes);
        Banc::resultat("reveils_par_s", double(cpu.commutations) / secondes);
        Banc::resultat("commutations_par_tick", n > 0 ? double(cpu.commutations) / double(n) : 0.0);
        Banc::resultat("rss_avant_horloge_ko", double(rssAvantHorloge));
        Banc::resultat("rss_debut_ko", double(rssDebut));
        Banc::resultat("rss_fin_ko", double(rssFin));
        Banc::resultat("rss_croissance_ko", double(rssFin - rssDebut));
        Banc::resultat("rss_pointe_ko", double(Banc::rssKo("VmHWM:")));
        QCoreApplication::quit();
    }

    Sidrane& fenetre;
    QString reglage;
    double duree;
    double intervalleEchantillons;
    Espion espion;
    Banc::CompteurPeintures peinturesCosmos;
    QTimer surveillance;
    QTimer echantillons;
    QElapsedTimer montre;
    Banc::Cpu cpuDebut;
    Banc::Cpu cpuTranche;
    Xcb xcbDebut;
    long peinturesDebut = 0;
    long rssAvantHorloge = 0;
    long rssDebut = 0;
    int32_t joursDebutSegment = 0;
    long long ticksAnterieurs = 0;
    long long ticksTranche = 0;
    std::vector<double> coutsTranches;
    int relances = 0;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Banc::prepareApplication();
    const QStringList arguments = QCoreApplication::arguments();
    double secondes = 30;
    if (arguments.size() > 1 && !arguments[1].startsWith(QLatin1String("--"))) {
        secondes = arguments[1].toDouble();
    }
    QString reglage = Banc::valeurOption(arguments, QStringLiteral("--reglage"));
    if (reglage.isEmpty()) {
        reglage = QStringLiteral("lourd");
    }
    if (!(secondes > 0) || !QStringList{"lourd", "leger", "arret"}.contains(reglage)) {
        Banc::echoue("usage: bench_fenetre [SECONDS] [--reglage lourd|leger|arret] "
                     "[--donnees FILE] [--echantillons S]");
    }
    const QString echantillons = Banc::valeurOption(arguments, QStringLiteral("--echantillons"));
    const QString chemin = Banc::cheminDonnees(arguments);
    std::printf("platform %s, Qt %s, data %s\n", qPrintable(QGuiApplication::platformName()),
                qVersion(), qPrintable(chemin));

    const std::unique_ptr<Sidrane> proprietaire = Banc::fenetre(chemin);
    Sidrane& fenetre = *proprietaire;
    if (reglage == QLatin1String("arret")) {
        // As the program starts: the splash closes itself after 5 s, then nothing runs.
        fenetre.Form_Load();
    } else {
        fenetre.chargeSansSplash();
    }
    if (!QTest::qWaitForWindowExposed(&fenetre)) {
        Banc::echoue("the window was never exposed");
    }
    Mesure mesure(fenetre, reglage, secondes, echantillons.isEmpty() ? 0 : echantillons.toDouble());
    mesure.lance();
    return QApplication::exec();
}
