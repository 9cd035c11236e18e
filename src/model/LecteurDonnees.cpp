#include "LecteurDonnees.h"

#include "Arrondi.h"
#include "Calendrier.h"
#include "LecteurSequentiel.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

ErreurDonnees::ErreurDonnees(const QString& message)
    : std::runtime_error(message.toStdString()), texte(message) {}

namespace LecteurDonnees {

namespace {

// French typography: a no-break space inside the guillemets and before the colon.
constexpr char16_t Insecable = u'\u00A0';

QString deuxPoints() {
    return QString(QChar(Insecable)) + QStringLiteral(": ");
}

QString entreGuillemets(const QString& texte) {
    return QStringLiteral("«") + QChar(Insecable) + texte + QChar(Insecable) + QStringLiteral("»");
}

// A file text as it may be shown in a message: control characters made visible as
// U+FFFD, and cut after `longueurMax` characters.
QString affichable(const QString& texte, qsizetype longueurMax = 40) {
    QString resultat;
    const qsizetype n = std::min(texte.size(), longueurMax);
    resultat.reserve(n + 1);
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = texte[i];
        resultat += (c.category() == QChar::Other_Control) ? QChar(QChar::ReplacementCharacter) : c;
    }
    if (texte.size() > longueurMax) {
        resultat += QStringLiteral("…");
    }
    return resultat;
}

QString nombreFrancais(int64_t n) {
    // Groups of three digits separated by no-break spaces: "-32 768".
    const uint64_t valeurAbsolue = n < 0 ? uint64_t(-(n + 1)) + 1 : uint64_t(n);
    QString chiffres = QString::number(valeurAbsolue);
    for (qsizetype i = chiffres.size() - 3; i > 0; i -= 3) {
        chiffres.insert(i, QChar(Insecable));
    }
    return n < 0 ? QStringLiteral("-") + chiffres : chiffres;
}

// Each value of the file, as named in messages (the article included).
enum class Quoi {
    Entete,
    Jour,
    Mois,
    Annee,
    Nom,
    Diametre,
    Couleur,
    RayonOrbite,
    AngleInitial,
    Reserve,
    Periode
};

const QString Forme =
    QStringLiteral("4 valeurs d'en-tête, la date de départ (jour, mois, année) puis "
                   "11 astres de 7 valeurs chacun");
const QString Reel = QStringLiteral("un nombre dont la valeur absolue ne dépasse pas 3,4 × 10^38");

class Lecture {
public:
    Lecture(QIODevice& source, const QString& nomAffiche)
        : lecteur(source), nom(nomAffiche),
          decodeur(lecteur.utf8()
                       ? QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless)
                       : QStringDecoder("windows-1252", QStringConverter::Flag::Stateless)) {
        if (!decodeur.isValid()) {
            // Only a Qt built without its codecs lands here.
            throw ErreurDonnees(
                QStringLiteral("Le fichier de données ") + entreGuillemets(nom) +
                QStringLiteral(" ne peut pas être décodé") + deuxPoints() +
                QStringLiteral("le codage Windows-1252 manque à cette installation."));
        }
    }

    DonneesSidranes lit() {
        DonneesSidranes donnees;
        for (rang = 1; rang <= 4; ++rang) {
            valeur(Quoi::Entete); // read and left aside, not even decoded
        }
        donnees.DateDebut = litDate();
        for (rang = 1; rang <= NbAstres; ++rang) {
            litAstre(donnees.astres[size_t(rang - 1)]);
        }
        // Whatever follows the eleventh entry is left unread.
        return donnees;
    }

private:
    [[noreturn]] void echec(int64_t ligne, const QString& probleme) const {
        throw ErreurDonnees(QStringLiteral("Fichier de données ") + entreGuillemets(nom) +
                            QStringLiteral(", ligne ") + QString::number(ligne) + deuxPoints() +
                            probleme + u'.');
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
        QString message = QStringLiteral("la date de départ (jour ") + QString::number(jour) +
                          QStringLiteral(", mois ") + QString::number(mois) +
                          QStringLiteral(", année ") + QString::number(annee) +
                          QStringLiteral(") tombe hors de la période permise, du 1er janvier "
                                         "100 au 31 décembre 9999");
        if (annee >= 0 && annee < 100) {
            message +=
                QStringLiteral("\u00A0; l'année s'écrit en entier, par exemple 2025 et non 25");
        }
        echec(ligneDate, message);
    }

