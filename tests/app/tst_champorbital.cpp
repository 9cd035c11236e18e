// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The view of each orbital field, without a window: scale, disc sizes, which discs
// show, the Moon and its button, and the captions that name the field.

#include "ChampOrbital.h"
#include "Tableau.h"

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
    void vue_data() { Tableau::lignes(QStringLiteral("app/champs.txt")); }

    void vue() {
        QFETCH(QStringList, colonnes);
        const int champ = colonnes.value(0).toInt();
        const float echelle = colonnes.value(1).toFloat();
        const float planete = colonnes.value(2).toFloat();
        const float soleil = colonnes.value(3).toFloat();
        Systeme s = systemeDeTest();
        ChampOrbital::FixeEchelle(s, champ);

        QCOMPARE(s.Echelle, echelle);
        for (int i = 1; i < NbAstres; ++i) {
            QCOMPARE(s.ShSidrane[i].Width, planete);
            QCOMPARE(s.ShSidrane[i].Height, planete);
            QCOMPARE(s.astres[i].DecalX, -planete / 2);
            QCOMPARE(s.astres[i].DecalY, planete / 2);
        }
        // The Sun is sized in full first, then reduced from that: never twice.
        ChampOrbital::FixeEchelle(s, champ);
        QCOMPARE(s.ShSidrane[Soleil].Width, soleil);
        QCOMPARE(s.ShSidrane[Soleil].Height, soleil);
        QCOMPARE(s.astres[Soleil].DecalX, -soleil / 2);
        QCOMPARE(s.astres[Soleil].DecalY, soleil / 2);
        for (int i = 0; i <= DernierePlanete; ++i) {
            QVERIFY2(s.ShSidrane[i].Visible == (i <= champ), qPrintable(QString::number(i)));
        }
    }

    void echelleEnDoublePrecision() {
        Astres astres;
        astres[2].RayonOrbite = 108209475.0f;
        // Multiplied in single precision it would be 119030424.
        QCOMPARE(ChampOrbital::echelle(astres, 2), 119030416.0f);
    }

    void luneSelonLeChamp_data() {
        QTest::addColumn<int>("champ");
        QTest::addColumn<bool>("luneOn");
        QTest::addColumn<bool>("avant"); // the Moon's disc shown before
        QTest::addColumn<bool>("visible");

        // Below the Earth's field the Moon's disc is left as it was.
        for (int champ : {1, 2}) {
            QTest::addRow("champ %d, Lune voulue", champ) << champ << true << false << false;
            QTest::addRow("champ %d, Lune montrée", champ) << champ << false << true << true;
        }
        for (int champ : {3, 4, 9}) {
            QTest::addRow("champ %d, Lune voulue", champ) << champ << true << false << true;
            QTest::addRow("champ %d, Lune cachée", champ) << champ << false << true << false;
        }
    }

    void luneSelonLeChamp() {
        QFETCH(int, champ);
        QFETCH(bool, luneOn);
        QFETCH(bool, avant);
        QFETCH(bool, visible);
        Systeme s = systemeDeTest();
        s.LuneOn = luneOn;
        s.ShSidrane[Lune].Visible = avant;
        ChampOrbital::FixeEchelle(s, champ);
        QCOMPARE(s.ShSidrane[Lune].Visible, visible);
    }
};

QTEST_GUILESS_MAIN(TstChampOrbital)
#include "tst_champorbital.moc"
