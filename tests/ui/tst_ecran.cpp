// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ecran.h"

#include <QtTest>

class TestEcran : public QObject {
    Q_OBJECT

private slots:
    void ecranDesigne_data();
    void ecranDesigne();
};

void TestEcran::ecranDesigne_data() {
    QTest::addColumn<QStringList>("variables"); // NAME=value
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("attendu");

    QTest::newRow("rien") << QStringList() << QStringList() << false;
    QTest::newRow("variables vides")
        << QStringList{"DISPLAY=", "WAYLAND_DISPLAY="} << QStringList() << false;
    QTest::newRow("X11") << QStringList{"DISPLAY=:0"} << QStringList() << true;
    QTest::newRow("Wayland") << QStringList{"WAYLAND_DISPLAY=wayland-0"} << QStringList() << true;
    // A platform chosen by the user is his: offscreen needs no display.
    QTest::newRow("plateforme choisie")
        << QStringList{"QT_QPA_PLATFORM=offscreen"} << QStringList() << true;
    QTest::newRow("-platform") << QStringList() << QStringList{"-platform", "offscreen"} << true;
}

void TestEcran::ecranDesigne() {
    QFETCH(QStringList, variables);
    QFETCH(QStringList, arguments);
    QFETCH(bool, attendu);
    QProcessEnvironment environnement;
    for (const QString& v : variables) {
        environnement.insert(v.section(u'=', 0, 0), v.section(u'=', 1));
    }
    QCOMPARE(Ecran::ecranDesigne(environnement, arguments), attendu);
}

QTEST_APPLESS_MAIN(TestEcran)
#include "tst_ecran.moc"
