// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReglesGlissiere.h"

#include <QtTest>

using namespace ReglesGlissiere;

namespace {

// The sliders as drawn: knob 285 twips wide, background and track 2370 wide at left 240.
constexpr double Bouton = 285;
constexpr double Fond = 2370;
constexpr double Gauche = 240;

Geometrie geometrieDessinee(int crans) {
    return geometrie(Bouton, Fond, crans);
}

// Knob left edge for a given distance d from the start of the groove.
double gaucheA(double d) {
    return Gauche + Marge + d;
}

} // namespace

class TstReglesGlissiere : public QObject {
    Q_OBJECT

private slots:
    void geometrieCalculee_data();
    void geometrieCalculee();
    void geometrieTropCourteRefusee_data();
    void geometrieTropCourteRefusee();
    void boutonInitial_data();
    void boutonInitial();
    void cranDuBouton_data();
    void cranDuBouton();
    void appui_data();
    void appui();
    void marges_data();
    void marges();
    void course_data();
    void course();
};

void TstReglesGlissiere::geometrieCalculee_data() {
    QTest::addColumn<double>("bouton");
    QTest::addColumn<double>("fond");
    QTest::addColumn<int>("crans");
    QTest::addColumn<int>("xMin");
    QTest::addColumn<int>("xMax");
    QTest::addColumn<int>("cran");

    // 217.5 -> 218 and 2152.5 -> 2152: halves go to the even neighbour.
    QTest::newRow("vitesse, 12 crans") << Bouton << Fond << 12 << 218 << 2152 << 161;
    QTest::newRow("champ, 9 crans") << Bouton << Fond << 9 << 218 << 2152 << 215;
    // 216.5 -> 216, 2153.5 -> 2154, 1938 / 12 = 161.5 -> 162.
    QTest::newRow("moitiés vers le pair") << 283.0 << 2370.0 << 12 << 216 << 2154 << 162;
    // 8 / 9 = 0.89 rounds to 1: the shortest slider still taken.
    QTest::newRow("cran de 1") << Bouton << 444.0 << 9 << 218 << 226 << 1;
}

void TstReglesGlissiere::geometrieCalculee() {
    QFETCH(double, bouton);
    QFETCH(double, fond);
    QFETCH(int, crans);
    QFETCH(int, xMin);
    QFETCH(int, xMax);
    QFETCH(int, cran);
    const Geometrie g = geometrie(bouton, fond, crans);
    QCOMPARE(g.XMin, xMin);
    QCOMPARE(g.XMax, xMax);
    QCOMPARE(g.Cran, cran);
}

void TstReglesGlissiere::geometrieTropCourteRefusee_data() {
    QTest::addColumn<double>("fond");
    QTest::addColumn<int>("crans");
    // The knob's travel is fond - 75 - 285 - 75 wide (285: the knob).
    QTest::newRow("course nulle") << 435.0 << 9;
    QTest::newRow("cran de 0,44 arrondi à 0") << 439.0 << 9;
    QTest::newRow("course à l'envers") << 300.0 << 9;
    QTest::newRow("aucun cran") << Fond << 0;
}

void TstReglesGlissiere::geometrieTropCourteRefusee() {
    QFETCH(double, fond);
    QFETCH(int, crans);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, geometrie(Bouton, fond, crans));
}

void TstReglesGlissiere::boutonInitial_data() {
    QTest::addColumn<int>("crans");
    QTest::addColumn<int>("cran");
    QTest::addColumn<double>("gauche");

    QTest::newRow("vitesse au cran 1") << 12 << 1 << 395.5;
    QTest::newRow("champ au cran 3") << 9 << 3 << 852.5;
}

void TstReglesGlissiere::boutonInitial() {
    QFETCH(int, crans);
    QFETCH(int, cran);
    QFETCH(double, gauche);
    const Geometrie g = geometrieDessinee(crans);
    const double g0 = gaucheBoutonAuCran(Gauche, cran, g.Cran);
    QCOMPARE(g0, gauche);
    // Read back, the knob gives the notch it was put on.
    QCOMPARE(ReglesGlissiere::cranDuBouton(g0, Gauche, g, crans), cran);
}

void TstReglesGlissiere::cranDuBouton_data() {
    QTest::addColumn<int>("crans");
    QTest::addColumn<double>("gauche");
    QTest::addColumn<int>("attendu");

    // Notch k covers d from (k - 1) * Cran to k * Cran - 1.
    for (int k = 1; k <= 12; ++k) {
        QTest::addRow("vitesse %d, début", k) << 12 << gaucheA((k - 1) * 161) << k;
        QTest::addRow("vitesse %d, fin", k) << 12 << gaucheA(k * 161 - 1) << k;
    }
    for (int k = 1; k <= 9; ++k) {
        QTest::addRow("champ %d, début", k) << 9 << gaucheA((k - 1) * 215) << k;
        QTest::addRow("champ %d, fin", k) << 9 << gaucheA(k * 215 - 1) << k;
    }
    // d is rounded half to even before the division: 160.5 -> 160, 161.5 -> 162.
    QTest::newRow("vitesse, d = 160.5") << 12 << gaucheA(160.5) << 1;
    QTest::newRow("vitesse, d = 161.5") << 12 << gaucheA(161.5) << 2;
    QTest::newRow("vitesse, d = 321.5") << 12 << gaucheA(321.5) << 3;
    // 12 x 161 = 1932 < 1934: the raw formula gives a 13th notch over the last
    // few positions of the travel; there are only 12 speeds.
    for (int centre = 2149; centre <= 2152; ++centre) {
        QTest::addRow("vitesse, centre %d", centre) << 12 << Gauche + centre - Bouton / 2 << 12;
    }
    QTest::newRow("vitesse, d = 1932") << 12 << gaucheA(1932) << 12;
    QTest::newRow("vitesse, d = 1934") << 12 << gaucheA(1934) << 12;
    // Field: the knob centred on XMax stands at 2249.5, d = nearest(1934.5) = 1934.
    QTest::newRow("champ, centre 2152") << 9 << 2249.5 << 9;
    QTest::newRow("champ, d = 1935") << 9 << gaucheA(1935) << 9;
    QTest::newRow("champ, bien au-delà") << 9 << gaucheA(5000) << 9;
    QTest::newRow("vitesse, à gauche de la rainure") << 12 << gaucheA(-200) << 1;
    QTest::newRow("champ, à gauche de la rainure") << 9 << gaucheA(-1) << 1;
}

