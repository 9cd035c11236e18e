// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Horloge.h"

#include <QtTest>
#include <random>

namespace {

const std::array<int32_t, 12> Vitesses{1, 2, 3, 4, 6, 8, 10, 15, 20, 40, 60, 100};

Systeme systemeAu(const QDate& debut, int32_t pas) {
    Systeme s;
    s.DateDebut = s.DateCour = debut;
    s.Jours = 0;
    s.Pas = pas;
    return s;
}

} // namespace

class TstHorloge : public QObject {
    Q_OBJECT

private slots:
    void avance_data();
    void avance();
    void invariant_data();
    void invariant();
    void finDuCalendrier_data();
    void finDuCalendrier();
};

void TstHorloge::avance_data() {
    QTest::addColumn<QDate>("debut");
    QTest::addColumn<int>("pas");
    QTest::addColumn<int>("tops");
    QTest::addColumn<QDate>("date");

    QTest::newRow("28 février bissextile + 1")
        << QDate(2024, 2, 28) << 1 << 1 << QDate(2024, 2, 29);
    QTest::newRow("28 février bissextile + 2") << QDate(2024, 2, 28) << 1 << 2 << QDate(2024, 3, 1);
    QTest::newRow("28 février ordinaire + 1") << QDate(2025, 2, 28) << 1 << 1 << QDate(2025, 3, 1);
    QTest::newRow("28 février 2100 + 1") << QDate(2100, 2, 28) << 1 << 1 << QDate(2100, 3, 1);
    QTest::newRow("pas de 60") << QDate(2025, 1, 1) << 60 << 1 << QDate(2025, 3, 2);
    QTest::newRow("pas de 100, trois fois") << QDate(2025, 1, 1) << 100 << 3 << QDate(2025, 10, 28);
}

void TstHorloge::avance() {
    QFETCH(QDate, debut);
    QFETCH(int, pas);
    QFETCH(int, tops);
    QFETCH(QDate, date);
    Systeme s = systemeAu(debut, pas);
    for (int k = 0; k < tops; ++k) {
        QVERIFY(Horloge::avance(s));
    }
    QCOMPARE(s.DateCour, date);
    QCOMPARE(s.Jours, pas * tops);
    QCOMPARE(s.DateDebut, debut);
}

void TstHorloge::invariant_data() {
    QTest::addColumn<QDate>("debut");
    QTest::addColumn<int>("remises"); // one reset every ~N steps

    QTest::newRow("depuis 2025") << QDate(2025, 1, 1) << 50;
    // Rare resets from near the end: many ticks run into the last day.
    QTest::newRow("depuis 9990") << QDate(9990, 1, 1) << 500;
}

void TstHorloge::invariant() {
    QFETCH(QDate, debut);
    QFETCH(int, remises);
    Systeme s = systemeAu(debut, 1);
    std::mt19937 alea(20250101);
    std::uniform_int_distribution<int> indice(0, 11);
    std::uniform_int_distribution<int> de(1, remises);
    int refus = 0;
    for (int k = 0; k < 5000; ++k) {
        if (de(alea) == 1) {
            s.Jours = 0; // the reset button
            s.DateCour = s.DateDebut;
        } else {
            s.Pas = Vitesses[indice(alea)];
            if (!Horloge::avance(s)) {
                ++refus;
            }
        }
        QCOMPARE(s.DateDebut.daysTo(s.DateCour), qint64(s.Jours));
        QVERIFY(s.DateCour <= QDate(9999, 12, 31));
    }
    if (debut.year() == 9990) {
        QVERIFY(refus > 0); // the end was really reached
    }
}

void TstHorloge::finDuCalendrier_data() {
    QTest::addColumn<QDate>("debut");
    QTest::addColumn<int>("pas");
    QTest::addColumn<QDate>("derniere");

    // 3651 days from 1 January 9990 to the last day: 36 steps of 100.
    QTest::newRow("1er janvier 9990, 100") << QDate(9990, 1, 1) << 100 << QDate(9999, 11, 10);
    QTest::newRow("15 juin 9990, 100") << QDate(9990, 6, 15) << 100 << QDate(9999, 10, 6);
    QTest::newRow("30 décembre 9999, 1") << QDate(9999, 12, 30) << 1 << QDate(9999, 12, 31);
    QTest::newRow("31 décembre 9999, 1") << QDate(9999, 12, 31) << 1 << QDate(9999, 12, 31);
}

void TstHorloge::finDuCalendrier() {
    QFETCH(QDate, debut);
    QFETCH(int, pas);
    QFETCH(QDate, derniere);
    Systeme s = systemeAu(debut, pas);
    int tops = 0;
    while (Horloge::avance(s)) {
        ++tops;
        QVERIFY(tops < 10000);
    }
    QCOMPARE(s.DateCour, derniere);
    QCOMPARE(s.Jours, tops * pas);
    QCOMPARE(debut.daysTo(s.DateCour), qint64(s.Jours));
    // The refused tick changed nothing, and neither does the next one.
    QVERIFY(!Horloge::avance(s));
    QCOMPARE(s.DateCour, derniere);
    QCOMPARE(s.Jours, tops * pas);
    // A slower speed still gets closer to the end.
    if (pas > 1) {
        s.Pas = 1;
        QVERIFY(Horloge::avance(s));
        QCOMPARE(s.DateCour, derniere.addDays(1));
        QCOMPARE(s.Jours, tops * pas + 1);
    }
}

QTEST_APPLESS_MAIN(TstHorloge)
#include "tst_horloge.moc"
