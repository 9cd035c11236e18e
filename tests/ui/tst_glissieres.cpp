// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The two sliders driven with the mouse on their tracks, with the keys and through
// their accessible value: the orbital field and the speed.

#include "AideFenetre.h"

#include <QAccessible>

using namespace AideFenetre;

class TestGlissieres : public QObject {
    Q_OBJECT

private slots:
    void clicChoisitLeChamp_data();
    void clicChoisitLeChamp();
    void clicAuxBordsDuChamp_data();
    void clicAuxBordsDuChamp();
    void glisserChangeDeChampAChaqueZone();
    void deplacementSansPressionNeFaitRien_data();
    void deplacementSansPressionNeFaitRien();
    void clicChoisitLaVitesse_data();
    void clicChoisitLaVitesse();
    void glisserHorsDeLaPisteNePrendPasLaVitesse();
    void glisserAuDelaDeLaCourseLaisseLeBouton();
    void toucheAgitCommeUnClicAuMilieuDuCran_data();
    void toucheAgitCommeUnClicAuMilieuDuCran();
    void valeurAccessibleChoisitLeCran();
};

namespace {

constexpr int CranCO = 215;
constexpr int CranTp = 161;

PisteGlissiere* pisteCO(const Sidrane& f) {
    return f.tablecom()->CO->piste();
}

PisteGlissiere* pisteTp(const Sidrane& f) {
    return f.tablecom()->Tp->piste();
}

} // namespace

void TestGlissieres::clicChoisitLeChamp_data() {
    QTest::addColumn<int>("champ");
    QTest::addColumn<QString>("nom");
    int champ = 0;
    for (const char* nom : {"Mercure", "Vénus", "Terre", "Mars", "Jupiter", "Saturne", "Uranus",
                            "Neptune", "Pluton"}) {
        QTest::newRow(nom) << ++champ << QString::fromUtf8(nom);
    }
}

void TestGlissieres::clicChoisitLeChamp() {
    QFETCH(int, champ);
    QFETCH(QString, nom);
    auto f = ouvre();
    QVERIFY(f);
    const float diametreSoleil = f->etat().astres[Soleil].Diametre;
    Espion espion(*f, pisteCO(*f));
    const QWidget* focus = f->focusWidget();
    clique(pisteCO(*f), milieuDuCran(champ, CranCO));
    // The mouse moves the knob and leaves the keyboard focus where it was.
    QCOMPARE(f->focusWidget(), focus);

    // The release redraws the old field, the click the new one.
    QCOMPARE(espion.journal(), QStringLiteral("D3 U3* C%1*").arg(champ));
    const Systeme& s = f->etat();
    QCOMPARE(s.Champ, champ);
    QCOMPARE(f->tablecom()->LbOrbite->text(), "Champ orbital : " + nom);
    QCOMPARE(f->tablecom()->LabCourse->text(), "Distance parcourue par " + nom);
    QVERIFY(!s.GlisseCO);
    QCOMPARE(s.Echelle, EchellesLivrees[champ]);
    for (int i = 0; i <= DernierePlanete; ++i) {
        QVERIFY2(f->cosmos()->forme(i).Visible == (i <= champ), qPrintable(QString::number(i)));
    }
    QVERIFY(!f->cosmos()->forme(Lune).Visible);
    QCOMPARE(f->tablecom()->CmdLune->isEnabled(), champ > 2);
    // A disc keeps its share of the area; beyond Mars the Sun shrinks to a quarter.
    const double soleil = diametreSoleil * 777.0 / 570 / (champ > 4 ? 4 : 1);
    QVERIFY(qAbs(f->cosmos()->rectanglePixels(Soleil).width() - soleil) < 1e-3);
    const QPointF centre = f->cosmos()->rectanglePixels(Soleil).center();
    QVERIFY(qAbs(centre.x() - 388.5) < 0.01 && qAbs(centre.y() - 388.5) < 0.01);
}

