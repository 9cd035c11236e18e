// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LecteurDonnees.h"

// The command line: "sidranes [FICHIER]", with --help and --version. Qt's own options
// (-platform, -style...) are left to the toolkit, which takes them out of argv.
namespace LigneDeCommande {

// Answers --help or --version on stdout and ends the program with status 0; needs no
// display, so it runs before the application is made.
void repondSansEcran(int argc, char** argv);

// Once the toolkit has taken its options: the data file named on the command line, as
// its bytes, or the one beside the executable. An unknown option or more than one file
// gets a short usage message on stderr and ends the program with status 2.
LecteurDonnees::Chemin cheminDonnees(int argc, char** argv);

} // namespace LigneDeCommande
