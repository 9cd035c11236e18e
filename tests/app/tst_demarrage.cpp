// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Demarrage.h"
#include "LecteurDonnees.h"

#include <QBuffer>

#include <QtTest>
#include <bit>
#include <cmath>

namespace {

// A folder name holding argument markers: no message may garble around it.
const QString Fichier = QStringLiteral("/d%2i%1r/sidranes.dat");
constexpr int32_t Largeur = 570;

struct Donnee {
    const char* nom;
    float diametre;
    float rayon;
    float periode;
};

// The Sun's orbit values are read like the others and mean nothing: its radius and
// period of 0 must pass.
constexpr Donnee Corps[NbAstres] = {
    {"Soleil", 40, 0.0f, 0},
    {"Mercure", 4, 57909050.0f, 87.969f},
    {"Vénus", 8, 108208000.0f, 224.701f},
    {"Terre", 8, 149597870.0f, 365.256f},
    {"Mars", 6, 227939200.0f, 686.98f},
    {"Jupiter", 20, 778570000.0f, 4332.59f},
    {"Saturne", 18, 1433530000.0f, 10759.22f},
    {"Uranus", 12, 2872460000.0f, 30688.5f},
    {"Neptune", 12, 4495060000.0f, 60182},
    {"Pluton", 4, 5906380000.0f, 90560},
    {"Lune", 3, 384400.0f, 27.321661f},
};

QByteArray ecrit(float v) {
    return QByteArray::number(double(v), 'g', 9); // reads back as the same float
}

// The table as a data file, UTF-8: four heading lines, the date on line 5, body i on
// line 6 + i; body `astre`'s entry replaced by `entree` when given.
QByteArray fichier(int astre = -1, const QByteArray& entree = {}) {
    QByteArray f = "\xEF\xBB\xBF"
                   "a\nb\nc\nd\n1, 1, 2025\n";
    for (int i = 0; i < NbAstres; ++i) {
        const Donnee& c = Corps[i];
        f += i == astre ? entree
                        : "\"" + QByteArray(c.nom) + "\", " + ecrit(c.diametre) + ", " +
                              QByteArray::number(0x10101 * (i + 1)) + ", " + ecrit(c.rayon) + ", " +
                              QByteArray::number(20 * i) + ", 0, " + ecrit(c.periode);
        f += '\n';
    }
    return f;
}

struct Lu {
    Systeme s;
    Provenance p;
};

Lu lis(const QByteArray& octets = fichier()) {
    QBuffer tampon;
    tampon.setData(octets);
    tampon.open(QIODevice::ReadOnly);
    DonneesSidranes d = LecteurDonnees::lit(tampon, Fichier);
    Lu lu{{}, d.provenance};
    lu.s.DateDebut = d.DateDebut;
    lu.s.astres = d.astres;
    lu.s.DegRad = 1; // start-up sets its own value
    return lu;
}

Systeme demarre(const QByteArray& octets = fichier()) {
    Lu lu = lis(octets);
    Demarrage::InitSysteme(lu.s, Largeur, lu.p);
    return lu.s;
}

} // namespace

class TstDemarrage : public QObject {
    Q_OBJECT

private slots:
    void valeursInitiales();
    void divNoms_data();
    void divNoms();
    void vitesseKm_data();
    void vitesseKm();
    void refus_data();
    void refus();
};

void TstDemarrage::valeursInitiales() {
    const Systeme s = demarre();
    QCOMPARE(std::bit_cast<uint32_t>(s.DegRad), 0x3C8EFA35u);
    QCOMPARE(s.LargeurCosmos, Largeur);
    const std::array<int32_t, 12> vitesses{1, 2, 3, 4, 6, 8, 10, 15, 20, 40, 60, 100};
    for (int k = 1; k <= 12; ++k) {
        QCOMPARE(Systeme::TabVitesse[k], vitesses[k - 1]);
    }
    // Angular speeds of bodies 1..10; the Sun has none, the Moon no km figure.
    for (int i = 1; i < NbAstres; ++i) {
        QCOMPARE(s.astres[i].VitesseAng, 360.0f / Corps[i].periode);
    }
    QCOMPARE(s.astres[Soleil].VitesseAng, 0.0f);
    QCOMPARE(s.astres[Soleil].VitesseKm, int16_t(0));
    QCOMPARE(s.astres[Lune].VitesseKm, int16_t(0));
    QVERIFY(s.astres[Lune].VitesseAng > 13.17f && s.astres[Lune].VitesseAng < 13.18f);
    // Start-up counts days from the start date, whatever it is; the clock reaches from
    // the calendar's first day to its last.
    QCOMPARE(s.Jours, 0);
    QCOMPARE(s.DateDebut, QDate(2025, 1, 1));
    QCOMPARE(s.JoursMin, -703092); // 1 January 100
    QCOMPARE(s.JoursMax, 2912807); // 31 December 9999
}

