// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
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

// A file's path as the system names it: bytes, which on Unix need not be UTF-8 (a
// folder named on an older Latin-1 system). Messages show it decoded, each byte that
// is not part of valid UTF-8 read as Latin-1, so that the user sees the name he knows.
class Chemin {
public:
    // A path that Qt holds as text.
    Chemin(const QString& texte); // NOLINT(google-explicit-constructor): any QString path
    static Chemin depuisOctets(QByteArray octets);

    const QByteArray& octets() const { return octets_; }
    QString affiche() const;
    bool existe() const;

private:
    Chemin() = default;
    QByteArray octets_;
};

// The data file's path: the program's directory, the separator, the file name.
QString chemin(const QString& dossierProgramme);
Chemin chemin(const QByteArray& dossierProgramme);

// The data file beside the executable, whatever bytes its folder's name holds.
Chemin cheminAuProgramme();
// The file read when none is named: the one beside the executable, or else the one
// of the installed data folder when it exists.
Chemin cheminParDefaut();

// Reads the data file at `chemin`: a regular file, or a link to one; anything else is
// refused without waiting on it. Throws ErreurDonnees.
DonneesSidranes lit(const Chemin& chemin);

// Reads from an open device; `nomAffiche` is the name used in messages.
DonneesSidranes lit(QIODevice& source, const QString& nomAffiche);

// The refusal of a file that the system would not let us open, from its errno.
ErreurDonnees refusOuverture(const QString& chemin, int erreur);

} // namespace LecteurDonnees
