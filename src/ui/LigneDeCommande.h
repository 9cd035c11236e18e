// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Capture.h"
#include "LecteurDonnees.h"

#include <QDate>
#include <QPoint>
#include <QSize>
#include <QStringList>
#include <optional>

// The command line: "sidranes [OPTION…] [FICHIER]". Qt's own options (-platform,
// -style…) go to the toolkit; after "--" every argument is a file name, which the
// toolkit never sees.
namespace LigneDeCommande {

// What the user asked for.
struct Demande {
    enum class Quoi { Fenetre, Aide, Version, Capture };
    Quoi quoi = Quoi::Fenetre;
    int fichier = 0;             // index of the data file's argument; 0: the default file
    QByteArray octetsFichier;    // its bytes as the system gave them (lit() sets them)
    std::optional<QDate> depart; // --date, --aujourdhui
    Capture::Options capture;    // --capture, --champ, --traces
    QList<int> argumentsQt{0};   // the indexes of the arguments the toolkit reads
    // -qwindowgeometry WxH+X+Y, read here so that the window still fits the screen.
    std::optional<QSize> taille;
    std::optional<QPoint> place;
    QString probleme; // a mistake: empty when there is none
};

// The arguments as the system gives them, argv[0] first. Pure: `aujourdhui` is the
// date --aujourdhui stands for.
Demande analyse(const QStringList& arguments, const QDate& aujourdhui);

// Arguments in the system's wide characters (Windows' own command line), in any script.
QStringList depuisLarges(int n, const wchar_t* const* larges);

// Reads argv before any display is needed: answers --help and --version on stdout
// (status 0, or 1 when stdout cannot be written), ends a mistake with a short usage
// message on stderr (status 2), and returns what remains to do.
Demande lit(int argc, char** argv);

// The data file asked for, as the system names it, or the default one; once the
// application exists.
LecteurDonnees::Chemin cheminDonnees(const Demande& demande);

} // namespace LigneDeCommande