    void litAstre(Astre& a) {
        nomAstre.clear();
        a.Nom = decodeur.decode(valeur(Quoi::Nom).octets);
        nomAstre = a.Nom;
        a.Diametre = reel(Quoi::Diametre);
        a.Couleur = entier<int32_t>(Quoi::Couleur);
        a.RayonOrbite = reel(Quoi::RayonOrbite);
        a.AngleInitial = reel(Quoi::AngleInitial);
        a.Reserve = reel(Quoi::Reserve);
        a.Periode = reel(Quoi::Periode);
    }

    // The value being read, named for a message; built only when a message needs it.
    QString attendu() const {
        switch (quoi) {
        case Quoi::Entete:
            return QStringLiteral("la ") + QString::number(rang) +
                   (rang == 1 ? QStringLiteral("re") : QStringLiteral("e")) +
                   QStringLiteral(" des 4 valeurs d'en-tête");
        case Quoi::Jour:
            return QStringLiteral("le jour de la date de départ");
        case Quoi::Mois:
            return QStringLiteral("le mois de la date de départ");
        case Quoi::Annee:
            return QStringLiteral("l'année de la date de départ");
        case Quoi::Nom:
            return QStringLiteral("le nom") + deLAstre();
        case Quoi::Diametre:
            return QStringLiteral("le diamètre") + deLAstre();
        case Quoi::Couleur:
            return QStringLiteral("la couleur") + deLAstre();
        case Quoi::RayonOrbite:
            return QStringLiteral("le rayon d'orbite") + deLAstre();
        case Quoi::AngleInitial:
            return QStringLiteral("l'angle initial") + deLAstre();
        case Quoi::Reserve:
            return QStringLiteral("la valeur de réserve") + deLAstre();
        case Quoi::Periode:
            return QStringLiteral("la période") + deLAstre();
        }
        return {};
    }

    // " de l'astre n° 4 (Terre)", the name once it has been read.
    QString deLAstre() const {
        QString texte = QStringLiteral(" de l'astre n°") + QChar(Insecable) + QString::number(rang);
        if (quoi != Quoi::Nom && !nomAstre.isEmpty()) {
            texte += QStringLiteral(" (") + affichable(nomAstre) + u')';
        }
        return texte;
    }

    // The next value, or the message for what stopped it.
    const LecteurSequentiel::Valeur& valeur(Quoi q) {
        quoi = q;
        const LecteurSequentiel::Valeur& v = lecteur.suivante();
        ligneValeur = v.ligne;
        if (v.etat != LecteurSequentiel::Etat::Valeur) {
            echec(v.ligne, probleme(v));
        }
        return v;
    }

    QString probleme(const LecteurSequentiel::Valeur& v) {
        using Etat = LecteurSequentiel::Etat;
        switch (v.etat) {
        case Etat::Valeur:
            break;
        case Etat::FinDuFichier:
            return lecteur.octetsLus() == 0
                       ? QStringLiteral("le fichier est vide\u00A0; il doit donner ") + Forme
                       : QStringLiteral("le fichier se termine avant ") + attendu() +
                             QStringLiteral("\u00A0; il faut ") + Forme;
        case Etat::GuillemetNonFerme:
            return QStringLiteral("guillemet non fermé dans ") + attendu() +
                   QStringLiteral("\u00A0; un texte entre guillemets se termine sur sa ligne");
        case Etat::TexteApresGuillemet:
            return QStringLiteral("texte inattendu ") + cite(v.octets) +
                   QStringLiteral(" après le guillemet fermant, dans ") + attendu() +
                   QStringLiteral("\u00A0; une virgule ou une fin de ligne doit suivre");
        case Etat::ValeurTropLongue:
            return QStringLiteral("valeur trop longue pour ") + attendu() +
                   QStringLiteral("\u00A0; plus de ") +
                   nombreFrancais(LecteurSequentiel::TailleMaxValeur) +
                   QStringLiteral(" octets sans virgule ni fin de ligne");
        case Etat::TropLu:
            return nombreFrancais(LecteurSequentiel::TailleMaxLue) +
                   QStringLiteral(" octets lus sans trouver ") + attendu() +
                   QStringLiteral("\u00A0; ce n'est pas un fichier de données de Sidranes");
        case Etat::ErreurLecture:
            return QStringLiteral("erreur de lecture avant ") + attendu();
        }
        return attendu();
    }

