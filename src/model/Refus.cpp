// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Refus.h"

#include <algorithm>

ErreurDonnees::ErreurDonnees(const QString& message)
    : std::runtime_error(message.toStdString()), texte(message) {}

namespace Refus {

namespace {

// French typography: a no-break space inside the guillemets and before the colon.
constexpr char16_t Insecable = u'\u00A0';
// A path is the user's own and is shown whole unless absurdly long.
constexpr qsizetype LongueurChemin = 200;

// Control characters and line breaks, and the marks that set the direction of the text
// around them: a name holding one could make the message read backwards.
bool invisible(QChar c) {
    const QChar::Category k = c.category();
    const char16_t u = c.unicode();
    const bool direction = u == 0x061C || u == 0x200E || u == 0x200F ||
                           (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
    return direction || k == QChar::Other_Control || k == QChar::Separator_Line ||
           k == QChar::Separator_Paragraph;
}

// Where a cut after `n` UTF-16 units keeps whole characters.
qsizetype coupure(const QString& texte, qsizetype n) {
    return n > 0 && n < texte.size() && texte[n - 1].isHighSurrogate() ? n - 1 : n;
}

// A path too long to read is shortened in its middle: its start and its file name
// tell which file it is.
QString cheminAffichable(const QString& chemin) {
    if (chemin.size() <= LongueurChemin) {
        return affichable(chemin, 0);
    }
    const qsizetype nom = chemin.size() - chemin.lastIndexOf(u'/');
    const qsizetype fin = std::clamp<qsizetype>(nom, LongueurChemin / 2, LongueurChemin - 10);
    const qsizetype debut = coupure(chemin, LongueurChemin - fin);
    qsizetype suite = chemin.size() - fin;
    if (chemin[suite].isLowSurrogate()) {
        ++suite;
    }
    return affichable(chemin.left(debut), 0) + QStringLiteral("…") +
           affichable(chemin.mid(suite), 0);
}

QString fichierCite(const QString& fichier) {
    return QStringLiteral("«\u00A0%1\u00A0»").arg(cheminAffichable(fichier));
}

// Digits in groups of three from the right, separated by no-break spaces.
QString groupe(QString chiffres) {
    for (qsizetype i = chiffres.size() - 3; i > 0; i -= 3) {
        chiffres.insert(i, QChar(Insecable));
    }
    return chiffres;
}

bool chiffres(QStringView t) {
    return std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

QString affichable(const QString& texte, qsizetype longueurMax) {
    const qsizetype n =
        longueurMax > 0 ? coupure(texte, std::min(texte.size(), longueurMax)) : texte.size();
    QString resultat;
    resultat.reserve(n + 1);
    for (qsizetype i = 0; i < n; ++i) {
        // A tab is a blank to the reader; other invisible characters are shown as such.
        if (texte[i] == u'\t') {
            resultat += u' ';
        } else {
            resultat += invisible(texte[i]) ? QChar(QChar::ReplacementCharacter) : texte[i];
        }
    }
    if (n < texte.size()) {
        resultat += QStringLiteral("…");
    }
    return resultat;
}

QString cite(const QString& texte) {
    return QStringLiteral("«\u00A0%1\u00A0»").arg(affichable(texte));
}

QString entier(int64_t n) {
    const uint64_t valeurAbsolue = n < 0 ? uint64_t(-(n + 1)) + 1 : uint64_t(n);
    const QString texte = groupe(QString::number(valeurAbsolue));
    return n < 0 ? QStringLiteral("-") + texte : texte;
}

QString nombre(const QString& ecrit) {
    QStringView t(ecrit);
    QString signe;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        signe = t.startsWith(u'-') ? QStringLiteral("-") : QString();
        t = t.mid(1);
    }
    const qsizetype point = t.indexOf(u'.');
    const QStringView entiere = point < 0 ? t : t.left(point);
    const QStringView decimales = point < 0 ? QStringView() : t.mid(point + 1);
    if (t.isEmpty() || !chiffres(entiere) || !chiffres(decimales)) {
        return affichable(ecrit); // an exponent form, or anything else: as written
    }
    QString resultat = signe + groupe(entiere.isEmpty() ? QStringLiteral("0") : entiere.toString());
    if (!decimales.isEmpty()) {
        resultat += u',' + decimales.toString();
    }
    return affichable(resultat);
}

QString astre(int indice, const QString& nom) {
    const QString numero = QStringLiteral("l'astre n°\u00A0%1").arg(indice + 1);
    return nom.isEmpty() ? numero : QStringLiteral("%1 (%2)").arg(numero, affichable(nom));
}

QString rubrique(Rubrique r, int indice, const QString& nom) {
    static const std::array<QString, NbRubriques> Noms{
        QStringLiteral("le nom"),          QStringLiteral("le diamètre"),
        QStringLiteral("la couleur"),      QStringLiteral("le rayon d'orbite"),
        QStringLiteral("l'angle initial"), QStringLiteral("la valeur de réserve"),
        QStringLiteral("la période")};
    // The name is not repeated in the message about the name itself.
    return QStringLiteral("%1 de %2")
        .arg(Noms[size_t(r)], astre(indice, r == Rubrique::Nom ? QString() : nom));
}

ErreurDonnees aLaLigne(const QString& fichier, int64_t ligne, const QString& probleme) {
    return ErreurDonnees(QStringLiteral("Fichier de données %1, ligne %2\u00A0: %3.")
                             .arg(fichierCite(fichier), QString::number(ligne), probleme));
}

ErreurDonnees horsLimites(const QString& fichier, int64_t ligne, const QString& ecrit,
                          const QString& quoi, const QString& permis) {
    return aLaLigne(fichier, ligne,
                    QStringLiteral("nombre %1 hors limites pour %2%3il faut %4")
                        .arg(cite(ecrit), quoi, PointVirgule, permis));
}

ErreurDonnees horsLimites(const Provenance& p, int indice, Rubrique r, const QString& nom,
                          const QString& permis) {
    const Origine& o = p.de(indice, r);
    return horsLimites(p.fichier, o.ligne, o.texte, rubrique(r, indice, nom), permis);
}

ErreurDonnees virguleDecimale(const QString& fichier, int64_t ligne, const QString& ecrit) {
    QString avecPoint = ecrit;
    avecPoint.replace(u',', u'.');
    return aLaLigne(fichier, ligne,
                    QStringLiteral("%1 se lit comme deux valeurs, car la virgule sépare les "
                                   "valeurs%2un nombre décimal s'écrit avec un point, comme %3")
                        .arg(cite(ecrit), PointVirgule, cite(avecPoint)));
}

ErreurDonnees illisible(const QString& fichier, const QString& raison) {
    return ErreurDonnees(QStringLiteral("Le fichier de données %1 ne peut pas être lu\u00A0: %2.")
                             .arg(fichierCite(fichier), raison));
}

ErreurDonnees introuvable(const QString& fichier) {
    return ErreurDonnees(
        QStringLiteral("Le fichier de données %1 est introuvable.").arg(fichierCite(fichier)));
}

} // namespace Refus
