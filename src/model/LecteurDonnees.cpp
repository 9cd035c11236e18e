// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LecteurDonnees.h"

#include "Arrondi.h"
#include "Calendrier.h"
#include "LecteurSequentiel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
          windows1252("windows-1252", QStringConverter::Flag::Stateless) {
        if (!windows1252.isValid()) {
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
        // Whatever follows the eleventh entry is left unread. The texts are decoded again
        // as all that was read is written: a first accent may come late in the file.
        for (const auto& [origine, octets] : lus) {
            origine->texte = decode(octets);
        }
        for (int i = 0; i < NbAstres; ++i) {
            donnees.astres[size_t(i)].Nom = donnees.provenance.de(i, Rubrique::Nom).texte;
        }
        return donnees;
    }

private:
    [[noreturn]] void echec(int64_t ligne, const QString& probleme) const {
        if (lecteur.utf16SansMarque()) {
            throw Refus::aLaLigne(nom, ligne,
                                  probleme + Refus::PointVirgule +
                                      QStringLiteral("le fichier semble écrit en UTF-16 sans la "
                                                     "marque d'ordre des octets, qui ne se lit pas "
                                                     "ainsi : enregistrez-le en UTF-8, ou en "
                                                     "UTF-16 avec sa marque"));
        }
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

    QString decode(const QByteArray& octets) {
        return lecteur.utf8() ? QString::fromUtf8(octets) : windows1252.decode(octets);
    }

    // Keeps where and how the value just read is written.
    void garde(Origine& o) {
        o.texte = decode(lecteur.derniere().octets);
        o.ligne = ligneValeur;
        lus.emplace_back(&o, lecteur.derniere().octets);
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
        remarqueVirgule(v);
        return v;
    }

    // "181,4419, 0": a whole number, a comma right after it, digits right after the
    // comma, then a blank or a line end, in a line whose values are otherwise set
    // apart by blanks. Kept for when the values that follow stop fitting their place.
    void remarqueVirgule(const LecteurSequentiel::Valeur& v) {
        ++numero;
        const Vue& a = vues[0];
        const Vue& b = vues[1];
        if (numero >= 3 && a.nombre && a.apresBlanc && a.virguleCollee &&
            chiffres(a.octets, true) && !b.apresBlanc && chiffres(b.octets, false) &&
            v.apresBlanc) {
            virguleDecimale = VirguleDecimale{a.octets + ',' + b.octets, a.ligne, numero - 1};
        }
        vues[0] = std::move(vues[1]);
        vues[1] = Vue{v.octets,
                      quoi != Quoi::Entete && (quoi != Quoi::Astre || rubrique != Rubrique::Nom),
                      v.apresBlanc, v.virguleCollee, v.ligne};
    }

    // Digits only, after a sign if `signe`.
    static bool chiffres(const QByteArray& octets, bool signe) {
        QByteArrayView t(octets);
        if (signe && (t.startsWith('-') || t.startsWith('+'))) {
            t = t.sliced(1);
        }
        return !t.isEmpty() &&
               std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    }

    // A value that does not fit its place, shortly after a likely decimal comma: the
    // comma is the fault, on its own line.
    void accuseVirgule() {
        if (virguleDecimale && numero - virguleDecimale->numero <= NbRubriques) {
            throw Refus::virguleDecimale(nom, virguleDecimale->ligne,
                                         decode(virguleDecimale->ecrit));
        }
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
    QString cite(const QByteArray& octets) { return Refus::cite(decode(octets)); }

    // The next value as a number; one beyond a double reads as infinite, out of every
    // field's range.
    double nombre(Quoi q, Rubrique r) {
        const LecteurSequentiel::Valeur& v = valeur(q, r);
        const Nombre n = analyseNombre(v.octets);
        switch (n.etat) {
        case Nombre::Etat::Valeur:
            return n.valeur;
        case Nombre::Etat::PasUnNombre:
            accuseVirgule();
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
        accuseVirgule();
        throw Refus::horsLimites(nom, ligneValeur, decode(lecteur.derniere().octets), attendu(),
                                 permis);
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
    QStringDecoder windows1252;
    // Each kept text with its bytes, decoded again once all is read.
    std::vector<std::pair<Origine*, QByteArray>> lus;
    Quoi quoi = Quoi::Entete;          // the value being read
    Rubrique rubrique = Rubrique::Nom; // which one of its body, for Quoi::Astre
    int rang = 0;            // its heading number, or the 1-based number of its body entry
    QString nomAstre;        // the body's name, once read
    int64_t ligneValeur = 1; // the line where the value being read starts

    // The last two values read, as the decimal comma check sees them.
    struct Vue {
        QByteArray octets;
        bool nombre = false; // read where a number is wanted
        bool apresBlanc = false;
        bool virguleCollee = false;
        int64_t ligne = 0;
    };
    struct VirguleDecimale {
        QByteArray ecrit; // "181,4419"
        int64_t ligne = 0;
        int numero = 0; // of the value after the comma
    };
    std::array<Vue, 2> vues{};
    int numero = 0; // of the value last read, from 1
    std::optional<VirguleDecimale> virguleDecimale;
};

#ifdef Q_OS_UNIX
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
int ouvre(const QByteArray& nomSysteme, const QString& chemin) {
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

#else
// Elsewhere, the same refusals from what Qt tells of the file.
void ouvre(QFile& fichier, const QString& chemin) {
    const QFileInfo info(fichier.fileName());
    if (!info.exists()) {
        throw Refus::introuvable(chemin);
    }
    if (info.isDir()) {
        throw Refus::illisible(chemin, QStringLiteral("c'est un dossier"));
    }
    if (!info.isFile()) {
        throw Refus::illisible(chemin, QStringLiteral("ce n'est pas un fichier ordinaire"));
    }
    if (!fichier.open(QIODevice::ReadOnly)) {
        throw Refus::illisible(
            chemin, QStringLiteral("ouverture impossible (%1)").arg(fichier.errorString()));
    }
}
#endif

} // namespace

QString chemin(const QString& dossierProgramme) {
    return chemin(Chemin(dossierProgramme).octets()).affiche();
}

#ifdef Q_OS_UNIX
Chemin::Chemin(const QString& texte) : octets_(QFile::encodeName(texte)) {}
#else
// Elsewhere the system's names are Unicode: held as UTF-8, handed back to Qt as text.
Chemin::Chemin(const QString& texte) : octets_(texte.toUtf8()) {}
#endif

Chemin Chemin::depuisOctets(QByteArray octets) {
    Chemin c;
    c.octets_ = std::move(octets);
    return c;
}

QString Chemin::affiche() const {
    QString texte;
    QByteArrayView reste(octets_);
    while (!reste.isEmpty()) {
        const uchar premier = uchar(reste.front());
        // The length that a UTF-8 sequence starting with this byte would have.
        const qsizetype n = premier < 0xC0 ? 1 : premier < 0xE0 ? 2 : premier < 0xF0 ? 3 : 4;
        // Each character gets a fresh decoder, which would take a U+FEFF for a mark.
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                        QStringConverter::Flag::ConvertInitialBom);
        const QString caractere = utf8.decode(reste.first(std::min(n, reste.size())));
        if (premier >= 0x80 && (n == 1 || utf8.hasError() || n > reste.size())) {
            texte += QChar(premier); // Latin-1
            reste = reste.sliced(1);
        } else {
            texte += caractere;
            reste = reste.sliced(std::min(n, reste.size()));
        }
    }
    return texte;
}

bool Chemin::existe() const {
#ifdef Q_OS_UNIX
    return ::access(octets_.constData(), F_OK) == 0;
#else
    return QFileInfo::exists(QString::fromUtf8(octets_));
#endif
}

Chemin chemin(const QByteArray& dossierProgramme) {
    if (dossierProgramme.isEmpty()) {
        return Chemin::depuisOctets(NomFichier);
    }
    const QByteArray separateur = dossierProgramme.endsWith('/') ? "" : "/";
    return Chemin::depuisOctets(dossierProgramme + separateur + NomFichier);
}

Chemin cheminAuProgramme() {
#ifdef Q_OS_LINUX
    // The kernel's own bytes: Qt would decode them as UTF-8, lose a Latin-1 folder name
    // and fall back on the working directory.
    QByteArray executable(PATH_MAX, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", executable.data(), size_t(executable.size()));
    if (n > 0 && n < executable.size()) {
        executable.truncate(n);
        return chemin(executable.left(executable.lastIndexOf('/') + 1));
    }
#endif
    return chemin(QCoreApplication::applicationDirPath());
}

// The file beside the executable comes first, as in the build folder. An installed
// program keeps it in its data folder, which the message names when the file is missing.
Chemin cheminParDefaut() {
    const Chemin aCote = cheminAuProgramme();
    const QString installe =
        QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                            .filePath(QStringLiteral(SIDRANES_DONNEES_INSTALLEES)));
    if (aCote.existe() || !QFileInfo::exists(installe)) {
        return aCote;
    }
    return chemin(Chemin(installe).octets());
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

DonneesSidranes lit(const Chemin& chemin) {
    const QString nom = chemin.affiche();
    QFile fichier;
#ifdef Q_OS_UNIX
    const int fd = ouvre(chemin.octets(), nom);
    if (!fichier.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw Refus::illisible(nom, QStringLiteral("ouverture impossible"));
    }
#else
    fichier.setFileName(QString::fromUtf8(chemin.octets()));
    ouvre(fichier, nom);
#endif
    return lit(fichier, nom);
}

DonneesSidranes lit(QIODevice& source, const QString& nomAffiche) {
    if (!source.isReadable()) {
        throw Refus::illisible(nomAffiche, QStringLiteral("il n'est pas ouvert en lecture"));
    }
    Lecture lecture(source, nomAffiche);
    return lecture.lit();
}

} // namespace LecteurDonnees
