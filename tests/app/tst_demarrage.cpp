#include "Demarrage.h"
#include "LecteurDonnees.h"

#include <QtTest>
#include <bit>
#include <cmath>

namespace {

const QString Fichier = QStringLiteral("sidranes.dat");
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

Systeme systemeDeTest() {
    Systeme s;
    s.DateDebut = QDate(2025, 1, 1);
    for (int i = 0; i < NbAstres; ++i) {
        Astre& a = s.astres[i];
        a.Nom = QString::fromUtf8(Corps[i].nom);
        a.Diametre = Corps[i].diametre;
        a.Couleur = 0x10101 * (i + 1);
        a.RayonOrbite = Corps[i].rayon;
        a.AngleInitial = 20.0f * i;
        a.Periode = Corps[i].periode;
    }
    // Whatever the window held before, start-up sets its own values.
    s.Intervalle = 0;
    s.Champ = 7;
    s.IndVitesse = 4;
    s.Pas = 99;
    s.DegRad = 1;
    return s;
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
    Systeme s = systemeDeTest();
    Demarrage::InitSysteme(s, Largeur, Fichier);

    QCOMPARE(s.Intervalle, 20);
    QCOMPARE(s.Champ, 3);
    QCOMPARE(s.IndVitesse, 1);
    QCOMPARE(s.Pas, 1);
    QCOMPARE(std::bit_cast<uint32_t>(s.DegRad), 0x3C8EFA35u);
    QCOMPARE(s.LargeurCosmos, Largeur);
    const std::array<int32_t, 12> vitesses{1, 2, 3, 4, 6, 8, 10, 15, 20, 40, 60, 100};
    for (int k = 1; k <= 12; ++k) {
        QCOMPARE(s.TabVitesse[k], vitesses[k - 1]);
    }
    // Angular speeds of bodies 1..10; the Sun has none, the Moon no km figure.
    for (int i = 1; i < NbAstres; ++i) {
        QCOMPARE(s.astres[i].VitesseAng, 360.0f / Corps[i].periode);
    }
    QCOMPARE(s.astres[Soleil].VitesseAng, 0.0f);
    QCOMPARE(s.astres[Soleil].VitesseKm, int16_t(0));
    QCOMPARE(s.astres[Lune].VitesseKm, int16_t(0));
    QVERIFY(s.astres[Lune].VitesseAng > 13.17f && s.astres[Lune].VitesseAng < 13.18f);
    // Start-up counts days from the start date, whatever it is.
    QCOMPARE(s.Jours, 0);
    QCOMPARE(s.DateDebut, QDate(2025, 1, 1));
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
    Systeme s = systemeDeTest();
    Demarrage::InitSysteme(s, Largeur, Fichier);
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
    Systeme s = systemeDeTest();
    s.astres[astre].RayonOrbite = rayon;
    s.astres[astre].Periode = periode;
    Demarrage::InitSysteme(s, Largeur, Fichier);
    QCOMPARE(int(s.astres[astre].VitesseKm), attendu);
}

void TstDemarrage::refus_data() {
    QTest::addColumn<int>("astre");
    QTest::addColumn<float>("rayon"); // NaN: as in the table
    QTest::addColumn<float>("periode");
    QTest::addColumn<float>("diametre");
    QTest::addColumn<QString>("valeur"); // empty: accepted

    const float x = qQNaN();
    QTest::newRow("période nulle d'une planète") << 5 << x << 0.0f << x << "0";
    QTest::newRow("période nulle de la Lune") << 10 << x << 0.0f << x << "0";
    // 2 pi 1e12 / 1 / 1000 thousand km a day does not fit 16 bits.
    QTest::newRow("vitesse hors de 16 bits") << 4 << 1e12f << 1.0f << x << "1e+12";
    QTest::newRow("vitesse de 32767.50") << 2 << 5215110.0f << 1.0f << x << "5.21511e+06";
    // 360 / 1e-30 degrees a day runs past the largest float before 9999.
    QTest::newRow("période trop courte, Lune") << 10 << x << 1e-30f << x << "1e-30";
    QTest::newRow("période trop courte, planète") << 2 << 1e-30f << 1e-30f << x << "1e-30";
    QTest::newRow("période courte mais finie") << 10 << x << 1e-28f << x << "";
    QTest::newRow("rayon nul") << 1 << 0.0f << x << x << "0";
    QTest::newRow("rayon négatif") << 7 << -5.0f << x << x << "-5";
    QTest::newRow("diamètre énorme") << 0 << x << x << 1e38f << "1e+38";
    QTest::newRow("diamètre énorme d'une planète") << 6 << x << x << 3e31f << "3e+31";
}

void TstDemarrage::refus() {
    QFETCH(int, astre);
    QFETCH(float, rayon);
    QFETCH(float, periode);
    QFETCH(float, diametre);
    QFETCH(QString, valeur);
    Systeme s = systemeDeTest();
    Astre& a = s.astres[astre];
    if (!std::isnan(rayon)) {
        a.RayonOrbite = rayon;
    }
    if (!std::isnan(periode)) {
        a.Periode = periode;
    }
    if (!std::isnan(diametre)) {
        a.Diametre = diametre;
    }

    QString message;
    try {
        Demarrage::InitSysteme(s, Largeur, Fichier);
    } catch (const ErreurDonnees& e) {
        message = e.message();
    }
    if (valeur.isEmpty()) {
        QVERIFY2(message.isEmpty(), qPrintable(message));
        return;
    }
    // The user must be able to find the faulty entry: the file, the body and the value.
    QVERIFY2(!message.isEmpty(), "accepté");
    QVERIFY2(message.contains(Fichier), qPrintable(message));
    QVERIFY2(message.contains(a.Nom), qPrintable(message));
    QVERIFY2(message.contains(valeur), qPrintable(message));
}

QTEST_APPLESS_MAIN(TstDemarrage)
#include "tst_demarrage.moc"
