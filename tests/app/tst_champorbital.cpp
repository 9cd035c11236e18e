// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The view of each orbital field, without a window: scale, disc sizes, which discs
// show, the Moon and its button, and the captions that name the field.

#include "ChampOrbital.h"

#include <QtTest>

namespace {

constexpr int32_t Largeur = 500;

// Round figures: planet i at 1000 i km, planets 10 wide, the Sun 80, on an area 500 wide.
Systeme systemeDeTest() {
    Systeme s;
    s.LargeurCosmos = Largeur;
    for (int i = 0; i < NbAstres; ++i) {
        Astre& a = s.astres[i];
        a.Nom = QStringLiteral("Astre%1").arg(i);
        a.Diametre = i == Soleil ? 80 : 10;
        a.RayonOrbite = i <= DernierePlanete ? 1000.0f * i : 100;
        a.VitesseKm = int16_t(100 + i);
    }
    return s;
}

} // namespace

class TstChampOrbital : public QObject {
    Q_OBJECT

private slots:
    void vue_data();
    void vue();
    void echelleEnDoublePrecision();
    void luneSelonLeChamp_data();
    void luneSelonLeChamp();
    void legendes();
};

void TstChampOrbital::vue_data() {
    QTest::addColumn<int>("champ");
    QTest::addColumn<float>("echelle");
    QTest::addColumn<float>("planete"); // width of every planet's disc
    QTest::addColumn<float>("soleil");  // the Sun's width as finally shown

    // A disc of d on 500 covers d / 500 of 2 Echelle; beyond Mars the Sun a quarter of that.
    QTest::newRow("1, Mercure") << 1 << 1100.0f << 44.0f << 352.0f;
    QTest::newRow("2") << 2 << 2200.0f << 88.0f << 704.0f;
    QTest::newRow("3, départ") << 3 << 3300.0f << 132.0f << 1056.0f;
    QTest::newRow("4, Mars à 1,3") << 4 << 5200.0f << 208.0f << 1664.0f;
    QTest::newRow("5, Soleil au quart") << 5 << 5500.0f << 220.0f << 440.0f;
    QTest::newRow("6") << 6 << 6600.0f << 264.0f << 528.0f;
    QTest::newRow("7") << 7 << 7700.0f << 308.0f << 616.0f;
    QTest::newRow("8") << 8 << 8800.0f << 352.0f << 704.0f;
    QTest::newRow("9, Pluton") << 9 << 9900.0f << 396.0f << 792.0f;
}

void TstChampOrbital::vue() {
    QFETCH(int, champ);
    QFETCH(float, echelle);
    QFETCH(float, planete);
    QFETCH(float, soleil);
    const ChampOrbital::Vue v = ChampOrbital::vue(systemeDeTest(), champ);

    QCOMPARE(v.Echelle, echelle);
    QCOMPARE(v.coinHautGauche, QPointF(-echelle, echelle));
    QCOMPARE(v.coinBasDroit, QPointF(echelle, -echelle));
    for (int i = 1; i < NbAstres; ++i) {
        const ChampOrbital::TailleDisque& d = v.tailles[i];
        QCOMPARE(d.Width, planete);
        QCOMPARE(d.Height, planete);
        QCOMPARE(d.DecalX, -planete / 2);
        QCOMPARE(d.DecalY, planete / 2);
    }
    // The Sun is sized in full first, then reduced from that: never twice.
    QCOMPARE(v.tailles[Soleil].Width, champ > 4 ? soleil * 4 : soleil);
    const ChampOrbital::TailleDisque s = v.soleilReduit.value_or(v.tailles[Soleil]);
    QCOMPARE(v.soleilReduit.has_value(), champ > 4);
    QCOMPARE(s.Width, soleil);
    QCOMPARE(s.Height, soleil);
    QCOMPARE(s.DecalX, -soleil / 2);
    QCOMPARE(s.DecalY, soleil / 2);
    for (int i = 0; i <= DernierePlanete; ++i) {
        QVERIFY2(v.visibles[i] == (i <= champ), qPrintable(QString::number(i)));
    }
}

void TstChampOrbital::echelleEnDoublePrecision() {
    Astres astres;
    astres[2].RayonOrbite = 108209475.0f;
    // Multiplied in single precision it would be 119030424.
    QCOMPARE(ChampOrbital::echelle(astres, 2), 119030416.0f);
}

void TstChampOrbital::luneSelonLeChamp_data() {
    QTest::addColumn<int>("champ");
    QTest::addColumn<bool>("luneOn");
    QTest::addColumn<bool>("possible");
    QTest::addColumn<int>("visible"); // -1: left as it is

    for (int champ : {1, 2}) {
        QTest::addRow("champ %d, Lune voulue", champ) << champ << true << false << -1;
        QTest::addRow("champ %d, Lune cachée", champ) << champ << false << false << -1;
    }
    for (int champ : {3, 4, 9}) {
        QTest::addRow("champ %d, Lune voulue", champ) << champ << true << true << 1;
        QTest::addRow("champ %d, Lune cachée", champ) << champ << false << true << 0;
    }
}

void TstChampOrbital::luneSelonLeChamp() {
    QFETCH(int, champ);
    QFETCH(bool, luneOn);
    QFETCH(bool, possible);
    QFETCH(int, visible);
    Systeme s = systemeDeTest();
    s.LuneOn = luneOn;
    const ChampOrbital::Vue v = ChampOrbital::vue(s, champ);
    QCOMPARE(v.lunePossible, possible);
    QCOMPARE(v.luneVisible.has_value() ? int(*v.luneVisible) : -1, visible);
}

void TstChampOrbital::legendes() {
    Systeme s = systemeDeTest();
    QCOMPARE(ChampOrbital::vue(s, 6).course, QStringLiteral("Distance parcourue par Astre6"));
    QCOMPARE(ChampOrbital::legendeOrbite(s.astres, 6), QStringLiteral("Champ orbital : Astre6"));
    // LbVit keeps its text while the clock is stopped.
    QVERIFY(!ChampOrbital::vue(s, 6).vitesse);
    s.EnMarche = true;
    QCOMPARE(ChampOrbital::vue(s, 6).vitesse, QStringLiteral("106"));
}

QTEST_GUILESS_MAIN(TstChampOrbital)
#include "tst_champorbital.moc"