void TestGlissieres::clicAuxBordsDuChamp_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<Qt::MouseButton>("bouton");
    QTest::addColumn<int>("champ");
    QTest::addColumn<double>("gaucheBouton");
    QTest::addColumn<QString>("journal");
    const double initial = 852.5;
    // Pixels of 15 twips: dead margins below 75 and above 2295, knob travel 218..2152.
    QTest::newRow("marge gauche") << 4 << Qt::LeftButton << 3 << initial << "D3 U3* C3*";
    QTest::newRow("marge droite") << 154 << Qt::LeftButton << 3 << initial << "D3 U3* C3*";
    QTest::newRow("avant la course") << 5 << Qt::LeftButton << 1 << 315.5 << "D3 U3* C1*";
    QTest::newRow("apres la course") << 153 << Qt::LeftButton << 9 << 2249.5 << "D3 U3* C9*";
    QTest::newRow("bouton droit") << 80 << Qt::RightButton << 5 << 1297.5 << "D3 U3* C5*";
    QTest::newRow("bouton du milieu") << 80 << Qt::MiddleButton << 5 << 1297.5 << "D3 U3* C5*";
}

void TestGlissieres::clicAuxBordsDuChamp() {
    QFETCH(int, x);
    QFETCH(Qt::MouseButton, bouton);
    QFETCH(int, champ);
    QFETCH(double, gaucheBouton);
    QFETCH(QString, journal);
    auto f = ouvre();
    QVERIFY(f);
    Espion espion(*f, pisteCO(*f));
    presse(pisteCO(*f), x, bouton);
    QCOMPARE(f->tablecom()->CO->gaucheBouton(), gaucheBouton);
    QCOMPARE(f->etat().Champ, 3);
    relache(pisteCO(*f), x, bouton);
    QCOMPARE(espion.journal(), journal);
    QCOMPARE(f->etat().Champ, champ);
    QCOMPARE(f->tablecom()->CO->gaucheBouton(), gaucheBouton);
}

void TestGlissieres::glisserChangeDeChampAChaqueZone() {
    auto f = ouvre();
    QVERIFY(f);
    PisteGlissiere* piste = pisteCO(*f);
    Espion espion(*f, piste);
    presse(piste, milieuDuCran(3, CranCO));
    glisse(piste, milieuDuCran(3, CranCO) + 3);
    glisse(piste, milieuDuCran(4, CranCO));
    QCOMPARE(f->tablecom()->LbOrbite->text(), QStringLiteral("Champ orbital : Mars"));
    glisse(piste, milieuDuCran(4, CranCO) - 2);
    glisse(piste, milieuDuCran(6, CranCO));
    const double gauche = f->tablecom()->CO->gaucheBouton();
    // Beyond the travel the knob stays where the pointer last was inside it.
    glisse(piste, 150);
    glisse(piste, 2);
    QCOMPARE(f->tablecom()->CO->gaucheBouton(), gauche);
    relache(piste, 2);
    QCOMPARE(espion.journal(), QStringLiteral("D3 M3 M4* M4 M6* M6 M6 U6* C6*"));
    QCOMPARE(f->etat().Champ, 6);
    QCOMPARE(f->tablecom()->LbOrbite->text(), QStringLiteral("Champ orbital : Saturne"));
}

void TestGlissieres::deplacementSansPressionNeFaitRien_data() {
    QTest::addColumn<QString>("glissiere");
    QTest::addColumn<double>("gaucheBouton");
    // Start-up: field 3 in notches of 215 twips, speed 1 in notches of 161, from 240 + 75.
    QTest::newRow("champ") << "CO" << 852.5;
    QTest::newRow("vitesse") << "Tp" << 395.5;
}

void TestGlissieres::deplacementSansPressionNeFaitRien() {
    QFETCH(QString, glissiere);
    QFETCH(double, gaucheBouton);
    auto f = ouvre();
    QVERIFY(f);
    Glissiere* g = glissiere == QLatin1String("CO") ? f->tablecom()->CO : f->tablecom()->Tp;
    PisteGlissiere* piste = g->piste();
    // The track does not track the mouse; a move with a button held but pressed
    // elsewhere reaches it, and so does one after a press in a dead margin: neither
    // drags the knob.
    glisse(piste, 80, Qt::NoButton);
    QCOMPARE(g->gaucheBouton(), gaucheBouton);
    glisse(piste, 90, Qt::LeftButton);
    QCOMPARE(g->gaucheBouton(), gaucheBouton);
    presse(piste, 4);
    glisse(piste, 100);
    QCOMPARE(g->gaucheBouton(), gaucheBouton);
    relache(piste, 100);
    QCOMPARE(g->gaucheBouton(), gaucheBouton);
    QCOMPARE(f->etat().Champ, 3);
    QCOMPARE(f->etat().Pas, 1);
}

