// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LigneDeCommande.h"

#include "LecteurDonnees.h"

#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>

namespace LigneDeCommande {

namespace {

const QCommandLineOption Aide(QStringList{QStringLiteral("h"), QStringLiteral("help")});
const QCommandLineOption Version(QStringList{QStringLiteral("v"), QStringLiteral("version")});

// Qt's texts are English: ours are written here.
const char* const TexteAide =
    "Utilisation\u00A0: sidranes [FICHIER]\n"
    "Montre le Soleil, les planètes et la Lune sur leurs orbites, au fil des jours.\n"
    "\n"
    "  FICHIER        le fichier de données à lire\u00A0; sans lui, sidranes.dat,\n"
    "                 à côté du programme\n"
    "  -h, --help     affiche cette aide et termine\n"
    "  -v, --version  affiche la version et termine\n"
    "\n"
    "Les options de Qt (-platform, -style…) sont acceptées.\n";

QStringList arguments(int argc, char** argv) {
    QStringList liste;
    for (int i = 0; i < argc; ++i) {
        liste << QString::fromLocal8Bit(argv[i]);
    }
    return liste;
}

// "-platform" and the like are single words, as Qt reads them.
void prepare(QCommandLineParser& analyseur) {
    analyseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    analyseur.addOption(Aide);
    analyseur.addOption(Version);
}

[[noreturn]] void usage(const QString& probleme) {
    std::fprintf(stderr,
                 "sidranes\u00A0: %s.\nUtilisation\u00A0: sidranes [FICHIER]\u00A0; "
                 "«\u00A0sidranes --help\u00A0» en dit plus.\n",
                 qUtf8Printable(probleme));
    std::exit(2);
}

// The first unknown option as the user wrote it, dashes included.
QString ecrite(const QStringList& liste, const QCommandLineParser& analyseur) {
    const QStringList inconnues = analyseur.unknownOptionNames();
    const QString nom = inconnues.isEmpty() ? QString() : inconnues.first();
    for (const QString& argument : liste) {
        const QString ecrit = argument.section(u'=', 0, 0);
        QStringView sans(ecrit);
        while (sans.startsWith(u'-')) {
            sans = sans.sliced(1);
        }
        if (ecrit.startsWith(u'-') && sans == nom) {
            return ecrit;
        }
    }
    return nom;
}

// The files named, once the options are known good; or the usage message.
QStringList fichiers(const QStringList& liste) {
    QCommandLineParser analyseur;
    prepare(analyseur);
    if (!analyseur.parse(liste)) {
        usage(QStringLiteral("option inconnue «\u00A0%1\u00A0»").arg(ecrite(liste, analyseur)));
    }
    const QStringList noms = analyseur.positionalArguments();
    if (noms.size() > 1) {
        usage(QStringLiteral("un seul fichier de données à la fois, %1 donnés").arg(noms.size()));
    }
    return noms;
}

// Single-dash words may be Qt's own options, which only the toolkit takes out of argv.
bool optionsQt(const QStringList& liste) {
    for (const QString& argument : liste.sliced(1)) {
        if (argument == QLatin1String("--")) {
            return false;
        }
        if (argument.size() > 1 && argument[0] == u'-' && argument[1] != u'-') {
            return true;
        }
    }
    return false;
}

} // namespace

void repondSansEcran(int argc, char** argv) {
    const QStringList liste = arguments(argc, argv);
    QCommandLineParser analyseur;
    prepare(analyseur);
    (void)analyseur.parse(liste); // the rest waits for the toolkit
    if (analyseur.isSet(Aide)) {
        std::fputs(TexteAide, stdout);
        std::exit(0);
    }
    if (analyseur.isSet(Version)) {
        std::printf("Sidranes %s\n", SIDRANES_VERSION);
        std::exit(0);
    }
    // Without Qt's options, a wrong command line is told before any display is needed.
    if (!optionsQt(liste)) {
        (void)fichiers(liste);
    }
}

LecteurDonnees::Chemin cheminDonnees(int argc, char** argv) {
    const QStringList liste = arguments(argc, argv);
    const QStringList noms = fichiers(liste);
    if (noms.isEmpty()) {
        return LecteurDonnees::cheminParDefaut();
    }
    // The name as the system gave it: its bytes need not be UTF-8.
    const qsizetype i = liste.indexOf(noms.first(), 1);
    return LecteurDonnees::Chemin::depuisOctets(QByteArray(argv[i]));
}

} // namespace LigneDeCommande