void TstReglesGlissiere::cranDuBouton() {
    QFETCH(int, crans);
    QFETCH(double, gauche);
    QFETCH(int, attendu);
    QCOMPARE(ReglesGlissiere::cranDuBouton(gauche, Gauche, geometrieDessinee(crans), crans),
             attendu);
}

void TstReglesGlissiere::appui_data() {
    QTest::addColumn<int>("crans");
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("pris");
    QTest::addColumn<double>("gauche"); // knob left after the press
    QTest::addColumn<int>("cran");      // notch read by the click that follows

    // 1000 + 240 - 142.5 = 1097.5, d = 782, 782 \ 161 + 1 = 5.
    QTest::newRow("vitesse, x = 1000") << 12 << 1000.0 << true << 1097.5 << 5;
    QTest::newRow("vitesse, x = 100 ramené à 218") << 12 << 100.0 << true << 315.5 << 1;
    QTest::newRow("vitesse, x = 75") << 12 << 75.0 << true << 315.5 << 1;
    QTest::newRow("vitesse, x = 74") << 12 << 74.0 << false << 0.0 << 0;
    QTest::newRow("vitesse, x = 2149") << 12 << 2149.0 << true << 2246.5 << 12;
    QTest::newRow("vitesse, x = 2200 ramené à 2152") << 12 << 2200.0 << true << 2249.5 << 12;
    QTest::newRow("vitesse, x = 2295") << 12 << 2295.0 << true << 2249.5 << 12;
    QTest::newRow("vitesse, x = 2296") << 12 << 2296.0 << false << 0.0 << 0;
    QTest::newRow("champ, x = 100") << 9 << 100.0 << true << 315.5 << 1;
    QTest::newRow("champ, x = 433") << 9 << 433.0 << true << 530.5 << 2;
    QTest::newRow("champ, x = 2152") << 9 << 2152.0 << true << 2249.5 << 9;
    QTest::newRow("champ, x = 2295") << 9 << 2295.0 << true << 2249.5 << 9;
}

void TstReglesGlissiere::appui() {
    QFETCH(int, crans);
    QFETCH(double, x);
    QFETCH(bool, pris);
    QFETCH(double, gauche);
    QFETCH(int, cran);
    const Geometrie g = geometrieDessinee(crans);
    QCOMPARE(dansLesMarges(x, Fond), pris);
    if (!pris) {
        return;
    }
    const double gaucheBouton = gaucheBoutonSous(borne(x, g), Gauche, Bouton);
    QCOMPARE(gaucheBouton, gauche);
    QCOMPARE(ReglesGlissiere::cranDuBouton(gaucheBouton, Gauche, g, crans), cran);
}

void TstReglesGlissiere::marges_data() {
    QTest::addColumn<double>("fond");
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("attendu");

    QTest::newRow("x < 75") << Fond << 74.999 << false;
    QTest::newRow("x = 75") << Fond << 75.0 << true;
    QTest::newRow("x négatif") << Fond << -10.0 << false;
    QTest::newRow("x = 2295") << Fond << 2295.0 << true;
    QTest::newRow("x = 2295.0001") << Fond << 2295.0001 << false;
    // 2370.3 - 75 is 2295.300048828125 in single precision: a press a little past
    // the double value is still taken.
    QTest::newRow("borne en simple précision") << 2370.3 << 2295.30001 << true;
    QTest::newRow("au-delà de la borne simple") << 2370.3 << 2295.3001 << false;
}

void TstReglesGlissiere::marges() {
    QFETCH(double, fond);
    QFETCH(double, x);
    QFETCH(bool, attendu);
    QCOMPARE(dansLesMarges(x, fond), attendu);
}

void TstReglesGlissiere::course_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("dedans"); // a drag to x moves the knob
    QTest::addColumn<double>("borne");

    QTest::newRow("100") << 100.0 << false << 218.0;
    QTest::newRow("217.9") << 217.9 << false << 218.0;
    QTest::newRow("218") << 218.0 << false << 218.0;
    QTest::newRow("218.5") << 218.5 << true << 218.5;
    QTest::newRow("1000") << 1000.0 << true << 1000.0;
    QTest::newRow("2151.5") << 2151.5 << true << 2151.5;
    QTest::newRow("2152") << 2152.0 << false << 2152.0;
    QTest::newRow("2152.1") << 2152.1 << false << 2152.0;
    QTest::newRow("2295") << 2295.0 << false << 2152.0;
}

void TstReglesGlissiere::course() {
    QFETCH(double, x);
    QFETCH(bool, dedans);
    QFETCH(double, borne);
    for (int crans : {9, 12}) {
        const Geometrie g = geometrieDessinee(crans);
        QCOMPARE(dansLaCourse(x, g), dedans);
        QCOMPARE(ReglesGlissiere::borne(x, g), borne);
    }
}

QTEST_APPLESS_MAIN(TstReglesGlissiere)
#include "tst_reglesglissiere.moc"