void TestGlissieres::clicChoisitLaVitesse_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<Qt::MouseButton>("bouton");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("pas");
    // Each row starts from position 5 (6 days per tick), taken by a click near x = 1000 twips.
    QTest::newRow("x = 1005") << 67 << Qt::LeftButton << 5 << 6;
    QTest::newRow("avant la course") << 7 << Qt::LeftButton << 1 << 1;
    QTest::newRow("bout droit") << 150 << Qt::LeftButton << 12 << 100;
    QTest::newRow("fin de course") << 144 << Qt::LeftButton << 12 << 100;
    QTest::newRow("cran 8") << milieuDuCran(8, CranTp) << Qt::LeftButton << 8 << 15;
    QTest::newRow("cran 11") << milieuDuCran(11, CranTp) << Qt::LeftButton << 11 << 60;
    QTest::newRow("marge gauche") << 4 << Qt::LeftButton << 5 << 6;
    QTest::newRow("marge droite") << 154 << Qt::LeftButton << 5 << 6;
    QTest::newRow("bouton droit") << milieuDuCran(3, CranTp) << Qt::RightButton << 3 << 3;
}

void TestGlissieres::clicChoisitLaVitesse() {
    QFETCH(int, x);
    QFETCH(Qt::MouseButton, bouton);
    QFETCH(int, position);
    QFETCH(int, pas);
    auto f = ouvre();
    QVERIFY(f);
    clique(pisteTp(*f), 67);
    QCOMPARE(f->etat().Pas, 6);
    presse(pisteTp(*f), x, bouton);
    QCOMPARE(f->etat().Pas, 6); // the press only moves the knob
    relache(pisteTp(*f), x, bouton);
    QCOMPARE(f->etat().IndVitesse, position);
    QCOMPARE(f->etat().Pas, pas);
    QVERIFY(!f->etat().GlisseTp);
}

void TestGlissieres::glisserHorsDeLaPisteNePrendPasLaVitesse() {
    auto f = ouvre();
    QVERIFY(f);
    PisteGlissiere* piste = pisteTp(*f);
    presse(piste, milieuDuCran(1, CranTp));
    glisse(piste, milieuDuCran(10, CranTp));
    const double gauche = f->tablecom()->Tp->gaucheBouton();
    QTest::mouseRelease(piste, Qt::LeftButton, Qt::NoModifier,
                        QPoint(milieuDuCran(10, CranTp), piste->height() + 20));
    QCOMPARE(f->etat().Pas, 1);
    QVERIFY(!f->etat().GlisseTp);
    QCOMPARE(f->tablecom()->Tp->gaucheBouton(), gauche);
    // The next click reads the knob where the drag left it.
    clique(piste, 2);
    QCOMPARE(f->etat().Pas, 40);
}

void TestGlissieres::glisserAuDelaDeLaCourseLaisseLeBouton() {
    auto f = ouvre();
    QVERIFY(f);
    PisteGlissiere* piste = pisteTp(*f);
    presse(piste, milieuDuCran(3, CranTp));
    glisse(piste, milieuDuCran(5, CranTp));
    glisse(piste, 150);
    relache(piste, 150);
    QCOMPARE(f->etat().Pas, 6);
    presse(piste, milieuDuCran(4, CranTp));
    glisse(piste, 3);
    relache(piste, 3);
    QCOMPARE(f->etat().Pas, 4);
}