    // A text of the file, decoded, within guillemets.
    QString cite(const QByteArray& octets) {
        return entreGuillemets(affichable(decodeur.decode(octets)));
    }

    // The next value as a number; one beyond a double reads as infinite, out of every
    // field's range.
    double nombre(Quoi q) {
        const LecteurSequentiel::Valeur& v = valeur(q);
        const Nombre n = analyseNombre(v.octets);
        switch (n.etat) {
        case Nombre::Etat::Valeur:
            return n.valeur;
        case Nombre::Etat::PasUnNombre:
            if (v.octets.isEmpty()) {
                echec(v.ligne, QStringLiteral("nombre attendu pour ") + attendu() +
                                   QStringLiteral(", trouvé une valeur vide"));
            }
            echec(v.ligne, QStringLiteral("nombre attendu pour ") + attendu() +
                               QStringLiteral(", trouvé ") + cite(v.octets));
        case Nombre::Etat::HorsLimites:
            break;
        }
        return std::numeric_limits<double>::infinity();
    }

    // The number just read does not fit its field.
    [[noreturn]] void horsLimites(const QString& permis) {
        echec(ligneValeur, QStringLiteral("nombre ") + cite(lecteur.derniere().octets) +
                               QStringLiteral(" hors limites pour ") + attendu() +
                               QStringLiteral("\u00A0; il faut ") + permis);
    }

    template <typename T> T entier(Quoi q) {
        const std::optional<T> resultat = arrondiVers<T>(nombre(q));
        if (!resultat) {
            horsLimites(QStringLiteral("un entier de ") +
                        nombreFrancais(std::numeric_limits<T>::min()) + QStringLiteral(" à ") +
                        nombreFrancais(std::numeric_limits<T>::max()));
        }
        return *resultat;
    }

    float reel(Quoi q) {
        const double d = nombre(q);
        if (std::fabs(d) > double(FLT_MAX)) {
            horsLimites(Reel);
        }
        return static_cast<float>(d);
    }

    LecteurSequentiel lecteur;
    QString nom;
    QStringDecoder decodeur;
    Quoi quoi = Quoi::Entete; // the value being read
    int rang = 0;             // its heading number, or the 1-based number of its body entry
    QString nomAstre;         // the body's name, once read
    int64_t ligneValeur = 1;  // the line where the value being read starts
};

ErreurDonnees illisible(const QString& chemin, const QString& raison) {
    return ErreurDonnees(QStringLiteral("Le fichier de données ") + entreGuillemets(chemin) +
                         QStringLiteral(" ne peut pas être lu") + deuxPoints() + raison + u'.');
}

} // namespace

QString chemin(const QString& dossierProgramme) {
    const QString nomFichier = QString::fromLatin1(NomFichier);
    if (dossierProgramme.isEmpty()) {
        return nomFichier;
    }
    if (dossierProgramme.endsWith(u'/')) {
        return dossierProgramme + nomFichier;
    }
    return dossierProgramme + u'/' + nomFichier;
}

DonneesSidranes lit(const QString& chemin) {
    const QFileInfo info(chemin);
    if (!info.exists()) {
        throw ErreurDonnees(QStringLiteral("Le fichier de données ") + entreGuillemets(chemin) +
                            QStringLiteral(" est introuvable."));
    }
    if (info.isDir()) {
        throw illisible(chemin, QStringLiteral("c'est un dossier"));
    }
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        const QString raison = fichier.error() == QFileDevice::PermissionsError
                                   ? QStringLiteral("accès refusé")
                                   : QStringLiteral("ouverture impossible");
        throw illisible(chemin, raison);
    }
    return lit(fichier, chemin);
}

DonneesSidranes lit(QIODevice& source, const QString& nomAffiche) {
    if (!source.isReadable()) {
        throw illisible(nomAffiche, QStringLiteral("il n'est pas ouvert en lecture"));
    }
    Lecture lecture(source, nomAffiche);
    return lecture.lit();
}

} // namespace LecteurDonnees
