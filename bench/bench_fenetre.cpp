// The real window left running at its heaviest setting (field 9, Moon and traces on,
// 100 days per tick) on its own 20 ms clock, for a number of seconds (first argument,
// default 30). Prints ticks per second, the process's CPU time as a share of one
// core, and its resident memory at the start and at the end of the run.
//
// Ticks are counted from the day count: each tick adds 100 days. Starting in 2025
// the calendar ends after about 29 000 ticks (about 10 minutes); when the clock stops
// there, the bench clicks "Début" then "Démarrer" (traces stay on) and goes on
// counting. Those restarts and the time the clock stood still are printed too.
//
// Options: --donnees FILE, --echantillons S (print the resident memory every S s).

#include "Banc.h"

#include <QElapsedTimer>
#include <QTimer>

#include <cmath>

namespace {

class Mesure : public QObject {
public:
    Mesure(Sidrane& f, double secondes, double echantillons)
        : fenetre(f), duree(secondes), intervalleEchantillons(echantillons) {}

    void lance() {
        rssAvantHorloge = Banc::rssKo();
        Banc::reglageLePlusLourd(fenetre);
        // A second of running before the measure: the first traces, caches, fonts.
        QTimer::singleShot(1000, this, [this] { commence(); });
    }

private:
    void commence() {
        rssDebut = Banc::rssKo();
        cpuDebut = Banc::tempsCpu();
        joursDebutSegment = fenetre.etat().Jours;
        montre.start();
        // Watches for the calendar's end; ten looks a second cost nothing next to 50 ticks.
        surveillance.setTimerType(Qt::CoarseTimer);
        connect(&surveillance, &QTimer::timeout, this, [this] { surveille(); });
        surveillance.start(100);
        QTimer::singleShot(int(std::lround(duree * 1000)), Qt::PreciseTimer, this,
                           [this] { termine(); });
        if (intervalleEchantillons > 0) {
            connect(&echantillons, &QTimer::timeout, this, [this] {
                std::printf("  t = %4.0f s  ticks %lld  VmRSS %ld kB\n",
                            double(montre.elapsed()) / 1000, ticks(), Banc::rssKo());
                std::fflush(stdout);
            });
            echantillons.start(int(std::lround(intervalleEchantillons * 1000)));
        }
    }

    long long ticks() const {
        return ticksAnterieurs + (fenetre.etat().Jours - joursDebutSegment) / fenetre.etat().Pas;
    }

    void surveille() {
        if (fenetre.etat().EnMarche) {
            return;
        }
        // The clock stopped itself at the calendar's last day: start it again from day 0.
        ticksAnterieurs = ticks();
        const qint64 arret = montre.elapsed();
        Tablecom* t = fenetre.tablecom();
        t->CmdDebut->click();
        t->CmdStart->click();
        joursDebutSegment = fenetre.etat().Jours;
        ++relances;
        // The clock stood still since its last tick, at most one look ago.
        arretMaxMs += 100 + (montre.elapsed() - arret);
        if (!fenetre.etat().EnMarche || !fenetre.etat().TraceOn) {
            Banc::echoue("could not restart the clock with traces on");
        }
    }

    void termine() {
        const double secondes = double(montre.nsecsElapsed()) / 1e9;
        const Banc::Cpu cpu = Banc::tempsCpu() - cpuDebut;
        const long long n = ticks();
        const long rssFin = Banc::rssKo();
        surveillance.stop();
        echantillons.stop();
        const double parSeconde = double(n) / secondes;
        const double part = 100 * cpu.total() / secondes;
        std::printf("window at field 9, Moon, traces, 100 days/tick, for %.1f s:\n", secondes);
        std::printf("  ticks %lld = %.2f per second (%d restarts at the calendar's end, clock "
                    "stopped at most %lld ms in all)\n",
                    n, parSeconde, relances, arretMaxMs);
        std::printf("  CPU %.3f s = %.2f %% of one core (user %.3f s, system %.3f s; %.1f context "
                    "switches per tick)\n",
                    cpu.total(), part, cpu.utilisateur, cpu.systeme,
                    n > 0 ? double(cpu.commutations) / double(n) : 0.0);
        std::printf("  VmRSS before the clock %ld kB, at the start %ld kB, at the end %ld kB "
                    "(growth %ld kB), peak VmHWM %ld kB\n",
                    rssAvantHorloge, rssDebut, rssFin, rssFin - rssDebut, Banc::rssKo("VmHWM:"));
        Banc::resultat("fenetre_s", secondes);
        Banc::resultat("ticks", double(n));
        Banc::resultat("ticks_par_s", parSeconde);
        Banc::resultat("relances", relances);
        Banc::resultat("cpu_pct", part);
        Banc::resultat("cpu_utilisateur_pct", 100 * cpu.utilisateur / secondes);
        Banc::resultat("cpu_systeme_pct", 100 * cpu.systeme / secondes);
        Banc::resultat("commutations_par_tick", n > 0 ? double(cpu.commutations) / double(n) : 0.0);
        Banc::resultat("rss_avant_horloge_ko", double(rssAvantHorloge));
        Banc::resultat("rss_debut_ko", double(rssDebut));
        Banc::resultat("rss_fin_ko", double(rssFin));
        Banc::resultat("rss_croissance_ko", double(rssFin - rssDebut));
        QCoreApplication::quit();
    }

    Sidrane& fenetre;
    double duree;
    double intervalleEchantillons;
    QTimer surveillance;
    QTimer echantillons;
    QElapsedTimer montre;
    Banc::Cpu cpuDebut;
    long rssAvantHorloge = 0;
    long rssDebut = 0;
    int32_t joursDebutSegment = 0;
    long long ticksAnterieurs = 0;
    int relances = 0;
    qint64 arretMaxMs = 0;
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
    if (!(secondes > 0)) {
        Banc::echoue("usage: bench_fenetre [SECONDS] [--donnees FILE] [--echantillons S]");
    }
    const QString echantillons = Banc::valeurOption(arguments, QStringLiteral("--echantillons"));
    const QString chemin = Banc::cheminDonnees(arguments);
    std::printf("platform %s, Qt %s, data %s\n", qPrintable(QGuiApplication::platformName()),
                qVersion(), qPrintable(chemin));

    Sidrane fenetre(chemin);
    fenetre.demarre();
    if (!QTest::qWaitForWindowExposed(&fenetre)) {
        Banc::echoue("the window was never exposed");
    }
    Mesure mesure(fenetre, secondes, echantillons.isEmpty() ? 0 : echantillons.toDouble());
    mesure.lance();
    return QApplication::exec();
}
