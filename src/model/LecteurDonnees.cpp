// SPDX-License-Identifier: GPL-3.0-or-later
#include "LecteurDonnees.h"

#include "Arrondi.h"
#include "Calendrier.h"
#include "LecteurSequentiel.h"

#include <QFile>
#include <QIODevice>
#include <QStringDecoder>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace LecteurDonnees {

namespace {

// The value being read: a heading value, a part of the date, or a body value.
enum class Quoi { Entete, Jour, Mois, Annee, Astre };

const QString Forme =
    QStringLiteral("4 valeurs d'en-tête, la date de départ (jour, mois, année) puis "
                   "11 astres de 7 valeurs chacun");
const QString Reel = QStringLiteral("un nombre dont la valeur absolue ne dépasse pas 3,4 × 10^38");

// Beyond this a double rounds to an infinite float: FLT_MAX plus half its last unit,
// the tie itself rounding to infinity.
constexpr double LimiteReel = double(FLT_MAX) + 0x1p103;

class Lecture {
public:
    Lecture(QIODevice& source, const QString& nomAffiche)
        : lecteur(source), nom(nomAffiche),
          decodeur(lecteur.utf8()
                       ? QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless)
                       : QStringDecoder("windows-1252", QStringConverter::Flag::Stateless)) {
        if (!decodeur.isValid()) {
            // Only a Qt built without its codecs lands here.
            throw Refus::illisible(
                nom, QStringLiteral("le codage Windows-1252 manque à cette installation"));
        }
    }

    DonneesSidranes lit() {
        DonneesSidranes donnees;
        donnees.provenance.fichier = nom;
        for (rang = 1; rang <= 4; ++rang) {
            valeur(Quoi::Entete); // read and left aside, not even decoded
        }
        donnees.DateDebut = litDate();
        for (rang = 1; rang <= NbAstres; ++rang) {
            litAstre(donnees.astres[size_t(rang - 1)], donnees.provenance);
        }
        // Whatever follows the eleventh entry is left unread.
        return donnees;
    }

private:
    [[noreturn]] void echec(int64_t ligne, const QString& probleme) const {
        throw Refus::aLaLigne(nom, ligne, probleme);
    }

    QDate litDate() {
        const int16_t jour = entier<int16_t>(Quoi::Jour);
        const int64_t ligneDate = ligneValeur;
        const int16_t mois = entier<int16_t>(Quoi::Mois);
        const int16_t annee = entier<int16_t>(Quoi::Annee);
        const std::optional<QDate> date = Calendrier::construit(annee, mois, jour);
        if (date) {
            return *date;
        }
        QString message =
            QStringLiteral("la date de départ (jour %1, mois %2, année %3) tombe hors "
                           "de la période permise, du 1er janvier 100 au 31 "
                           "décembre 9999")
                .arg(QString::number(jour), QString::number(mois), QString::number(annee));
        if (annee >= 0 && annee < 100) {
            message += Refus::PointVirgule +
                       QStringLiteral("l'année s'écrit en entier, par exemple 2025 et non 25");
        }
        echec(ligneDate, message);
    }

    void litAstre(Astre& a, Provenance& p) {
        nomAstre.clear();
        const int i = rang - 1;
        a.Nom = texte(Rubrique::Nom, p);
        nomAstre = a.Nom;
        a.Diametre = reel(Rubrique::Diametre, p);
        a.Couleur = entier<int32_t>(Quoi::Astre, Rubrique::Couleur);
        garde(p.de(i, Rubrique::Couleur));
        a.RayonOrbite = reel(Rubrique::RayonOrbite, p);
        a.AngleInitial = reel(Rubrique::AngleInitial, p);
        a.Reserve = reel(Rubrique::Reserve, p);
        a.Periode = reel(Rubrique::Periode, p);
    }

    // Keeps where and how the value just read is written.
    void garde(Origine& o) {
        o.texte = decodeur.decode(lecteur.derniere().octets);
        o.ligne = ligneValeur;
    }

    QString texte(Rubrique r, Provenance& p) {
        valeur(Quoi::Astre, r);
        Origine& o = p.de(rang - 1, r);
        garde(o);
        return o.texte;
    }

