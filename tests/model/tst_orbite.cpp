// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Orbite.h"

#include <QtTest>
#include <bit>
#include <cmath>
#include <cstdint>

// QCOMPARE on floats is fuzzy; these values must match to the bit.
#define COMPARE_BITS(actual, expected)                                                             \
    QVERIFY2(std::bit_cast<uint32_t>(float(actual)) == std::bit_cast<uint32_t>(float(expected)),   \
             qPrintable(QStringLiteral("%1 != %2")                                                 \
                            .arg(double(actual), 0, 'g', 10)                                       \
                            .arg(double(expected), 0, 'g', 10)))

class TstOrbite : public QObject {
    Q_OBJECT

private slots:
    void degRad() {
        // pi rounded to single, divided by 180, rounded to single again.
        QCOMPARE(std::bit_cast<uint32_t>(Orbite::degRad()), 0x3C8EFA35u);
    }

    void angleAuJour_data() {
        QTest::addColumn<float>("vitesse");
        QTest::addColumn<int>("jour");
        QTest::addColumn<float>("initial");
        QTest::addColumn<float>("attendu");

        QTest::newRow("jour 0 = angle initial") << 0.9856263f << 0 << 123.25f << 123.25f;
        QTest::newRow("rétrograde") << -2.0f << 100 << 10.0f << -190.0f;
        // 2^24 + 1 has no single-precision form: the stored angle is 2^24.
        QTest::newRow("grand jour arrondi en simple") << 1.0f << 16777217 << 0.0f << 16777216.0f;
        // (1 + 2^-23) * 3 - 3 is exact in double; in single the product would round to
        // 3 + 2^-21 first and the angle would come out as 2^-21.
        QTest::newRow("formé en double")
            << std::nextafter(1.0f, 2.0f) << 3 << -3.0f << 3 * std::ldexp(1.0f, -23);
    }

    void angleAuJour() {
        QFETCH(float, vitesse);
        QFETCH(int, jour);
        QFETCH(float, initial);
        QFETCH(float, attendu);
        COMPARE_BITS(Orbite::angleAuJour(vitesse, jour, initial), attendu);
    }

    void positionAuJourZero_data() {
        QTest::addColumn<float>("angle");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");

        // 90, 180 and 270 times the single-precision factor miss the exact quarter turns by
        // about 1e-8 rad: the other coordinate is a few km out of 150 million, not 0.
        const float r = 150e6f;
        QTest::newRow("0 : axe des x positifs") << 0.0f << r << 0.0f;
        QTest::newRow("90 : à la verticale au-dessus") << 90.0f << 0.0f << r;
        QTest::newRow("180 : à gauche") << 180.0f << -r << 0.0f;
        QTest::newRow("270 : en dessous") << 270.0f << 0.0f << -r;
        QTest::newRow("-90 : en dessous") << -90.0f << 0.0f << -r;
        QTest::newRow("45") << 45.0f << float(r * M_SQRT1_2) << float(r * M_SQRT1_2);
        QTest::newRow("120") << 120.0f << -r / 2 << float(r * std::sqrt(3.0) / 2);
    }

    void positionAuJourZero() {
        QFETCH(float, angle);
        QFETCH(float, x);
        QFETCH(float, y);
        const float r = 150e6f;
        const Orbite::Position p = Orbite::surCercle(r, angle, Orbite::degRad());
        const double tolerance = r * 1e-7; // 15 km
        QVERIFY2(std::fabs(double(p.x) - x) <= tolerance, qPrintable(QString::number(p.x, 'f', 3)));
        QVERIFY2(std::fabs(double(p.y) - y) <= tolerance, qPrintable(QString::number(p.y, 'f', 3)));
        // Cosine gives x and sine gives y, with no sign change: the body turns counter-clockwise.
        if (x != 0.0f) {
            QCOMPARE(std::signbit(p.x), std::signbit(x));
        }
        if (y != 0.0f) {
            QCOMPARE(std::signbit(p.y), std::signbit(y));
        }
    }

    void tourComplet() {
        // One degree a day from 10: day 400 is stored as 410 and stands where day 40 stood.
        const float dr = Orbite::degRad();
        const float a400 = Orbite::angleAuJour(1.0f, 400, 10.0f);
        const float a40 = Orbite::angleAuJour(1.0f, 40, 10.0f);
        COMPARE_BITS(a400, 410.0f);
        COMPARE_BITS(a40, 50.0f);
        const Orbite::Position p400 = Orbite::surCercle(149597870.0f, a400, dr);
        const Orbite::Position p40 = Orbite::surCercle(149597870.0f, a40, dr);
        QVERIFY(std::fabs(p400.x - p40.x) < 150.0f);
        QVERIFY(std::fabs(p400.y - p40.y) < 150.0f);
        QVERIFY(p40.x > 0 && p40.y > 0);
    }

    void vitesseKm_data() {
        QTest::addColumn<float>("rayon");
        QTest::addColumn<float>("periode");
        QTest::addColumn<double>("attendu");

        // 149 597 870 is stored as 149 597 872 and 365.256 as 365.2560119628906:
        // 2 pi 149597872 / 365.2560119628906 / 1000.
        QTest::newRow("Terre") << 149597870.0f << 365.256f << 2573.4036416934596;
        QTest::newRow("Lune") << 384400.0f << 27.321661f << 88.40079058440496;
    }

    void vitesseKm() {
        QFETCH(float, rayon);
        QFETCH(float, periode);
        QFETCH(double, attendu);
        const double v = Orbite::vitesseKm(rayon, periode);
        QVERIFY2(std::fabs(v - attendu) <= 1e-4, qPrintable(QString::number(v, 'g', 17)));
    }

    void vitesseAng() {
        // 360 / 365.25 rounded once to single precision.
        COMPARE_BITS(Orbite::vitesseAng(365.25f), 0.98562628f);
        COMPARE_BITS(Orbite::vitesseAng(360.0f), 1.0f);
        COMPARE_BITS(Orbite::vitesseAng(0.5f), 720.0f);
        QVERIFY(std::isinf(Orbite::vitesseAng(1e-40f)));
    }
};

QTEST_APPLESS_MAIN(TstOrbite)
#include "tst_orbite.moc"