void TestGlissieres::toucheAgitCommeUnClicAuMilieuDuCran_data() {
    QTest::addColumn<QString>("glissiere");
    QTest::addColumn<QList<int>>("touches");
    QTest::addColumn<int>("cran");
    QTest::addColumn<QString>("journal");
    QTest::addColumn<QString>("texte");
    using L = QList<int>;
    // The field starts in notch 3 (the Earth), the speed in notch 1 (1 day per tick).
    QTest::newRow("champ droite") << "CO" << L{Qt::Key_Right} << 4 << "D3 U3* C4*"
                                  << "Mars";
    QTest::newRow("champ haut") << "CO" << L{Qt::Key_Up} << 4 << "D3 U3* C4*"
                                << "Mars";
    QTest::newRow("champ gauche") << "CO" << L{Qt::Key_Left} << 2 << "D3 U3* C2*"
                                  << "Vénus";
    QTest::newRow("champ bas") << "CO" << L{Qt::Key_Down} << 2 << "D3 U3* C2*"
                               << "Vénus";
    QTest::newRow("champ debut") << "CO" << L{Qt::Key_Home} << 1 << "D3 U3* C1*"
                                 << "Mercure";
    // At an end a further key leaves the traces: no click where the knob already is.
    QTest::newRow("champ fin et au-dela")
        << "CO" << L{Qt::Key_End, Qt::Key_Right} << 9 << "D3 U3* C9*"
        << "Pluton";
    QTest::newRow("champ autre touche") << "CO" << L{Qt::Key_A} << 3 << ""
                                        << "Terre";
    // The speed never redraws the view.
    QTest::newRow("vitesse droite") << "Tp" << L{Qt::Key_Right} << 2 << "D3 U3 C3"
                                    << "2 jours par pas";
    QTest::newRow("vitesse aller retour")
        << "Tp" << L{Qt::Key_Right, Qt::Key_Left} << 1 << "D3 U3 C3 D3 U3 C3"
        << "1 jour par pas";
    QTest::newRow("vitesse debut") << "Tp" << L{Qt::Key_Home} << 1 << ""
                                   << "1 jour par pas";
    QTest::newRow("vitesse fin gauche")
        << "Tp" << L{Qt::Key_End, Qt::Key_Left} << 11 << "D3 U3 C3 D3 U3 C3"
        << "60 jours par pas";
}

void TestGlissieres::toucheAgitCommeUnClicAuMilieuDuCran() {
    QFETCH(QString, glissiere);
    QFETCH(QList<int>, touches);
    QFETCH(int, cran);
    QFETCH(QString, journal);
    QFETCH(QString, texte);
    auto f = ouvre();
    QVERIFY(f);
    const bool champ = glissiere == QLatin1String("CO");
    Glissiere* g = champ ? f->tablecom()->CO : f->tablecom()->Tp;
    Espion espion(*f, g->piste());
    for (int cle : touches) {
        QTest::keyClick(g->piste(), Qt::Key(cle));
    }
    QCOMPARE(espion.journal(), journal);
    // The knob stands where start-up places it for that notch.
    const int largeur = champ ? CranCO : CranTp;
    QCOMPARE(g->gaucheBouton(), 240 + 75 + (cran - 0.5) * largeur);
    const Systeme& s = f->etat();
    if (champ) {
        QCOMPARE(s.Champ, cran);
        QCOMPARE(f->tablecom()->LbOrbite->text(), "Champ orbital : " + texte);
        QCOMPARE(s.Echelle, EchellesLivrees[cran]);
    } else {
        QCOMPARE(s.IndVitesse, cran);
        QCOMPARE(s.Pas, s.TabVitesse[cran]);
    }
    QVERIFY(!s.GlisseCO && !s.GlisseTp);
    QAccessibleInterface* acces = QAccessible::queryAccessibleInterface(g->piste());
    QCOMPARE(acces->role(), QAccessible::Slider);
    QCOMPARE(acces->valueInterface()->currentValue().toInt(), cran);
    QCOMPARE(acces->valueInterface()->minimumValue().toInt(), 1);
    QCOMPARE(acces->valueInterface()->maximumValue().toInt(), champ ? 9 : 12);
    QCOMPARE(acces->valueInterface()->minimumStepSize().toInt(), 1);
    QCOMPARE(acces->text(QAccessible::Value), texte);
}

void TestGlissieres::valeurAccessibleChoisitLeCran() {
    auto f = ouvre();
    QVERIFY(f);
    Espion espion(*f, pisteCO(*f));
    QAccessible::queryAccessibleInterface(pisteCO(*f))->valueInterface()->setCurrentValue(7);
    QCOMPARE(espion.journal(), QStringLiteral("D3 U3* C7*"));
    QCOMPARE(f->tablecom()->LbOrbite->text(), QStringLiteral("Champ orbital : Uranus"));
    QAccessible::queryAccessibleInterface(pisteTp(*f))->valueInterface()->setCurrentValue(99);
    QCOMPARE(f->etat().Pas, 100);
}

QTEST_MAIN(TestGlissieres)
#include "tst_glissieres.moc"