void TstDemarrage::divNoms_data() {
    QTest::addColumn<int>("astre");
    QTest::addColumn<float>("divX");
    QTest::addColumn<float>("divY");

    for (int i = 0; i < NbAstres; ++i) {
        float x = 50, y = 100;
        if (i >= 5 && i <= 8) {
            x = 25; // giants: label below
            y = -200;
        } else if (i == Soleil || i == Lune) {
            x = 0; // never labelled
            y = 0;
        }
        QTest::addRow("%s", Corps[i].nom) << i << x << y;
    }
}

void TstDemarrage::divNoms() {
    QFETCH(int, astre);
    QFETCH(float, divX);
    QFETCH(float, divY);
    const Systeme s = demarre();
    QCOMPARE(s.astres[astre].DivNomX, divX);
    QCOMPARE(s.astres[astre].DivNomY, divY);
}

void TstDemarrage::vitesseKm_data() {
    QTest::addColumn<int>("astre");
    QTest::addColumn<float>("rayon");
    QTest::addColumn<float>("periode");
    QTest::addColumn<int>("attendu");

    QTest::newRow("Terre, 2573.40") << 3 << 149597870.0f << 365.256f << 2573;
    QTest::newRow("Mercure, 4136.15") << 1 << 57909050.0f << 87.969f << 4136;
    QTest::newRow("Pluton, 409.8") << 9 << 5906380000.0f << 90560.0f << 410;
    // These two give exactly x.5 in double: halves go to the even neighbour.
    QTest::newRow("2286.5 -> 2286") << 4 << 110354456.0f << 303.248413f << 2286;
    QTest::newRow("2917.5 -> 2918") << 6 << 157781936.0f << 339.802277f << 2918;
    QTest::newRow("32767.40, le plus grand") << 2 << 5215094.0f << 1.0f << 32767;
}

void TstDemarrage::vitesseKm() {
    QFETCH(int, astre);
    QFETCH(float, rayon);
    QFETCH(float, periode);
    QFETCH(int, attendu);
    const Systeme s =
        demarre(fichier(astre, "\"x\", 4, 1, " + ecrit(rayon) + ", 0, 0, " + ecrit(periode)));
    QCOMPARE(int(s.astres[astre].VitesseKm), attendu);
}

