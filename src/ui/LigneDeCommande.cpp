// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LigneDeCommande.h"

#include "Calendrier.h"
#include "Console.h"
#include "Refus.h"

#include <QRegularExpression>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#ifdef Q_OS_WIN
// windows.h first: shellapi.h needs it.
#include <windows.h>

#include <shellapi.h>
#endif

namespace LigneDeCommande {

namespace {

// Qt's options, as the toolkit reads them (with one dash or two).
const QStringList OptionsQtAValeur{"platform",      "platformpluginpath",
                                   "platformtheme", "plugin",
                                   "qwindowicon",   "qwindowtitle",
                                   "session",       "style",
                                   "stylesheet",    "display",
                                   "name",          "title",
                                   "geometry",      "visual",
                                   "ncols",         "cmap",
                                   "qmljsdebugger"};
const QStringList OptionsQtSeules{"reverse", "widgetcount", "nograb", "dograb", "sync"};
constexpr int TracesMax = 3'652'500; // ten thousand years

struct Analyse {
    Demande d;
    QStringList fichiers;
    bool aujourdhui = false;
    bool champOuTraces = false;
};

// "--date=x" and "--date x": the value, and how many arguments it took.
std::optional<QString> valeur(const QStringList& a, qsizetype& i, const QString& egal) {
    if (!egal.isNull()) {
        return egal;
    }
    if (i + 1 < a.size()) {
        return a[++i];
    }
    return std::nullopt;
}

QString nombreRefuse(const QString& option, const QString& ecrit, const QString& permis) {
    return QStringLiteral("l'option «\u00A0%1\u00A0» demande %2, pas %3")
        .arg(option, permis, Refus::cite(ecrit));
}

// X11's "WxH+X+Y", either part alone.
void geometrie(Demande& d, const QString& v) {
    static const QRegularExpression forme(
        QStringLiteral("^(?:([0-9]{1,6})x([0-9]{1,6}))?(?:([+-][0-9]{1,6})([+-][0-9]{1,6}))?$"));
    const QRegularExpressionMatch m = forme.match(v);
    if (!m.hasMatch() || v.isEmpty()) {
        d.probleme = QStringLiteral("-qwindowgeometry demande LARGEURxHAUTEUR+X+Y, pas %1")
                         .arg(Refus::cite(v));
        return;
    }
    if (m.hasCaptured(1)) {
        d.taille = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    }
    if (m.hasCaptured(3)) {
        d.place = QPoint(m.captured(3).toInt(), m.captured(4).toInt());
    }
}

// One of our options with a value; false when `nom` is none of them.
bool optionAValeur(Analyse& r, const QString& nom, const QString& v) {
    Demande& d = r.d;
    bool ok = false;
    if (nom == QLatin1String("date")) {
        const auto lue = Calendrier::litDate(v);
        if (const auto* raison = std::get_if<QString>(&lue)) {
            d.probleme = *raison;
        } else {
            d.depart = std::get<QDate>(lue);
        }
    } else if (nom == QLatin1String("qwindowgeometry")) {
        geometrie(d, v);
    } else if (nom == QLatin1String("capture")) {
        d.quoi = Demande::Quoi::Capture;
        d.capture.image = v;
        d.probleme = v.isEmpty() ? QStringLiteral("--capture demande le nom d'une image") : "";
    } else if (nom == QLatin1String("champ")) {
        d.capture.champ = v.toInt(&ok);
        r.champOuTraces = true;
        if (!ok || *d.capture.champ < 1 || *d.capture.champ > 9) {
            d.probleme = nombreRefuse(QStringLiteral("--champ"), v, "un champ de 1 à 9");
        }
    } else if (nom == QLatin1String("traces")) {
        d.capture.joursDeTraces = v.toInt(&ok);
        r.champOuTraces = true;
        if (!ok || d.capture.joursDeTraces < 0 || d.capture.joursDeTraces > TracesMax) {
            d.probleme =
                nombreRefuse(QStringLiteral("--traces"), v,
                             QStringLiteral("un nombre de jours de 0 à 3\u00A0652\u00A0500"));
        }
    } else {
        return false;
    }
    return true;
}

// One of our options without a value; false when `nom` is none of them.
bool optionSeule(Analyse& r, const QString& nom) {
    if (nom == QLatin1String("h") || nom == QLatin1String("help")) {
        r.d.quoi = r.d.quoi == Demande::Quoi::Fenetre ? Demande::Quoi::Aide : r.d.quoi;
    } else if (nom == QLatin1String("v") || nom == QLatin1String("version")) {
        r.d.quoi = r.d.quoi == Demande::Quoi::Fenetre ? Demande::Quoi::Version : r.d.quoi;
    } else if (nom == QLatin1String("aujourdhui")) {
        r.aujourdhui = true;
    } else {
        return false;
    }
    return true;
}

// The argument at i, an option: ours, the toolkit's, or a mistake.
void option(Analyse& r, const QStringList& a, qsizetype& i) {
    QString nom = a[i].mid(a[i].startsWith(QLatin1String("--")) ? 2 : 1);
    QString egal;
    if (nom.contains(u'=')) {
        egal = nom.section(u'=', 1);
        nom = nom.section(u'=', 0, 0);
    }
    const QString ecrit = a[i].section(u'=', 0, 0);
    const bool aValeur =
        QStringList{"date", "capture", "champ", "traces", "qwindowgeometry"}.contains(nom) ||
        OptionsQtAValeur.contains(nom);
    if (aValeur) {
        const qsizetype debut = i;
        const auto v = valeur(a, i, egal);
        if (!v) {
            r.d.probleme =
                QStringLiteral("l'option «\u00A0%1\u00A0» demande une valeur").arg(ecrit);
        } else if (!optionAValeur(r, nom, *v)) {
            // The toolkit's: it reads it itself.
            for (qsizetype k = debut; k <= i; ++k) {
                r.d.argumentsQt << int(k);
            }
        }
    } else if (OptionsQtSeules.contains(nom) && egal.isNull()) {
        r.d.argumentsQt << int(i);
    } else if (!egal.isNull() && (optionSeule(r, nom) || OptionsQtSeules.contains(nom))) {
        r.d.probleme =
            QStringLiteral("l'option «\u00A0%1\u00A0» ne prend pas de valeur").arg(ecrit);
    } else if (!optionSeule(r, nom) && !OptionsQtSeules.contains(nom)) {
        r.d.probleme = QStringLiteral("option inconnue %1").arg(Refus::cite(ecrit));
    }
}

// Mistakes that only the whole command line shows.
void verifieEnsemble(Analyse& r, const QDate& aujourdhui) {
    Demande& d = r.d;
    if (r.aujourdhui && d.depart) {
        d.probleme = QStringLiteral("--date et --aujourdhui ne vont pas ensemble");
    } else if (r.aujourdhui) {
        d.depart = aujourdhui;
    }
    if (d.probleme.isEmpty() && d.depart &&
        (*d.depart < Calendrier::premierJour() || *d.depart > Calendrier::dernierJour())) {
        d.probleme = QStringLiteral("la date de départ doit être comprise entre le 01/01/0100 "
                                    "et le 31/12/9999");
    }
    if (d.probleme.isEmpty() && r.champOuTraces && d.quoi != Demande::Quoi::Capture) {
        d.probleme = QStringLiteral("--champ et --traces ne servent qu'avec --capture");
    }
    if (d.probleme.isEmpty() && r.fichiers.size() > 1) {
        d.probleme = QStringLiteral("un seul fichier de données à la fois, %1 donnés")
                         .arg(r.fichiers.size());
    }
}

} // namespace

Demande analyse(const QStringList& a, const QDate& aujourdhui) {
    Analyse r;
    bool finDesOptions = false;
    for (qsizetype i = 1; i < a.size() && r.d.probleme.isEmpty(); ++i) {
        if (!finDesOptions && a[i] == QLatin1String("--")) {
            finDesOptions = true;
        } else if (!finDesOptions && a[i].size() > 1 && a[i][0] == u'-') {
            option(r, a, i);
        } else {
            r.fichiers << a[i];
            r.d.fichier = r.d.fichier ? r.d.fichier : int(i);
        }
    }
    if (r.d.probleme.isEmpty()) {
        verifieEnsemble(r, aujourdhui);
    }
    return r.d;
}

namespace {

// Qt's texts are English: ours are written here.
const char* const TexteAide =
    "Utilisation\u00A0: sidranes [OPTION…] [FICHIER]\n"
    "Montre le Soleil, les planètes et la Lune sur leurs orbites, au fil des jours.\n"
    "\n"
    "  FICHIER              le fichier de données à lire\u00A0; sans lui, sidranes.dat,\n"
    "                       à côté du programme\n"
    "  --date JJ/MM/AAAA    part de cette date au lieu de celle du fichier\n"
    "  --aujourdhui         part de la date du jour\n"
    "  --capture IMAGE.png  écrit l'image de la zone de dessin au lancement, sans\n"
    "                       ouvrir de fenêtre, et termine\n"
    "  --champ N            avec --capture\u00A0: le champ orbital, de 1 (Mercure) à 9\n"
    "                       (Pluton)\n"
    "  --traces JOURS       avec --capture\u00A0: l'horloge tourne d'abord ce nombre de\n"
    "                       jours, un jour par pas, traces allumées\n"
    "  -h, --help           affiche cette aide et termine\n"
    "  -v, --version        affiche la version et termine\n"
    "  --                   la suite est le nom du fichier, même s'il commence par -\n"
    "\n"
    "Dans la fenêtre, un clic droit sur la zone de dessin (ou Maj+F10) ouvre le menu\n"
    "des commandes et de leurs raccourcis\u00A0:\n"
    "  Ctrl+D  Démarrer / Arrêter        Ctrl+Maj+D  Début\n"
    "  Ctrl+T  trace des planètes        Ctrl+E      effacer les traces\n"
    "  Ctrl+L  la Lune                   Ctrl+N      les noms des planètes\n"
    "  Ctrl+G  aller à la date…          Ctrl+J      aujourd'hui\n"
    "  Ctrl+R  remonter le temps         Ctrl+- Ctrl++  ralentir, accélérer\n"
    "  Ctrl+1 … Ctrl+9  champ orbital    F11         plein écran\n"
    "  Ctrl+S  enregistrer l'image…      F1          à propos\n"
    "  Ctrl+Maj+C  contact               Ctrl+Q      quitter\n"
    "\n"
    "Les options de Qt (-platform, -style…) sont acceptées.";

QStringList arguments(int argc, char** argv) {
    QStringList liste;
#ifdef Q_OS_WIN
    // Windows hands argv over in its ANSI code page: the wide command line has every name.
    (void)argc;
    (void)argv;
    int n = 0;
    LPWSTR* larges = CommandLineToArgvW(GetCommandLineW(), &n);
    liste = depuisLarges(larges ? n : 0, larges);
    LocalFree(larges);
#else
    for (int i = 0; i < argc; ++i) {
        liste << QString::fromLocal8Bit(argv[i]);
    }
#endif
    return liste;
}

// Like the standard tools: what cannot reach stdout is an error, not a success.
[[noreturn]] void ecritEtTermine(const QString& texte) {
    if (!Console::dit(stdout, texte)) {
        const int erreur = errno;
        // The toolkit, which sets the user's locale, has not started yet: the system's
        // words in the user's language and writing.
        std::setlocale(LC_CTYPE, "");
#ifdef LC_MESSAGES
        std::setlocale(LC_MESSAGES, "");
#endif
        Console::dit(stderr,
                     QStringLiteral("sidranes\u00A0: la sortie ne peut pas être écrite (%1).")
                         .arg(QString::fromLocal8Bit(std::strerror(erreur))));
        std::exit(1);
    }
    std::exit(0);
}

[[noreturn]] void usage(const QString& probleme) {
    Console::dit(stderr,
                 QStringLiteral("sidranes\u00A0: %1.\nUtilisation\u00A0: sidranes [OPTION…] "
                                "[FICHIER]\u00A0; «\u00A0sidranes --help\u00A0» en dit plus.")
                     .arg(probleme));
    std::exit(2);
}

} // namespace

QStringList depuisLarges(int n, const wchar_t* const* larges) {
    QStringList liste;
    for (int i = 0; i < n; ++i) {
        liste << QString::fromWCharArray(larges[i]);
    }
    return liste;
}

Demande lit(int argc, char** argv) {
    Console::prepare();
    const QStringList liste = arguments(argc, argv);
    Demande d = analyse(liste, QDate::currentDate());
    if (!d.probleme.isEmpty()) {
        usage(d.probleme);
    }
    if (d.quoi == Demande::Quoi::Aide) {
        ecritEtTermine(QString::fromUtf8(TexteAide));
    }
    if (d.quoi == Demande::Quoi::Version) {
        ecritEtTermine(QStringLiteral("Sidranes " SIDRANES_VERSION));
    }
#ifdef Q_OS_WIN
    d.octetsFichier = d.fichier ? liste[d.fichier].toUtf8() : QByteArray();
#else
    // The name as the system gave it: its bytes need not be UTF-8.
    d.octetsFichier = d.fichier ? QByteArray(argv[d.fichier]) : QByteArray();
#endif
    return d;
}

LecteurDonnees::Chemin cheminDonnees(const Demande& d) {
    if (d.fichier == 0) {
        return LecteurDonnees::cheminParDefaut();
    }
    return LecteurDonnees::Chemin::depuisOctets(d.octetsFichier);
}

} // namespace LigneDeCommande
