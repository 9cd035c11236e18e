// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// What the drawing area shows over the bodies: traces, the Moon and the planets' names.

#include "AideFenetre.h"

#include <QPainter>
#include <cmath>

using namespace AideFenetre;

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

} // namespace

class TestSuperpositions : public QObject {
    Q_OBJECT

private slots:
    // On the screen: each planet leaves rings in its colour; erased, none stays.
    void tracesALEcran() {
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

    void luneParaitAussitotPresDeLaTerre_data() {
        QTest::addColumn<int>("champ");
        QTest::newRow("Terre") << 3;
        QTest::newRow("Pluton") << 9;
    }

    void luneParaitAussitotPresDeLaTerre() {
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

    void nomsPlacesPresDeLeurAstre_data() {
        QTest::addColumn<int>("champ");
        QTest::newRow("Terre") << 3;
        QTest::newRow("Pluton") << 9;
    }

    void nomsPlacesPresDeLeurAstre() {
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
};

QTEST_MAIN(TestSuperpositions)
#include "tst_superpositions.moc"
