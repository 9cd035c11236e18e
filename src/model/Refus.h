// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Astre.h"

#include <QString>
#include <array>
#include <cstdint>
#include <stdexcept>

// A data file that cannot be used. message() is the whole French text shown to the
// user: it names the file and, for a bad value, its line, the body and what is wanted.
class ErreurDonnees : public std::runtime_error {
public:
    explicit ErreurDonnees(const QString& message);
    const QString& message() const { return texte; }

private:
    QString texte;
};

// The seven values of a body entry, in file order.
enum class Rubrique { Nom, Diametre, Couleur, RayonOrbite, AngleInitial, Reserve, Periode };
inline constexpr int NbRubriques = 7;

// Where a value stands in the data file and how it is written there, so that a
// refusal made after reading can still quote the line and the writing.
struct Origine {
    QString texte;
    int64_t ligne = 0;
};

// The data file's name and the origin of every body value read from it.
struct Provenance {
    QString fichier;
    std::array<std::array<Origine, NbRubriques>, NbAstres> astres{};

    Origine& de(int astre, Rubrique r) { return astres[size_t(astre)][size_t(r)]; }
    const Origine& de(int astre, Rubrique r) const { return astres[size_t(astre)][size_t(r)]; }
};

// Every refusal of a data file is worded here, in one form:
//   Fichier de données « F », ligne L : <problem>.
//   Le fichier de données « F » ne peut pas être lu : <reason>.
// Texts from the file or the system (path, names, values) are inserted in one pass,
// cleaned of control characters and cut to a readable length, so that nothing they
// hold can change the message around them or reach a terminal raw.
namespace Refus {

inline constexpr qsizetype LongueurCitation = 40;
inline const QString PointVirgule = QStringLiteral("\u00A0; ");

// A text from the file or the system as a message may show it: tabs as spaces, other
// control characters replaced by U+FFFD, cut after `longueurMax` UTF-16 units (one
// less rather than split a character) with "…", never cut when 0. A path longer than
// 200 is shortened in its middle and keeps its file name.
QString affichable(const QString& texte, qsizetype longueurMax = LongueurCitation);
// «\u00A0texte\u00A0», the text made showable.
QString cite(const QString& texte);
// An integer as a French reader reads it: "-32 768", "57 909 227".
QString entier(int64_t n);
// A number as written in the file, put the French way when it is a plain decimal
// ("57909227" -> "57 909 227", "0.5" -> "0,5"); an exponent form stays as written.
QString nombre(const QString& ecrit);
// "l'astre n° 4 (Terre)" for the body of index 3: bodies are numbered from 1, as the
// file lists them; the name once known and not empty.
QString astre(int indice, const QString& nom);
// "le diamètre de l'astre n° 4 (Terre)".
QString rubrique(Rubrique r, int indice, const QString& nom);

// A value that cannot be used, at its line.
ErreurDonnees aLaLigne(const QString& fichier, int64_t ligne, const QString& probleme);
// "nombre « 1e-50 » hors limites pour <quoi> ; il faut <permis>", at `ligne`.
ErreurDonnees horsLimites(const QString& fichier, int64_t ligne, const QString& ecrit,
                          const QString& quoi, const QString& permis);
// The same for a body value that the reader accepted and start-up cannot use.
ErreurDonnees horsLimites(const Provenance& p, int indice, Rubrique r, const QString& nom,
                          const QString& permis);
// "181,4419" read as two values: a decimal comma, at `ligne`.
ErreurDonnees virguleDecimale(const QString& fichier, int64_t ligne, const QString& ecrit);
// A file that cannot be read at all.
ErreurDonnees illisible(const QString& fichier, const QString& raison);
ErreurDonnees introuvable(const QString& fichier);

} // namespace Refus