void TstDemarrage::refus_data() {
    QTest::addColumn<int>("astre");
    QTest::addColumn<QByteArray>("entree");
    QTest::addColumn<QString>("message"); // empty: accepted

    const QString f = QStringLiteral("Fichier de données « /d%2i%1r/sidranes.dat », ligne ");
    QTest::newRow("période nulle d'une planète")
        << 5 << QByteArray("Jupiter, 20, 1, 778570000, 0, 0, 0")
        << f + "11 : nombre « 0 » hors limites pour la période de l'astre n° 6 (Jupiter) ; il "
               "faut une période différente de 0.";
    QTest::newRow("période nulle de la Lune")
        << 10 << QByteArray("Lune, 3, 1, 384400, 0, 0, -0.000")
        << f + "16 : nombre « -0.000 » hors limites pour la période de l'astre n° 11 (Lune) ; il "
               "faut une période différente de 0.";
    // Read as a double it is not zero; as the body's float it is.
    QTest::newRow("période de 1e-50, nulle en float")
        << 4 << QByteArray("Mars, 6, 1, 227939200, 0, 0, 1e-50")
        << f + "10 : nombre « 1e-50 » hors limites pour la période de l'astre n° 5 (Mars) ; il "
               "faut une période différente de 0, et celle-ci est si petite qu'elle compte pour 0.";
    // 2 pi 1e12 / 1 / 1000 thousand km a day does not fit 16 bits.
    QTest::newRow("vitesse hors de 16 bits")
        << 4 << QByteArray("Mars, 6, 1, 1e12, 0, 0, 1")
        << f + "10 : nombre « 1 » hors limites pour la période de l'astre n° 5 (Mars) ; il faut "
               "une période plus longue ; avec un rayon d'orbite de 1e12 km, l'astre parcourrait "
               "plus de 32 767 milliers de km par jour.";
    QTest::newRow("vitesse de 32767.50")
        << 2 << QByteArray("Vénus, 8, 1, 5215110, 0, 0, 1.0")
        << f + "8 : nombre « 1.0 » hors limites pour la période de l'astre n° 3 (Vénus) ; il faut "
               "une période plus longue ; avec un rayon d'orbite de 5 215 110 km, l'astre "
               "parcourrait plus de 32 767 milliers de km par jour.";
    // 360 / 1e-30 degrees a day runs past the largest float before 9999.
    const QString tropCourte = " ; il faut une période plus longue ; l'astre tournerait si vite "
                               "que sa position deviendrait infinie avant le 31 décembre 9999.";
    QTest::newRow("période trop courte, Lune")
        << 10 << QByteArray("Lune, 3, 1, 384400, 0, 0, 1e-30")
        << f + "16 : nombre « 1e-30 » hors limites pour la période de l'astre n° 11 (Lune)" +
               tropCourte;
    QTest::newRow("période trop courte, planète")
        << 2 << QByteArray("Vénus, 8, 1, 1e-30, 0, 0, 1E-30")
        << f + "8 : nombre « 1E-30 » hors limites pour la période de l'astre n° 3 (Vénus)" +
               tropCourte;
    QTest::newRow("période courte mais finie")
        << 10 << QByteArray("Lune, 3, 1, 384400, 0, 0, 1e-28") << QString();
    const QString rayon = " ; il faut un nombre de km plus grand que 0 et d'au plus 2,6 × 10^38.";
    QTest::newRow("rayon nul") << 1 << QByteArray("Mercure, 4, 1, 0, 0, 0, 88")
                               << f +
                                      "7 : nombre « 0 » hors limites pour le rayon d'orbite de "
                                      "l'astre n° 2 (Mercure)" +
                                      rayon;
    QTest::newRow("rayon de -1") << 7 << QByteArray("Uranus, 12, 1, -1, 0, 0, 30688.5")
                                 << f +
                                        "13 : nombre « -1 » hors limites pour le rayon d'orbite de "
                                        "l'astre n° 8 (Uranus)" +
                                        rayon;
    QTest::newRow("rayon infini une fois agrandi")
        << 4 << QByteArray("Mars, 6, 1, 3e38, 0, 0, 1e38")
        << f + "10 : nombre « 3e38 » hors limites pour le rayon d'orbite de l'astre n° 5 (Mars)" +
               rayon;
    QTest::newRow("diamètre négatif")
        << 0 << QByteArray("Soleil, -36, 1, 0, 0, 0, 0")
        << f + "6 : nombre « -36 » hors limites pour le diamètre de l'astre n° 1 (Soleil) ; il "
               "faut un nombre de pixels positif ou nul.";
    QTest::newRow("diamètre nul") << 6 << QByteArray("Saturne, 0, 1, 1433530000, 0, 0, 10759.22")
                                  << QString();
    QTest::newRow("diamètre énorme")
        << 0 << QByteArray("Soleil, 1e38, 1, 0, 0, 0, 0")
        << f + "6 : nombre « 1e38 » hors limites pour le diamètre de l'astre n° 1 (Soleil) ; il "
               "faut un diamètre plus petit ; à l'échelle du champ orbital allant jusqu'à Mercure, "
               "le disque "
               "serait infini.";
    // Each field at its own margin: Uranus's 1.1 still holds this disc, Neptune's not.
    QTest::newRow("diamètre énorme d'une planète")
        << 6 << QByteArray("Saturne, 3e31, 1, 1433530000, 0, 0, 10759.22")
        << f + "12 : nombre « 3e31 » hors limites pour le diamètre de l'astre n° 7 (Saturne) ; il "
               "faut un diamètre plus petit ; à l'échelle du champ orbital allant jusqu'à "
               "Neptune, le disque serait infini.";
    // Names are quoted cleaned and cut; no marker in them is taken for an argument.
    QTest::newRow("nom à caractères de contrôle")
        << 4 << QByteArray("\"\x1b[2J%1\x07%3\", 6, 1, 227939200, 0, 0, 0")
        << f + "10 : nombre « 0 » hors limites pour la période de l'astre n° 5 "
               "(\uFFFD[2J%1\uFFFD%3)"
               " ; il faut une période différente de 0.";
    QTest::newRow("nom de 10 000 caractères")
        << 4 << "\"" + QByteArray(10000, 'M') + "\", 6, 1, 227939200, 0, 0, 0"
        << f + "10 : nombre « 0 » hors limites pour la période de l'astre n° 5 (" +
               QString(40, u'M') + "…) ; il faut une période différente de 0.";
}

void TstDemarrage::refus() {
    QFETCH(int, astre);
    QFETCH(QByteArray, entree);
    QFETCH(QString, message);
    Lu lu = lis(fichier(astre, entree));
    QString obtenu;
    try {
        Demarrage::InitSysteme(lu.s, Largeur, lu.p);
    } catch (const ErreurDonnees& e) {
        obtenu = QString(e.message()).replace(QChar(0xA0), u' ');
    }
    QCOMPARE(obtenu, message);
}

QTEST_APPLESS_MAIN(TstDemarrage)
#include "tst_demarrage.moc"
