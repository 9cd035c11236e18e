// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ecran.h"

#include <QtTest>

class TestEcran : public QObject {
    Q_OBJECT

private slots:
    void ecranDesigne_data() {
        QTest::addColumn<QStringList>("variables"); // NAME=value
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("attendu");

        QTest::newRow("rien") << QStringList() << QStringList() << false;
        QTest::newRow("variables vides")
            << QStringList{"DISPLAY=", "WAYLAND_DISPLAY="} << QStringList() << false;
        QTest::newRow("X11") << QStringList{"DISPLAY=:0"} << QStringList() << true;
        QTest::newRow("Wayland") << QStringList{"WAYLAND_DISPLAY=wayland-0"} << QStringList()
                                 << true;
        // A platform chosen by the user is his: offscreen needs no display.
        QTest::newRow("plateforme choisie")
            << QStringList{"QT_QPA_PLATFORM=offscreen"} << QStringList() << true;
        QTest::newRow("-platform")
            << QStringList() << QStringList{"-platform", "offscreen"} << true;
    }

    void ecranDesigne() {
        QFETCH(QStringList, variables);
        QFETCH(QStringList, arguments);
        QFETCH(bool, attendu);
        QProcessEnvironment environnement;
        for (const QString& v : variables) {
            environnement.insert(v.section(u'=', 0, 0), v.section(u'=', 1));
        }
        QCOMPARE(Ecran::ecranDesigne(environnement, arguments), attendu);
    }

    void facteurDePolice_data() {
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("variable"); // NAME=value, or empty
        QTest::addColumn<double>("attendu");   // 0: no scale
        QTest::newRow("9 points") << 9.0 << "" << 0.0;
        QTest::newRow("GNOME, 11 points") << 11.0 << "" << 0.0;
        QTest::newRow("11,99 points") << 11.99 << "" << 0.0;
        QTest::newRow("12 points") << 12.0 << "" << 1.2;
        QTest::newRow("16 points") << 16.0 << "" << 1.6;
        QTest::newRow("40 points") << 40.0 << "" << 4.0;
        QTest::newRow("80 points") << 80.0 << "" << 4.0;
        QTest::newRow("taille en pixels") << -1.0 << "" << 0.0;
        QTest::newRow("échelle choisie") << 16.0 << "QT_SCALE_FACTOR=1" << 0.0;
        QTest::newRow("échelle par écran") << 16.0 << "QT_SCREEN_SCALE_FACTORS=1" << 0.0;
        QTest::newRow("DPI choisi") << 16.0 << "QT_FONT_DPI=96" << 0.0;
    }

    void facteurDePolice() {
        QFETCH(double, points);
        QFETCH(QString, variable);
        QFETCH(double, attendu);
        QProcessEnvironment environnement;
        if (!variable.isEmpty()) {
            environnement.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        }
        QCOMPARE(Ecran::facteurDePolice(points, environnement).value_or(0), attendu);
    }
};

QTEST_APPLESS_MAIN(TestEcran)
#include "tst_ecran.moc"
