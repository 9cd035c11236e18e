// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The clock driven from the window: start, stop, reset, ticks and the end of the calendar.

#include "AideFenetre.h"

#include <QTemporaryDir>

using namespace AideFenetre;

class TestHorlogeFenetre : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void dateSelonLaLangue_data();
    void dateSelonLaLangue();
    void ticksAvancentJoursEtDate();
    void nouveauPasAuTickSuivant();
    void changementDeChampEnMarche();
    void finDuCalendrier();
};

namespace {

void verifieInvariant(const Sidrane& f) {
    QCOMPARE(f.etat().DateDebut.daysTo(f.etat().DateCour), qint64(f.etat().Jours));
}

} // namespace

void TestHorlogeFenetre::cleanup() {
    QLocale::setDefault(QLocale::system());
}

void TestHorlogeFenetre::dateSelonLaLangue_data() {
    QTest::addColumn<QString>("langue");
    QTest::addColumn<QString>("depart");
    QTest::addColumn<QString>("lendemain");
    // Two-digit years in the short formats of en_US and de_DE: widened to four.
    QTest::newRow("en_US") << "en_US"
                           << "1/1/2025"
                           << "1/2/2025";
    QTest::newRow("de_DE") << "de_DE"
                           << "01.01.2025"
                           << "02.01.2025";
    QTest::newRow("fr_FR") << "fr_FR"
                           << "01/01/2025"
                           << "02/01/2025";
    // The bare locale of minimal systems writes its months in English: French instead.
    QTest::newRow("C") << "C"
                       << "01/01/2025"
                       << "02/01/2025";
}

void TestHorlogeFenetre::dateSelonLaLangue() {
    QFETCH(QString, langue);
    QFETCH(QString, depart);
    QFETCH(QString, lendemain);
    QLocale::setDefault(QLocale(langue));
    auto f = ouvre();
    QVERIFY(f);
    QCOMPARE(f->tablecom()->LbTemps->text(), depart);
    QTest::mouseClick(f->tablecom()->CmdStart, Qt::LeftButton);
    f->temps_Timer();
    QCOMPARE(f->tablecom()->LbTemps->text(), lendemain);
    QTest::mouseClick(f->tablecom()->CmdDebut, Qt::LeftButton);
    QCOMPARE(f->tablecom()->LbTemps->text(), depart);
}

void TestHorlogeFenetre::ticksAvancentJoursEtDate() {
    auto f = ouvre();
    QVERIFY(f);
    QTest::mouseClick(f->tablecom()->CmdStart, Qt::LeftButton);
    const QPointF terre = f->cosmos()->rectanglePixels(Terre).center();
    for (int i = 1; i <= 3; ++i) {
        f->temps_Timer();
        QCOMPARE(f->etat().Jours, i);
        QCOMPARE(f->tablecom()->LbTemps->text(), QStringLiteral("0%1/01/2025").arg(i + 1));
    }
    QVERIFY(f->cosmos()->rectanglePixels(Terre).center() != terre);
    // Paused, then started again: the count goes on from where it stopped.
    QTest::mouseClick(f->tablecom()->CmdStart, Qt::LeftButton);
    QTest::mouseClick(f->tablecom()->CmdStart, Qt::LeftButton);
    f->temps_Timer();
    QCOMPARE(f->etat().Jours, 4);
    verifieInvariant(*f);
    QTest::mouseClick(f->tablecom()->CmdDebut, Qt::LeftButton);
    QCOMPARE(f->etat().Jours, 0);
    QCOMPARE(f->cosmos()->rectanglePixels(Terre).center(), terre);
}

void TestHorlogeFenetre::nouveauPasAuTickSuivant() {
    auto f = ouvre();
    QVERIFY(f);
    QTest::mouseClick(f->tablecom()->CmdStart, Qt::LeftButton);
    f->temps_Timer();
    clique(f->tablecom()->Tp->piste(), milieuDuCran(8, 161));
    QVERIFY(f->etat().EnMarche);
    f->temps_Timer();
    QCOMPARE(f->etat().Jours, 16);
    verifieInvariant(*f);
}

void TestHorlogeFenetre::changementDeChampEnMarche() {
    auto f = ouvre();
    QVERIFY(f);
    QTest::mouseClick(f->tablecom()->CmdStart, Qt::LeftButton);
    clique(f->tablecom()->CO->piste(), milieuDuCran(5, 215));
    QVERIFY(f->etat().EnMarche);
    QCOMPARE(f->tablecom()->LbVit->text(), QStringLiteral("1129")); // Jupiter's km a day
    QTest::mouseClick(f->tablecom()->CmdStart, Qt::LeftButton);
    clique(f->tablecom()->CO->piste(), milieuDuCran(2, 215));
    QCOMPARE(f->tablecom()->LbVit->text(), QStringLiteral("0"));
}

void TestHorlogeFenetre::finDuCalendrier() {
    // The shipped data moved to a start date nine years before the calendar ends.
    QFile livre(donneesLivrees());
    QVERIFY(livre.open(QIODevice::ReadOnly));
    QByteArray donnees = livre.readAll();
    const QByteArray date("\n1, 1, 2025");
    QCOMPARE(donnees.count(date), 1);
    donnees.replace(date, "\n1, 1, 9990");
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    QFile copie(dossier.filePath(QStringLiteral("sidranes.dat")));
    QVERIFY(copie.open(QIODevice::WriteOnly));
    copie.write(donnees);
    copie.close();

    auto f = ouvre(copie.fileName());
    QVERIFY(f);
    QCOMPARE(f->etat().DateDebut, QDate(9990, 1, 1));
    clique(f->tablecom()->Tp->piste(), 150);
    QCOMPARE(f->etat().Pas, 100);
    QTest::mouseClick(f->tablecom()->CmdStart, Qt::LeftButton);
    int ticks = 0;
    while (f->etat().EnMarche && ticks < 100) {
        f->temps_Timer();
        ++ticks;
    }
    const Tablecom* t = f->tablecom();
    QVERIFY(!f->etat().EnMarche);
    QCOMPARE(f->intervalleTemps(), 0);
    QCOMPARE(t->CmdStart->text(), QStringLiteral("Démarrer"));
    QCOMPARE(t->LbVit->text(), QStringLiteral("0"));
    QVERIFY(!t->CmdTrace->isEnabled());
    QVERIFY(t->CmdDebut->isEnabled());
    QVERIFY(f->etat().DateCour <= QDate(9999, 12, 31));
    QVERIFY(f->etat().DateCour.daysTo(QDate(9999, 12, 31)) < 100);
    // The last tick of 100 days before the end: day 3600, 10 November 9999.
    QCOMPARE(f->etat().DateCour, QDate(9999, 11, 10));
    QCOMPARE(t->LbTemps->text(), QStringLiteral("10/11/9999"));
    verifieInvariant(*f);

    // Started again at the last date, it stops at once without moving.
    const int jours = f->etat().Jours;
    QTest::mouseClick(t->CmdStart, Qt::LeftButton);
    f->temps_Timer();
    QVERIFY(!f->etat().EnMarche);
    QCOMPARE(f->etat().Jours, jours);

    QTest::mouseClick(t->CmdDebut, Qt::LeftButton);
    QCOMPARE(f->etat().DateCour, QDate(9990, 1, 1));
    QCOMPARE(f->etat().Jours, 0);
    QCOMPARE(t->LbTemps->text(), QStringLiteral("01/01/9990"));
    QVERIFY(!t->CmdDebut->isEnabled());
}

QTEST_MAIN(TestHorlogeFenetre)
#include "tst_horloge_fenetre.moc"
