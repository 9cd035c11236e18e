#pragma once

#include "Astre.h"

#include <QDate>
#include <QString>
#include <stdexcept>

class QIODevice;

// What the data file gives: the start date and, for every body, the seven file fields
// (Nom, Diametre, Couleur, RayonOrbite, AngleInitial, Reserve, Periode). Other fields stay 0.
struct DonneesSidranes {
    QDate DateDebut;
    Astres astres;
};

// A data file that cannot be used. message() is the whole French text shown to the
// user: it names the file, the line and what was expected there.
class ErreurDonnees : public std::runtime_error {
public:
    explicit ErreurDonnees(const QString& message);
    const QString& message() const { return texte; }

private:
    QString texte;
};

namespace LecteurDonnees {

inline constexpr const char* NomFichier = "sidranes.dat";

// The data file's path: the program's directory, the separator, the file name.
QString chemin(const QString& dossierProgramme);

// Reads the data file at `chemin`. Throws ErreurDonnees.
DonneesSidranes lit(const QString& chemin);

// Reads from an open device; `nomAffiche` is the name used in messages.
DonneesSidranes lit(QIODevice& source, const QString& nomAffiche);

} // namespace LecteurDonnees
