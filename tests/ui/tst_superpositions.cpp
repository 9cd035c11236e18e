// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The command panel as the window applies it, then traces, the Moon and the planets'
// names drawn.

#include "AideFenetre.h"

#include <cmath>

using namespace AideFenetre;

class TestSuperpositions : public QObject {
    Q_OBJECT

private slots:
    void panneau_data();
    void panneau();
    void tracesLaissentDesCerclesEffacesParCls();
    void clsPendantLaTrace();
    void luneParaitAussitotPresDeLaTerre_data();
    void luneParaitAussitotPresDeLaTerre();
    void luneGardeSaVisibiliteDansLesChampsProches();
    void nomsPlacesPresDeLeurAstre_data();
    void nomsPlacesPresDeLeurAstre();
    void nomsApresChangementDeChamp();
};

namespace {

const QString Masquer = QStringLiteral("Masquer noms planètes");
const QString Afficher = QStringLiteral("Afficher noms planètes");

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
        noms << f.etat().astres[i].Nom;
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

void TestSuperpositions::panneau_data() {
    QTest::addColumn<QStringList>("clics"); // buttons, and "tic" for a clock tick
    QTest::addColumn<QString>("attendu");
    const QString debut = "-Début | -Montrer la trace des planètes | -Effacer les traces | "
                          "+Montrer la Lune | ";
    const QString arret = "temps 0, vitesse 0, date 01/01/2025";
    QTest::newRow("au départ") << QStringList()
                               << "+Démarrer | " + debut + "+Afficher Noms planètes | noms :  | " +
                                      arret;
    QTest::newRow("en marche")
        << QStringList{"CmdStart"}
        << "+Arrêter | +Début | +Montrer la trace des planètes | -Effacer les traces | +Montrer "
           "la Lune | +Afficher Noms planètes | noms :  | temps 20, vitesse 2573, date 01/01/2025";
    QTest::newRow("arrêt puis début")
        << QStringList{"CmdStart", "tic", "CmdStart", "CmdDebut"}
        << "+Démarrer | " + debut + "+Afficher Noms planètes | noms :  | " + arret;
    QTest::newRow("noms à l'arrêt")
        << QStringList{"CmdAffNom"}
        << "+Démarrer | " + debut + "+Masquer noms planètes | noms : Mercure Vénus Terre | " +
               arret;
    QTest::newRow("noms cachés") << QStringList{"CmdAffNom", "CmdAffNom"}
                                 << "+Démarrer | " + debut +
                                        "+Afficher noms planètes | noms :  | " + arret;
    // Asked for while running, the names stop the clock but keep the traces button.
    QTest::newRow("noms demandés en marche")
        << QStringList{"CmdStart", "tic", "CmdAffNom"}
        << "+Démarrer | +Début | +Montrer la trace des planètes | -Effacer les traces | +Montrer "
           "la Lune | +Masquer noms planètes | noms : Mercure Vénus Terre | temps 0, vitesse 0, "
           "date 02/01/2025";
    QTest::newRow("démarrer cache les noms")
        << QStringList{"CmdAffNom", "CmdStart"}
        << "+Arrêter | +Début | +Montrer la trace des planètes | -Effacer les traces | +Montrer "
           "la Lune | +Afficher noms planètes | noms :  | temps 20, vitesse 2573, date 01/01/2025";
    QTest::newRow("trace")
        << QStringList{"CmdStart", "CmdTrace"}
        << "+Arrêter | +Début | +Suspendre la trace des planètes | +Effacer les traces | "
           "+Montrer la Lune | +Afficher Noms planètes | noms :  | temps 20, vitesse 2573, date "
           "01/01/2025";
}

void TestSuperpositions::panneau() {
    QFETCH(QStringList, clics);
    QFETCH(QString, attendu);
    auto f = ouvre();
    QVERIFY(f);
    for (const QString& nom : clics) {
        if (nom == QLatin1String("tic")) {
            f->temps_Timer();
        } else {
            clic(f->tablecom()->findChild<QPushButton*>(nom));
        }
    }
    QCOMPARE(decritPanneau(*f), attendu);
    QCOMPARE(f->etat().DateDebut.daysTo(f->etat().DateCour), qint64(f->etat().Jours));
}

void TestSuperpositions::tracesLaissentDesCerclesEffacesParCls() {
    auto f = ouvre();
    QVERIFY(f);
    const Tablecom* t = f->tablecom();
    clic(t->CmdStart);
    clic(t->CmdTrace);
    QCOMPARE(t->CmdTrace->text(), QStringLiteral("Suspendre la trace des planètes"));
    QVERIFY(t->CmdCls->isEnabled());
    for (int i = 0; i < 5; ++i) {
        f->temps_Timer();
    }
    const QImage& traces = f->cosmos()->traces();
    // Mercury, Venus and the Earth in the data file's colours.
    const QList<QColor> couleurs{{160, 160, 160}, {240, 220, 150}, {50, 130, 255}};
    for (int i = 1; i <= Terre; ++i) {
        const QPointF centre = f->cosmos()->rectanglePixels(i).center();
        QVERIFY2(teinteDe(traces, autourDe(centre, 4), couleurs[i - 1]),
                 qPrintable(f->etat().astres[i].Nom));
    }
    // Switched off, the traces already drawn stay and can still be erased.
    clic(t->CmdTrace);
    QCOMPARE(t->CmdTrace->text(), QStringLiteral("Montrer la trace des planètes"));
    const int avant = nonNoirs(traces);
    QVERIFY(avant > 0);
    f->temps_Timer();
    QCOMPARE(nonNoirs(traces), avant);
    QVERIFY(t->CmdCls->isEnabled());
    clic(t->CmdCls);
    QCOMPARE(nonNoirs(f->cosmos()->traces()), 0);
    QVERIFY(!t->CmdCls->isEnabled());
    QVERIFY(!f->etat().TraceOn);
}

void TestSuperpositions::clsPendantLaTrace() {
    auto f = ouvre();
    QVERIFY(f);
    const Tablecom* t = f->tablecom();
    clic(t->CmdStart);
    clic(t->CmdTrace);
    f->temps_Timer();
    clic(t->CmdCls);
    QCOMPARE(nonNoirs(f->cosmos()->traces()), 0);
    QVERIFY(f->etat().TraceOn);
    QVERIFY(!t->CmdCls->isEnabled());
    f->temps_Timer();
    QVERIFY(nonNoirs(f->cosmos()->traces()) > 0);
    QVERIFY(!t->CmdCls->isEnabled());
    // A reset neither erases the traces nor stops them.
    const int avant = nonNoirs(f->cosmos()->traces());
    clic(t->CmdDebut);
    QVERIFY(nonNoirs(f->cosmos()->traces()) >= avant);
    QVERIFY(f->etat().TraceOn);
    QVERIFY(!t->CmdTrace->isEnabled());
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
    clique(f->tablecom()->CO->piste(), milieuDuCran(champ, 215));
    QCOMPARE(f->etat().Champ, champ);
    QPushButton* lune = f->tablecom()->CmdLune;
    clic(lune);
    QCOMPARE(lune->text(), QStringLiteral("Cacher la Lune"));
    QVERIFY(f->cosmos()->forme(Lune).Visible);
    // The Moon's disc hangs from its top-left corner, one Moon orbit from the Earth's centre.
    const Systeme& s = f->etat();
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
    QVERIFY(!f->etat().LuneOn);
}

void TestSuperpositions::luneGardeSaVisibiliteDansLesChampsProches() {
    auto f = ouvre();
    QVERIFY(f);
    clic(f->tablecom()->CmdLune);
    for (int champ : {2, 1}) {
        clique(f->tablecom()->CO->piste(), milieuDuCran(champ, 215));
        QVERIFY(!f->tablecom()->CmdLune->isEnabled());
        QVERIFY(f->cosmos()->forme(Lune).Visible);
        QVERIFY(f->etat().LuneOn);
    }
    clique(f->tablecom()->CO->piste(), milieuDuCran(4, 215));
    QVERIFY(f->tablecom()->CmdLune->isEnabled());
    QVERIFY(f->cosmos()->forme(Lune).Visible);
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
    clique(f->tablecom()->CO->piste(), milieuDuCran(champ, 215));
    clic(f->tablecom()->CmdAffNom);
    QCOMPARE(nomsVisibles(*f), nomsJusquA(*f, champ));
    const double pixelsParKm = f->cosmos()->versPixels().m11();
    for (int i = 1; i <= champ; ++i) {
        const QPointF centre = f->cosmos()->rectanglePixels(i).center();
        const QPoint coin = f->cosmos()->nom(i)->pos();
        // The giants carry their names below, the others above; all to the right.
        const bool dessous = i >= 5 && i <= 8;
        const QString nom = f->etat().astres[i].Nom;
        QVERIFY2(dessous ? coin.y() > centre.y() : coin.y() < centre.y(), qPrintable(nom));
        const double droite = f->etat().Echelle / (dessous ? 25 : 50) * pixelsParKm;
        QVERIFY2(qAbs(coin.x() - (centre.x() + droite)) <= 0.5, qPrintable(nom));
    }
}

void TestSuperpositions::nomsApresChangementDeChamp() {
    auto f = ouvre();
    QVERIFY(f);
    QPushButton* noms = f->tablecom()->CmdAffNom;
    clic(noms);
    clique(f->tablecom()->CO->piste(), milieuDuCran(5, 215));
    QVERIFY(nomsVisibles(*f).isEmpty());
    QVERIFY(f->etat().NomsOn);
    QCOMPARE(noms->text(), Masquer);
    clic(noms);
    QVERIFY(nomsVisibles(*f).isEmpty());
    QCOMPARE(noms->text(), Afficher);
    clic(noms);
    QCOMPARE(nomsVisibles(*f), nomsJusquA(*f, 5));
    const QPointF jupiter = f->cosmos()->rectanglePixels(5).center();
    QVERIFY(f->cosmos()->nom(5)->y() > jupiter.y());
}

QTEST_MAIN(TestSuperpositions)
#include "tst_superpositions.moc"