    float reel(Rubrique r, Provenance& p) {
        const float v = reel(r);
        garde(p.de(rang - 1, r));
        return v;
    }

    // The value being read, named for a message; built only when a message needs it.
    QString attendu() const {
        switch (quoi) {
        case Quoi::Entete:
            return QStringLiteral("la %1%2 des 4 valeurs d'en-tête")
                .arg(QString::number(rang), rang == 1 ? QStringLiteral("re") : QStringLiteral("e"));
        case Quoi::Jour:
            return QStringLiteral("le jour de la date de départ");
        case Quoi::Mois:
            return QStringLiteral("le mois de la date de départ");
        case Quoi::Annee:
            return QStringLiteral("l'année de la date de départ");
        case Quoi::Astre:
            return Refus::rubrique(rubrique, rang - 1, nomAstre);
        }
        return {};
    }

    // The next value, or the message for what stopped it.
    const LecteurSequentiel::Valeur& valeur(Quoi q, Rubrique r = Rubrique::Nom) {
        quoi = q;
        rubrique = r;
        const LecteurSequentiel::Valeur& v = lecteur.suivante();
        ligneValeur = v.ligne;
        if (v.etat != LecteurSequentiel::Etat::Valeur) {
            echec(v.ligne, probleme(v));
        }
        return v;
    }

    QString probleme(const LecteurSequentiel::Valeur& v) {
        using Etat = LecteurSequentiel::Etat;
        const QString& pv = Refus::PointVirgule;
        switch (v.etat) {
        case Etat::Valeur:
            break;
        case Etat::FinDuFichier:
            return lecteur.octetsLus() == 0
                       ? QStringLiteral("le fichier est vide%1il doit donner %2").arg(pv, Forme)
                       : QStringLiteral("le fichier se termine avant %1%2il faut %3")
                             .arg(attendu(), pv, Forme);
        case Etat::GuillemetNonFerme:
            return QStringLiteral("guillemet non fermé dans %1%2un texte entre guillemets se "
                                  "termine sur sa ligne")
                .arg(attendu(), pv);
        case Etat::TexteApresGuillemet:
            return QStringLiteral("texte inattendu %1 après le guillemet fermant, dans %2%3une "
                                  "virgule ou une fin de ligne doit suivre")
                .arg(cite(v.octets), attendu(), pv);
        case Etat::ValeurTropLongue:
            return QStringLiteral("valeur trop longue pour %1%2plus de %3 octets sans virgule ni "
                                  "fin de ligne")
                .arg(attendu(), pv, Refus::entier(LecteurSequentiel::TailleMaxValeur));
        case Etat::TropLu:
            return QStringLiteral("%1 octets lus sans trouver %2%3ce n'est pas un fichier de "
                                  "données de Sidranes")
                .arg(Refus::entier(LecteurSequentiel::TailleMaxLue), attendu(), pv);
        case Etat::ErreurLecture:
            return QStringLiteral("erreur de lecture avant %1").arg(attendu());
        }
        return attendu();
    }

    // A text of the file, decoded, within guillemets.
    QString cite(const QByteArray& octets) { return Refus::cite(decodeur.decode(octets)); }

    // The next value as a number; one beyond a double reads as infinite, out of every
    // field's range.
    double nombre(Quoi q, Rubrique r) {
        const LecteurSequentiel::Valeur& v = valeur(q, r);
        const Nombre n = analyseNombre(v.octets);
        switch (n.etat) {
        case Nombre::Etat::Valeur:
            return n.valeur;
        case Nombre::Etat::PasUnNombre:
            echec(v.ligne,
                  QStringLiteral("nombre attendu pour %1, trouvé %2")
                      .arg(attendu(), v.octets.isEmpty() ? QStringLiteral("une valeur vide")
                                                         : cite(v.octets)));
        case Nombre::Etat::HorsLimites:
            break;
        }
        return std::numeric_limits<double>::infinity();
    }

    // The number just read does not fit its field.
    [[noreturn]] void horsLimites(const QString& permis) {
        throw Refus::horsLimites(nom, ligneValeur, decodeur.decode(lecteur.derniere().octets),
                                 attendu(), permis);
    }

