// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The command panel as the window applies it, then traces, the Moon and the planets'
// names drawn.

#include "AideFenetre.h"

#include <QPainter>
#include <cmath>

using namespace AideFenetre;

class TestSuperpositions : public QObject {
    Q_OBJECT

private slots:
    void panneau_data();
    void panneau();
    void tracesALEcran();
    void luneParaitAussitotPresDeLaTerre_data();
    void luneParaitAussitotPresDeLaTerre();
    void nomsPlacesPresDeLeurAstre_data();
    void nomsPlacesPresDeLeurAstre();
};

namespace {

void clic(QPushButton* b) {
    QTest::mouseClick(b, Qt::LeftButton);
}

QRect autourDe(const QPointF& centre, int rayon) {
    const QPoint c = centre.toPoint();
    return QRect(c.x() - rayon, c.y() - rayon, 2 * rayon + 1, 2 * rayon + 1);
}

QStringList nomsVisibles(const Sidrane& f) {
    QStringList noms;
    for (int i = 0; i < NbAstres; ++i) {
        if (f.cosmos()->nom(i)->isVisible()) {
            noms << f.cosmos()->nom(i)->text();
        }
    }
    return noms;
}

QStringList nomsJusquA(const Sidrane& f, int champ) {
    QStringList noms;
    for (int i = 1; i <= champ; ++i) {
        noms << f.moteur().etat().astres[i].Nom;
    }
    return noms;
}

// The panel in one line: each button, + or - for enabled, and its caption; the names
// shown; the timer; the speed and date read-outs.
QString decritPanneau(const Sidrane& f) {
    const Tablecom* t = f.tablecom();
    QStringList l;
    for (const QPushButton* b :
         {t->CmdStart, t->CmdDebut, t->CmdTrace, t->CmdCls, t->CmdLune, t->CmdAffNom}) {
        l << (b->isEnabled() ? u'+' : u'-') + b->text();
    }
    l << QStringLiteral("noms : ") + nomsVisibles(f).join(u' ');
    l << QStringLiteral("temps %1, vitesse %2, date %3")
             .arg(f.intervalleTemps())
             .arg(t->LbVit->text(), t->LbTemps->text());
    return l.join(QStringLiteral(" | "));
}

} // namespace

// Each control shows its part of the orrery's picture.
void TestSuperpositions::panneau_data() {
    QTest::addColumn<QStringList>("clics");
    QTest::addColumn<QString>("attendu");
    const QString arret = "temps 0, vitesse 0, date 01/01/2025";
    QTest::newRow("au départ")
        << QStringList()
        << "+Démarrer | -Début | -Montrer la trace des planètes | -Effacer les "
           "traces | +Montrer la Lune | +Afficher Noms planètes | noms :  | " +
               arret;
    // Asked for while running, the names stop the clock but keep the traces button.
    QTest::newRow("noms demandés en marche")
        << QStringList{"CmdStart", "CmdAffNom"}
        << "+Démarrer | +Début | +Montrer la trace des planètes | -Effacer les traces | +Montrer "
           "la Lune | +Masquer noms planètes | noms : Mercure Vénus Terre | " +
               arret;
    QTest::newRow("trace et Lune")
        << QStringList{"CmdStart", "CmdTrace", "CmdLune"}
        << "+Arrêter | +Début | +Suspendre la trace des planètes | +Effacer les traces | "
           "+Cacher la Lune | +Afficher Noms planètes | noms :  | temps 20, vitesse 2573, date "
           "01/01/2025";
}

void TestSuperpositions::panneau() {
    QFETCH(QStringList, clics);
    QFETCH(QString, attendu);
    auto f = ouvre();
    QVERIFY(f);
    // Slow enough that no tick comes between the clicks and the reading.
    f->tablecom()->Tp->choisitCran(1);
    for (const QString& nom : clics) {
        clic(f->tablecom()->findChild<QPushButton*>(nom));
    }
    QString panneau = decritPanneau(*f);
    QCOMPARE(panneau.replace(QRegularExpression(QStringLiteral("date ../01/2025")),
                             QStringLiteral("date 01/01/2025")),
             attendu);
}

