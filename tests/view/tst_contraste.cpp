// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// Name labels on black: each colour's contrast ratio, and the lightened colour of those
// below 4.5 to 1 (ratios worked out beside, from the guidelines' formula).

#include "Contraste.h"

#include <QtTest>

class TstContraste : public QObject {
    Q_OBJECT

private slots:
    void lisible_data() {
        QTest::addColumn<QColor>("couleur");
        QTest::addColumn<double>("rapport");
        QTest::addColumn<QColor>("lisible");
        QTest::newRow("Mars, au-dessus") << QColor(220, 70, 40) << 4.95 << QColor(220, 70, 40);
        QTest::newRow("Neptune, 3,61") << QColor(70, 80, 235) << 3.61 << QColor(0x5b, 0x65, 0xed);
        QTest::newRow("blanc") << QColor(Qt::white) << 21.0 << QColor(Qt::white);
        // One lightness step down, #5d5dff, is 4.47; #747474 is 4.49.
        QTest::newRow("bleu pur, 2,44") << QColor(0, 0, 255) << 2.44 << QColor(0x5f, 0x5f, 0xff);
        QTest::newRow("noir") << QColor(Qt::black) << 1.0 << QColor(0x75, 0x75, 0x75);
    }

    void lisible() {
        QFETCH(QColor, couleur);
        QFETCH(double, rapport);
        QFETCH(QColor, lisible);
        QCOMPARE(qRound(Contraste::surNoir(couleur) * 100), qRound(rapport * 100));
        const QColor obtenu = Contraste::lisibleSurNoir(couleur);
        QCOMPARE(obtenu.name(), lisible.name());
        QVERIFY(Contraste::surNoir(obtenu) >= 4.5);
        // The least lightening: a step darker would not read.
        if (obtenu != couleur) {
            QVERIFY(Contraste::surNoir(obtenu.toHsl().darker(101)) < 4.5 ||
                    obtenu.toHsl().lightness() - couleur.toHsl().lightness() <= 1);
        }
    }
};

QTEST_GUILESS_MAIN(TstContraste)
#include "tst_contraste.moc"