    template <typename T> T entier(Quoi q, Rubrique r = Rubrique::Nom) {
        const std::optional<T> resultat = arrondiVers<T>(nombre(q, r));
        if (!resultat) {
            horsLimites(QStringLiteral("un entier de %1 à %2")
                            .arg(Refus::entier(std::numeric_limits<T>::min()),
                                 Refus::entier(std::numeric_limits<T>::max())));
        }
        return *resultat;
    }

    float reel(Rubrique r) {
        const double d = nombre(Quoi::Astre, r);
        if (!(std::fabs(d) < LimiteReel)) {
            horsLimites(Reel);
        }
        return static_cast<float>(d);
    }

    LecteurSequentiel lecteur;
    QString nom;
    QStringDecoder decodeur;
    Quoi quoi = Quoi::Entete;          // the value being read
    Rubrique rubrique = Rubrique::Nom; // which one of its body, for Quoi::Astre
    int rang = 0;            // its heading number, or the 1-based number of its body entry
    QString nomAstre;        // the body's name, once read
    int64_t ligneValeur = 1; // the line where the value being read starts
};

QString genre(mode_t mode) {
    if (S_ISDIR(mode)) {
        return QStringLiteral("c'est un dossier");
    }
    if (S_ISFIFO(mode)) {
        return QStringLiteral("c'est un tube nommé, pas un fichier ordinaire");
    }
    if (S_ISSOCK(mode)) {
        return QStringLiteral("c'est une prise de communication (socket), pas un fichier "
                              "ordinaire");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return QStringLiteral("c'est un périphérique, pas un fichier ordinaire");
    }
    return QStringLiteral("ce n'est pas un fichier ordinaire");
}

// Opens a regular file (or a link to one) for reading. Anything else is refused on
// its type before it is opened; the open itself cannot block, and the type is checked
// again on what was opened, in case the file was replaced in between.
int ouvre(const QString& chemin) {
    const QByteArray nomSysteme = QFile::encodeName(chemin);
    struct stat etat {};
    if (::stat(nomSysteme.constData(), &etat) != 0) {
        throw refusOuverture(chemin, errno);
    }
    if (!S_ISREG(etat.st_mode)) {
        throw Refus::illisible(chemin, genre(etat.st_mode));
    }
    const int fd = ::open(nomSysteme.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        throw refusOuverture(chemin, errno);
    }
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(fd);
        throw Refus::illisible(chemin, genre(etat.st_mode));
    }
    return fd;
}

} // namespace

QString chemin(const QString& dossierProgramme) {
    QString nomFichier = QString::fromLatin1(NomFichier);
    if (dossierProgramme.isEmpty()) {
        return nomFichier;
    }
    if (dossierProgramme.endsWith(u'/')) {
        return dossierProgramme + nomFichier;
    }
    return dossierProgramme + u'/' + nomFichier;
}

ErreurDonnees refusOuverture(const QString& chemin, int erreur) {
    switch (erreur) {
    case ENOENT:
    case ENOTDIR:
        return Refus::introuvable(chemin);
    case EACCES:
    case EPERM:
        return Refus::illisible(chemin, QStringLiteral("accès refusé"));
    case ELOOP:
        return Refus::illisible(chemin, QStringLiteral("ses liens symboliques forment une boucle"));
    case ENAMETOOLONG:
        return Refus::illisible(chemin, QStringLiteral("son chemin est trop long"));
    default:
        return Refus::illisible(chemin, QStringLiteral("ouverture impossible (erreur système %1)")
                                            .arg(QString::number(erreur)));
    }
}

DonneesSidranes lit(const QString& chemin) {
    const int fd = ouvre(chemin);
    QFile fichier;
    if (!fichier.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw Refus::illisible(chemin, QStringLiteral("ouverture impossible"));
    }
    return lit(fichier, chemin);
}

DonneesSidranes lit(QIODevice& source, const QString& nomAffiche) {
    if (!source.isReadable()) {
        throw Refus::illisible(nomAffiche, QStringLiteral("il n'est pas ouvert en lecture"));
    }
    Lecture lecture(source, nomAffiche);
    return lecture.lit();
}

} // namespace LecteurDonnees
