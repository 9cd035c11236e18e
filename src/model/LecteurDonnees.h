// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Astre.h"
#include "Refus.h"

#include <QDate>
#include <QString>

class QIODevice;

// What the data file gives: the start date and, for every body, the seven file fields
// (Nom, Diametre, Couleur, RayonOrbite, AngleInitial, Reserve, Periode). Other fields
// stay 0. The provenance keeps each body value's line and writing for later refusals.
struct DonneesSidranes {
    QDate DateDebut;
    Astres astres;
    Provenance provenance;
};

namespace LecteurDonnees {

inline constexpr const char* NomFichier = "sidranes.dat";

// The data file's path: the program's directory, the separator, the file name.
QString chemin(const QString& dossierProgramme);

// Reads the data file at `chemin`: a regular file, or a link to one; anything else is
// refused without waiting on it. Throws ErreurDonnees.
DonneesSidranes lit(const QString& chemin);

// Reads from an open device; `nomAffiche` is the name used in messages.
DonneesSidranes lit(QIODevice& source, const QString& nomAffiche);

// The refusal of a file that the system would not let us open, from its errno.
ErreurDonnees refusOuverture(const QString& chemin, int erreur);

} // namespace LecteurDonnees