// On the screen: each planet leaves rings in its colour; erased, none stays.
void TestSuperpositions::tracesALEcran() {
    auto f = ouvre();
    QVERIFY(f);
    const Tablecom* t = f->tablecom();
    clic(t->CmdStart);
    clic(t->CmdTrace);
    QTRY_VERIFY_WITH_TIMEOUT(f->moteur().etat().Jours >= 5, 2000);
    clic(t->CmdStart);
    QImage vue = ecran(*f);
    // Mercury, Venus and the Earth in the data file's colours.
    const QList<QColor> couleurs{{160, 160, 160}, {240, 220, 150}, {50, 130, 255}};
    for (int i = 1; i <= Terre; ++i) {
        const QPointF centre = f->cosmos()->rectanglePixels(i).center();
        QVERIFY2(teinteDe(vue, autourDe(centre, 4), couleurs[i - 1]),
                 qPrintable(f->moteur().etat().astres[i].Nom));
    }
    // Outside the discs, the rings; erased, black again.
    auto horsDisques = [&f](QImage image) {
        QPainter p(&image);
        for (int i = 0; i <= Terre; ++i) {
            p.fillRect(f->cosmos()->rectanglePixels(i).toAlignedRect().adjusted(-2, -2, 2, 2),
                       Qt::black);
        }
        p.end();
        return nonNoirs(image);
    };
    QVERIFY(horsDisques(vue) > 50);
    clic(t->CmdCls);
    QCOMPARE(horsDisques(ecran(*f)), 0);
}

void TestSuperpositions::luneParaitAussitotPresDeLaTerre_data() {
    QTest::addColumn<int>("champ");
    QTest::newRow("Terre") << 3;
    QTest::newRow("Pluton") << 9;
}

void TestSuperpositions::luneParaitAussitotPresDeLaTerre() {
    QFETCH(int, champ);
    auto f = ouvre();
    QVERIFY(f);
    clique(f->tablecom()->CO, milieuDuCran(champ, 215));
    QCOMPARE(f->moteur().etat().Champ, champ);
    QPushButton* lune = f->tablecom()->CmdLune;
    clic(lune);
    QCOMPARE(lune->text(), QStringLiteral("Cacher la Lune"));
    QVERIFY(f->cosmos()->forme(Lune).Visible);
    // The Moon's disc hangs from its top-left corner, one Moon orbit from the Earth's centre.
    const Systeme& s = f->moteur().etat();
    const Astre& l = s.astres[Lune];
    const double a = double(l.Angle) * s.DegRad;
    const QPointF attendu(s.astres[Terre].PosX + l.RayonOrbite * std::cos(a),
                          s.astres[Terre].PosY + l.RayonOrbite * std::sin(a));
    const QPointF coin = f->cosmos()->versPixels().map(attendu);
    const QPointF place = f->cosmos()->rectanglePixels(Lune).topLeft();
    QVERIFY(std::hypot(place.x() - coin.x(), place.y() - coin.y()) < 0.01);
    const double ecart = l.RayonOrbite * f->cosmos()->versPixels().m11();
    const QPointF terre = f->cosmos()->rectanglePixels(Terre).center();
    QVERIFY(qAbs(std::hypot(place.x() - terre.x(), place.y() - terre.y()) - ecart) < 0.01);

    clic(lune);
    QCOMPARE(lune->text(), QStringLiteral("Montrer la Lune"));
    QVERIFY(!f->cosmos()->forme(Lune).Visible);
    QVERIFY(!f->moteur().etat().LuneOn);
}

void TestSuperpositions::nomsPlacesPresDeLeurAstre_data() {
    QTest::addColumn<int>("champ");
    QTest::newRow("Terre") << 3;
    QTest::newRow("Pluton") << 9;
}

void TestSuperpositions::nomsPlacesPresDeLeurAstre() {
    QFETCH(int, champ);
    auto f = ouvre();
    QVERIFY(f);
    clique(f->tablecom()->CO, milieuDuCran(champ, 215));
    clic(f->tablecom()->CmdAffNom);
    QCOMPARE(nomsVisibles(*f), nomsJusquA(*f, champ));
    const double pixelsParKm = f->cosmos()->versPixels().m11();
    for (int i = 1; i <= champ; ++i) {
        const QPointF centre = f->cosmos()->rectanglePixels(i).center();
        const QPoint coin = f->cosmos()->nom(i)->pos();
        // The giants carry their names below, the others above; all to the right.
        const bool dessous = i >= 5 && i <= 8;
        const QString nom = f->moteur().etat().astres[i].Nom;
        QVERIFY2(dessous ? coin.y() > centre.y() : coin.y() < centre.y(), qPrintable(nom));
        const double droite = f->moteur().etat().Echelle / (dessous ? 25 : 50) * pixelsParKm;
        QVERIFY2(qAbs(coin.x() - (centre.x() + droite)) <= 0.5, qPrintable(nom));
    }
}

QTEST_MAIN(TestSuperpositions)
#include "tst_superpositions.moc"
