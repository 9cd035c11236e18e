// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The clock as the window runs it: the timer's own ticks move the date on the screen.

#include "AideFenetre.h"

using namespace AideFenetre;

class TestHorlogeFenetre : public QObject {
    Q_OBJECT

private slots:
    void letempsPasseSeul() {
        auto f = ouvre();
        QVERIFY(f);
        const Tablecom* t = f->tablecom();
        const QPointF terre = f->cosmos()->rectanglePixels(Terre).center();
        QTest::mouseClick(t->CmdStart, Qt::LeftButton);
        QCOMPARE(f->intervalleTemps(), 20);
        // A few ticks of 20 ms, each a day: the date and the Earth move by themselves.
        QTRY_VERIFY_WITH_TIMEOUT(f->moteur().etat().Jours >= 4, 2000);
        QCOMPARE(t->LbTemps->text(),
                 f->moteur().etat().DateCour().toString(QStringLiteral("dd/MM/yyyy")));
        QVERIFY(f->cosmos()->rectanglePixels(Terre).center() != terre);
        QCOMPARE(t->LbVit->text(), QStringLiteral("2573"));
        QTest::mouseClick(t->CmdStart, Qt::LeftButton);
        QCOMPARE(f->intervalleTemps(), 0);
        const QString arret = t->LbTemps->text();
        QTest::qWait(100);
        QCOMPARE(t->LbTemps->text(), arret);
        QCOMPARE(t->LbVit->text(), QStringLiteral("0"));
        QTest::mouseClick(t->CmdDebut, Qt::LeftButton);
        QCOMPARE(t->LbTemps->text(), QStringLiteral("01/01/2025"));
        QCOMPARE(f->cosmos()->rectanglePixels(Terre).center(), terre);
    }

    // The speed knob dragged and released off its track: the speed is the one it shows.
    void vitesseLacheeHorsDeLaPiste() {
        auto f = ouvre();
        QVERIFY(f);
        Glissiere* tp = f->tablecom()->Tp;
        presse(tp, milieuDuCran(1, 161));
        glisse(tp, milieuDuCran(10, 161));
        QCOMPARE(f->moteur().etat().Pas(), 1);
        QTest::mouseRelease(tp, Qt::LeftButton, Qt::NoModifier, QPoint(milieuDuCran(10, 161), 60));
        QCOMPARE(tp->cran(), 10);
        QCOMPARE(f->moteur().etat().Pas(), 40);
    }
};

QTEST_MAIN(TestHorlogeFenetre)
#include "tst_horloge_fenetre.moc"
