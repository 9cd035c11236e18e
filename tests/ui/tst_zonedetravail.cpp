// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZoneDeTravail.h"

#include <QtTest>

using ZoneDeTravail::Cadre;

Q_DECLARE_METATYPE(Cadre)

namespace ZoneDeTravail {
char* toString(const Cadre& c) {
    const QString texte =
        QStringLiteral("(%1, %2, %3 x %4)").arg(c.gauche).arg(c.haut).arg(c.largeur).arg(c.hauteur);
    return qstrdup(texte.toUtf8().constData());
}
} // namespace ZoneDeTravail

class TestZoneDeTravail : public QObject {
    Q_OBJECT

private slots:
    void ajuste_data() {
        QTest::addColumn<Cadre>("zone");
        QTest::addColumn<Cadre>("fenetre");
        QTest::addColumn<Cadre>("attendu");

        const Cadre fenetre{1500, 900, 15000, 12300};
        QTest::newRow("tient juste") << fenetre << fenetre << fenetre;
        QTest::newRow("un twip trop etroit")
            << Cadre{60, 30, 14999, 13200} << fenetre << Cadre{60, 900, 14999, 12300};
        QTest::newRow("un twip trop bas")
            << Cadre{60, 30, 16500, 12299} << fenetre << Cadre{1500, 30, 15000, 12299};
        QTest::newRow("trop petit des deux cotes")
            << Cadre{0, 450, 12000, 9000} << fenetre << Cadre{0, 450, 12000, 9000};
        QTest::newRow("ecran agrandi: ni agrandie ni recentree")
            << Cadre{0, 0, 28800, 16200} << fenetre << fenetre;
        // 1920 x 1080 pixels -> 1024 x 768 with the window at x = 465: it fits in width,
        // but its right part, panel and title-bar buttons, would lie off the screen.
        QTest::newRow("passe le bord droit")
            << Cadre{0, 0, 15360, 11520} << Cadre{6975, 900, 14865, 10200}
            << Cadre{495, 900, 14865, 10200};
        QTest::newRow("passe le bord bas")
            << Cadre{0, 0, 28800, 11520} << Cadre{1500, 3000, 15000, 9000}
            << Cadre{1500, 2520, 15000, 9000};
        QTest::newRow("passe les bords gauche et haut")
            << Cadre{3000, 1500, 28800, 16200} << fenetre << Cadre{3000, 1500, 15000, 12300};
        const Cadre aPropos{3720, 2700, 7290, 4935};
        QTest::newRow("a propos, ecran de 480 x 320")
            << Cadre{0, 0, 7200, 4800} << aPropos << Cadre{0, 0, 7200, 4800};
    }

    void ajuste() {
        QFETCH(Cadre, zone);
        QFETCH(Cadre, fenetre);
        QFETCH(Cadre, attendu);
        QCOMPARE(ZoneDeTravail::ajuste(zone, fenetre), attendu);
    }
};

QTEST_APPLESS_MAIN(TestZoneDeTravail)
#include "tst_zonedetravail.moc"
