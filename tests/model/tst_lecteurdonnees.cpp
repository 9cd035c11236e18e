// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Corpus.h"
#include "LecteurDonnees.h"
#include "LecteurSequentiel.h"
#include "Tableau.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>
#include <cfloat>
#include <map>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

const QString NomAffiche = QStringLiteral("/x/sidranes.dat");

// A small file in the documented form, Windows-1252, CR LF: the corpus's own. Lines:
// 1-4 heading, 5 date, 6 the Sun ... 9 the Earth ... 16 the Moon.
QList<QByteArray> lignesValides() {
    QFile f(QStringLiteral(SIDRANES_TEST_DATA "/lecteur/crlf.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().split('\n').mid(0, 16) : QList<QByteArray>();
}

QByteArray joint(const QList<QByteArray>& lignes, const QByteArray& fin = "\r\n") {
    QByteArray resultat;
    for (const QByteArray& l : lignes) {
        resultat += l.chopped(l.endsWith('\r') ? 1 : 0) + fin;
    }
    return resultat;
}

QByteArray fichierValide() {
    return joint(lignesValides());
}

// The valid file with line `numero` (1-based) replaced.
QByteArray avecLigne(int numero, const QByteArray& ligne) {
    QList<QByteArray> lignes = lignesValides();
    lignes[numero - 1] = ligne;
    return joint(lignes);
}

// The valid file cut after `n` lines, the last line ending as given.
QByteArray premieresLignes(int n, const QByteArray& fin = "\r\n") {
    return joint(lignesValides().mid(0, n), fin);
}

const QStringList NomsFrancais = {"Soleil",  "Mercure", "Vénus",   "Terre",  "Mars", "Jupiter",
                                  "Saturne", "Uranus",  "Neptune", "Pluton", "Lune"};

DonneesSidranes litOctets(const QByteArray& octets) {
    // Throws ErreurDonnees.
    QBuffer tampon;
    tampon.setData(octets);
    tampon.open(QIODevice::ReadOnly);
    return LecteurDonnees::lit(tampon, NomAffiche);
}

// Messages use no-break spaces; the expected texts below are written with plain ones.
QString simple(QString texte) {
    return texte.replace(QChar(0xA0), u' ');
}

// The message of the refusal that `lecture` ends in.
template <typename Lecture> QString refus(Lecture&& lecture) {
    try {
        lecture();
    } catch (const ErreurDonnees& e) {
        return simple(e.message());
    }
    return QStringLiteral("(aucune erreur)");
}

// A device that produces the same bytes for ever, after an optional prefix.
class SourceSansFin : public QIODevice {
public:
    SourceSansFin(QByteArray debut, QByteArray motif)
        : debut_(std::move(debut)), motif_(std::move(motif)) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 lus() const { return lus_; }

protected:
    qint64 readData(char* data, qint64 max) override {
        for (qint64 i = 0; i < max; ++i, ++lus_) {
            data[i] = lus_ < debut_.size() ? debut_[lus_]
                                           : motif_[(lus_ - debut_.size()) % motif_.size()];
        }
        return max;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray debut_;
    QByteArray motif_;
    qint64 lus_ = 0;
};

// A device that gives its bytes, then fails.
class SourceDefaillante : public QIODevice {
public:
    explicit SourceDefaillante(QByteArray debut) : debut_(std::move(debut)) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 max) override {
        if (pos_ >= debut_.size()) {
            return -1;
        }
        const qint64 n = std::min(max, qint64(debut_.size()) - pos_);
        memcpy(data, debut_.constData() + pos_, size_t(n));
        pos_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray debut_;
    qint64 pos_ = 0;
};

} // namespace

namespace {

// The Earth's seven values as the fields hold them, floats to 9 digits.
QString terre(const Astre& a) {
    const auto n = [](float v) { return QString::number(double(v), 'g', 9); };
    QString nom;
    for (const QChar c : a.Nom) {
        const bool controle = c < u' ' || (c >= u'\x7f' && c <= u'\x9f');
        nom += controle ? QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')) : c;
    }
    return QStringList{nom,
                       n(a.Diametre),
                       QString::number(a.Couleur),
                       n(a.RayonOrbite),
                       n(a.AngleInitial),
                       n(a.Reserve),
                       n(a.Periode)}
        .join(u'|');
}

} // namespace

class TstLecteurDonnees : public QObject {
    Q_OBJECT

private slots:
    void chemins_data() { Tableau::lignes(QStringLiteral("lecteur/chemins.txt")); }

    void chemins() {
        QFETCH(QStringList, colonnes);
        const QString genre = colonnes.value(0);
        const QString entree = colonnes.value(1);
        const std::map<QString, int> erreurs{{"EACCES", EACCES}, {"EPERM", EPERM},
                                             {"ELOOP", ELOOP},   {"ENAMETOOLONG", ENAMETOOLONG},
                                             {"ENOENT", ENOENT}, {"ENOTDIR", ENOTDIR},
                                             {"EIO", EIO}};
        QString obtenu;
        if (genre == QLatin1String("dossier")) {
            obtenu = LecteurDonnees::chemin(entree);
        } else if (genre == QLatin1String("octets")) {
            obtenu = LecteurDonnees::Chemin::depuisOctets(Tableau::octets(entree)).affiche();
        } else {
            obtenu =
                simple(LecteurDonnees::refusOuverture(NomAffiche, erreurs.at(entree)).message());
        }
        QCOMPARE(obtenu, Tableau::texte(colonnes.value(2))
                             .replace(QStringLiteral("{EIO}"), QString::number(EIO)));
    }

    void decoupage_data() { Tableau::lignes(QStringLiteral("lecteur/decoupage.txt")); }

    void decoupage() {
        QFETCH(QStringList, colonnes);
        QByteArray entree = Tableau::octets(colonnes.value(0));
        QBuffer tampon(&entree);
        tampon.open(QIODevice::ReadOnly);
        LecteurSequentiel lecteur(tampon);
        QStringList lues;
        QStringList numeros;
        for (;;) {
            const LecteurSequentiel::Valeur& v = lecteur.suivante();
            if (v.etat == LecteurSequentiel::Etat::FinDuFichier) {
                break;
            }
            QCOMPARE(v.etat, LecteurSequentiel::Etat::Valeur);
            const QString texte = QString::fromLatin1(v.octets);
            lues << (v.entreGuillemets ? u'<' + texte + u'>' : texte);
            numeros << QString::number(v.ligne);
        }
        QCOMPARE(lues.join(u'|'), colonnes.value(1));
        QCOMPARE(numeros.join(u'|'), colonnes.value(2));
    }

    void nombre_data() { Tableau::lignes(QStringLiteral("lecteur/nombres.txt")); }

    void nombre() {
        QFETCH(QStringList, colonnes);
        const Nombre n = analyseNombre(Tableau::octets(colonnes.value(0)));
        QCOMPARE(QString::number(int(n.etat)), colonnes.value(1));
        if (n.etat == Nombre::Etat::Valeur) {
            QCOMPARE(n.valeur, colonnes.value(2).toDouble());
        }
    }

    void corpus_data() {
        QTest::addColumn<int>("indice");
        const QList<Corpus::Cas> tous = Corpus::cas();
        QVERIFY(tous.size() > 100);
        for (int i = 0; i < tous.size(); ++i) {
            QTest::newRow(qPrintable(tous[i].fichier)) << i;
        }
    }

    // Each file of the corpus read, and what it gives: its start date and bodies, or the
    // refusal, word for word.
    void corpus() {
        QFETCH(int, indice);
        const Corpus::Cas c = Corpus::cas().at(indice);
        QBuffer tampon;
        tampon.setData(c.octets);
        tampon.open(QIODevice::ReadOnly);
        DonneesSidranes d;
        try {
            d = LecteurDonnees::lit(tampon, c.nomAffiche());
        } catch (const ErreurDonnees& e) {
            QCOMPARE(QStringLiteral("refus ") + Corpus::simple(e.message()),
                     c.genre + u' ' + c.attendu);
            return;
        }
        QVERIFY2(c.genre != QLatin1String("refus"), "lu au lieu d'être refusé");
        if (c.genre == QLatin1String("terre")) {
            QCOMPARE(terre(d.astres[Terre]), c.attendu);
            return;
        }
        if (c.genre == QLatin1String("date")) {
            QCOMPARE(d.DateDebut.toString(QStringLiteral("dd/MM/yyyy")), c.attendu);
        }
        QStringList noms;
        for (const Astre& a : d.astres) {
            noms << a.Nom;
        }
        QCOMPARE(noms.at(2).isEmpty(), false);
        if (c.genre == QLatin1String("date")) {
            QCOMPARE(noms, NomsFrancais);
            QCOMPARE(terre(d.astres[Lune]),
                     QStringLiteral("Lune|4|13816530|15376000|298.580902|7.5|27.3216991"));
        }
    }

    void messageTypographie() {
        try {
            litOctets(avecLigne(9, "\"Terre\", 9, 16745010, 149598261, 100.5541, 0, abc"));
            QFAIL("aucune erreur");
        } catch (const ErreurDonnees& e) {
            QCOMPARE(
                e.message(),
                QStringLiteral("Fichier de données «\u00A0/x/sidranes.dat\u00A0», ligne 9\u00A0: "
                               "nombre attendu pour la période de l'astre n°\u00A04 (Terre), "
                               "trouvé «\u00A0abc\u00A0»."));
            // what() carries the same text, in UTF-8.
            QCOMPARE(QString::fromUtf8(e.what()), e.message());
        }
    }

    void fichierIntrouvable() {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString chemin = LecteurDonnees::chemin(dossier.path());
        QCOMPARE(refus([&] { LecteurDonnees::lit(chemin); }),
                 QStringLiteral("Le fichier de données « %1 » est introuvable.").arg(chemin));
    }

    void pasUnFichier_data() {
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QString>("raison"); // empty: "introuvable"

        const QString pasOrdinaire = QStringLiteral(", pas un fichier ordinaire");
        QTest::newRow("dossier") << "dossier"
                                 << "c'est un dossier";
        // Opening a pipe with no writer, or reading one whose writer is silent, waits for ever.
        QTest::newRow("tube sans écrivain") << "tube"
                                            << "c'est un tube nommé" + pasOrdinaire;
        QTest::newRow("tube à écrivain muet") << "tube ouvert"
                                              << "c'est un tube nommé" + pasOrdinaire;
        QTest::newRow("socket") << "socket"
                                << "c'est une prise de communication (socket)" + pasOrdinaire;
        QTest::newRow("/dev/zero") << "/dev/zero"
                                   << "c'est un périphérique" + pasOrdinaire;
        QTest::newRow("/dev/urandom") << "/dev/urandom"
                                      << "c'est un périphérique" + pasOrdinaire;
        QTest::newRow("lien vers un tube") << "lien vers tube"
                                           << "c'est un tube nommé" + pasOrdinaire;
        QTest::newRow("boucle de liens") << "boucle"
                                         << "ses liens symboliques forment une boucle";
        QTest::newRow("lien cassé") << "lien cassé" << QString();
    }

    void pasUnFichier() {
#ifndef Q_OS_UNIX
        QSKIP("named pipes, sockets, devices and links are Unix's");
#else
        QFETCH(QString, genre);
        QFETCH(QString, raison);
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        QString chemin = LecteurDonnees::chemin(dossier.path());
        const QByteArray c = QFile::encodeName(chemin);
        int ecrivain = -1;
        int prise = -1;
        if (genre.startsWith(u'/')) {
            chemin = genre;
        } else if (genre == "dossier") {
            QVERIFY(QDir().mkdir(chemin));
        } else if (genre.startsWith("tube")) {
            QCOMPARE(::mkfifo(c.constData(), 0600), 0);
            if (genre == "tube ouvert") {
                ecrivain = ::open(c.constData(), O_RDWR | O_NONBLOCK);
                QVERIFY(ecrivain >= 0);
            }
        } else if (genre == "socket") {
            prise = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un adresse{};
            adresse.sun_family = AF_UNIX;
            QVERIFY(size_t(c.size()) < sizeof adresse.sun_path);
            memcpy(adresse.sun_path, c.constData(), size_t(c.size()));
            QCOMPARE(::bind(prise, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
        } else if (genre == "lien vers tube") {
            QCOMPARE(::mkfifo(QFile::encodeName(dossier.filePath("t")).constData(), 0600), 0);
            QVERIFY(QFile::link(dossier.filePath("t"), chemin));
        } else if (genre == "boucle") {
            QVERIFY(QFile::link(dossier.filePath("b"), chemin));
            QVERIFY(QFile::link(chemin, dossier.filePath("b")));
        } else {
            QVERIFY(QFile::link(dossier.filePath("absent"), chemin));
        }
        QElapsedTimer chrono;
        chrono.start();
        const QString message = refus([&] { LecteurDonnees::lit(chemin); });
        const qint64 duree = chrono.elapsed();
        if (ecrivain >= 0) {
            ::close(ecrivain);
        }
        if (prise >= 0) {
            ::close(prise);
        }
        const QString attendu =
            raison.isEmpty()
                ? QStringLiteral("Le fichier de données « %1 » est introuvable.").arg(chemin)
                : QStringLiteral("Le fichier de données « %1 » ne peut pas être lu : %2.")
                      .arg(chemin, raison);
        QCOMPARE(message, attendu);
        QVERIFY2(duree < 500, qPrintable(QString::number(duree)));
#endif
    }

    void lienVersFichier() {
        // The file may be a link to the real one, as packages often install it.
        QTemporaryDir dossier;
        QFile f(dossier.filePath("vrai.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(fichierValide());
        f.close();
        const QString chemin = LecteurDonnees::chemin(dossier.path());
        QVERIFY(QFile::link(f.fileName(), chemin));
        QCOMPARE(LecteurDonnees::lit(chemin).astres[Lune].Nom, QStringLiteral("Lune"));
    }

    void provenance() {
        // Each body value keeps its line and its writing, whatever the layout.
        const DonneesSidranes d = litOctets(fichierValide());
        QCOMPARE(d.provenance.fichier, NomAffiche);
        QCOMPARE(d.provenance.de(Terre, Rubrique::Periode).texte, QStringLiteral("365.256"));
        QCOMPARE(d.provenance.de(Terre, Rubrique::Periode).ligne, 9);
        QCOMPARE(d.provenance.de(2, Rubrique::Nom).texte, QStringLiteral("Vénus"));
        QCOMPARE(d.provenance.de(Lune, Rubrique::Reserve).texte, QStringLiteral("7.5"));
        const DonneesSidranes c = litOctets(QByteArray(fichierValide()).replace(", ", "\r\n"));
        QCOMPARE(c.provenance.de(Soleil, Rubrique::Diametre).ligne, 9);
        QCOMPARE(c.provenance.de(Soleil, Rubrique::Couleur).ligne, 10);
        QCOMPARE(c.provenance.de(Soleil, Rubrique::Couleur).texte, QStringLiteral("2679295"));
        QCOMPARE(c.provenance.de(Lune, Rubrique::Periode).ligne, 4 + 3 + 11 * 7);
    }

    void fichierIllisible() {
#ifndef Q_OS_UNIX
        QSKIP("a file no one may read is made with Unix's permissions");
#else
        // Root reads every file: the reading is tried by a child process that gives up root.
        QTemporaryDir dossier;
        QVERIFY(QFile::setPermissions(dossier.path(),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ExeOther));
        const QString chemin = LecteurDonnees::chemin(dossier.path());
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(fichierValide());
        f.close();
        QVERIFY(f.setPermissions(QFileDevice::WriteOwner));
        int tube[2];
        QCOMPARE(::pipe(tube), 0);
        const pid_t enfant = ::fork();
        if (enfant == 0) {
            QByteArray message = "aucune erreur";
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
                message = "root gardé";
            } else {
                message = refus([&] { LecteurDonnees::lit(chemin); }).toUtf8();
            }
            const bool ecrit = ::write(tube[1], message.constData(), size_t(message.size())) >= 0;
            ::_exit(ecrit ? 0 : 1);
        }
        ::close(tube[1]);
        QByteArray recu;
        char tampon[512];
        for (ssize_t n; (n = ::read(tube[0], tampon, sizeof tampon)) > 0;) {
            recu.append(tampon, n);
        }
        ::close(tube[0]);
        ::waitpid(enfant, nullptr, 0);
        QCOMPARE(QString::fromUtf8(recu),
                 QStringLiteral("Le fichier de données « %1 » ne peut pas être lu : accès refusé.")
                     .arg(chemin));
#endif
    }

    void appareilFerme() {
        QBuffer tampon;
        QCOMPARE(
            refus([&] { LecteurDonnees::lit(tampon, NomAffiche); }),
            QStringLiteral("Le fichier de données « /x/sidranes.dat » ne peut pas être lu : il "
                           "n'est pas ouvert en lecture."));
    }

    void erreurDeLecture() {
        SourceDefaillante source(premieresLignes(8) + "\"Terre\", 9");
        // The value cut by the failure is not taken as complete.
        QCOMPARE(
            refus([&] { LecteurDonnees::lit(source, NomAffiche); }),
            QStringLiteral("Fichier de données « /x/sidranes.dat », ligne 9 : erreur de lecture "
                           "avant le diamètre de l'astre n° 4 (Terre)."));
    }

    void fichierBinaire() {
        // Every byte value, in a fixed pseudo-random order: an error, never a crash.
        QByteArray octets;
        quint32 graine = 12345;
        for (int i = 0; i < 200000; ++i) {
            graine = graine * 1103515245u + 12345u;
            octets.append(char(graine >> 24));
        }
        QString message = refus([&] { litOctets(octets); });
        QVERIFY2(
            message.startsWith(QStringLiteral("Fichier de données « /x/sidranes.dat », ligne ")),
            qPrintable(message));
        // The executable of this very test.
        QFile moiMeme(QCoreApplication::applicationFilePath());
        QVERIFY(moiMeme.open(QIODevice::ReadOnly));
        QElapsedTimer chrono;
        chrono.start();
        message = refus([&] { LecteurDonnees::lit(moiMeme, moiMeme.fileName()); });
        QVERIFY2(message.contains(moiMeme.fileName()), qPrintable(message));
        QVERIFY(chrono.elapsed() < 2000);
    }

    void grosFichierValide() {
        // A valid file followed by 200 MB (sparse): read at once, the rest never touched.
        QTemporaryDir dossier;
        const QString chemin = LecteurDonnees::chemin(dossier.path());
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(fichierValide());
        QVERIFY(f.resize(200LL * 1024 * 1024));
        f.close();
        QElapsedTimer chrono;
        chrono.start();
        const DonneesSidranes d = LecteurDonnees::lit(chemin);
        QVERIFY2(chrono.elapsed() < 2000, qPrintable(QString::number(chrono.elapsed())));
        QCOMPARE(d.astres[Lune].Nom, QStringLiteral("Lune"));
    }

    void grosFichierCreux() {
        // 200 MB of zero bytes: one endless value.
        QTemporaryDir dossier;
        const QString chemin = LecteurDonnees::chemin(dossier.path());
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(200LL * 1024 * 1024));
        f.close();
        QElapsedTimer chrono;
        chrono.start();
        QCOMPARE(refus([&] { LecteurDonnees::lit(chemin); }),
                 QStringLiteral(
                     "Fichier de données « %1 », ligne 1 : valeur trop longue pour la 1re des 4 "
                     "valeurs d'en-tête ; plus de 65 536 octets sans virgule ni fin de ligne.")
                     .arg(chemin));
        QVERIFY(chrono.elapsed() < 2000);
    }

    void grosFichierDeFinsDeLigne() {
        // 20 MB of line ends: blank lines are skipped, but not beyond the reading limit.
        QTemporaryDir dossier;
        const QString chemin = LecteurDonnees::chemin(dossier.path());
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray bloc(1024 * 1024, '\n');
        for (int i = 0; i < 20; ++i) {
            f.write(bloc);
        }
        f.close();
        QElapsedTimer chrono;
        chrono.start();
        QCOMPARE(
            refus([&] { LecteurDonnees::lit(chemin); }),
            QStringLiteral(
                "Fichier de données « %1 », ligne 16777217 : 16 777 216 octets lus sans trouver "
                "la 1re des 4 valeurs d'en-tête ; ce n'est pas un fichier de données de Sidranes.")
                .arg(chemin));
        QVERIFY(chrono.elapsed() < 2000);
    }

    void sourceSansFin_data() {
        QTest::addColumn<QByteArray>("debut");
        QTest::addColumn<QByteArray>("motif");
        QTest::addColumn<QString>("message"); // empty: reads fine

        QTest::newRow("fichier valide puis déchets sans fin")
            << fichierValide() << QByteArray("\x01z,\"") << QString();
        QTest::newRow("octets sans séparateur")
            << QByteArray() << QByteArray("xyz")
            << "Fichier de données « /x/sidranes.dat », ligne 1 : valeur trop longue pour la 1re "
               "des 4 "
               "valeurs "
               "d'en-tête ; plus de 65 536 octets sans virgule ni fin de ligne.";
        QTest::newRow("blancs sans fin")
            << premieresLignes(5) << QByteArray(" \t")
            << "Fichier de données « /x/sidranes.dat », ligne 6 : 16 777 216 octets lus sans "
               "trouver "
               "le nom de "
               "l'astre n° 1 ; ce n'est pas un fichier de données de Sidranes.";
        QTest::newRow("virgules sans fin") << premieresLignes(4) << QByteArray(",")
                                           << "Fichier de données « /x/sidranes.dat », ligne 5 : "
                                              "nombre attendu pour le jour de la date de "
                                              "départ, trouvé une valeur vide.";
        QTest::newRow("nombres sans fin")
            << premieresLignes(4) + "1, 1, 2025, \"a\"" << QByteArray(", 1") << QString();
    }

    void sourceSansFin() {
        QFETCH(QByteArray, debut);
        QFETCH(QByteArray, motif);
        QFETCH(QString, message);
        SourceSansFin source(debut, motif);
        QElapsedTimer chrono;
        chrono.start();
        try {
            const DonneesSidranes d = LecteurDonnees::lit(source, NomAffiche);
            QVERIFY2(message.isEmpty(), "erreur attendue");
            QCOMPARE(d.DateDebut, QDate(2025, 1, 1));
        } catch (const ErreurDonnees& e) {
            QCOMPARE(simple(e.message()), message);
        }
        QVERIFY(chrono.elapsed() < 2000);
        // QIODevice may read a little ahead into its own buffer.
        QVERIFY(source.lus() <= LecteurSequentiel::TailleMaxLue + LecteurSequentiel::TailleBloc);
    }

    void fichierDuDepot() {
        const QString chemin = QStringLiteral(SIDRANES_SOURCE_DIR "/data/sidranes.dat");
        const DonneesSidranes d = LecteurDonnees::lit(chemin);
        QCOMPARE(d.DateDebut, QDate(2025, 1, 1));
        QStringList noms;
        for (const Astre& a : d.astres) {
            noms << a.Nom;
        }
        QCOMPARE(noms, NomsFrancais);
        // Windows-1252 on disk, one byte for the é.
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray octets = f.readAll();
        QVERIFY(octets.contains("\"V\xe9nus\""));
        QVERIFY(!octets.startsWith("\xEF\xBB\xBF"));
        QVERIFY(octets.endsWith("\r\n"));
        QVERIFY(!octets.contains("\n\n"));
        QCOMPARE(octets.count('\n'), octets.count("\r\n"));
    }
};

QTEST_GUILESS_MAIN(TstLecteurDonnees)
#include "tst_lecteurdonnees.moc"
