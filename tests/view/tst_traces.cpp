// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The trace image on its own: circles drawn once, kept through clearings and resizes.

#include "Traces.h"

#include <QtTest>

namespace {

// The brightest red of the 3 x 3 pixels around p: antialiased rings rarely cover one in full.
int rougeAutour(const QImage& image, QPoint p) {
    int rouge = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            rouge = std::max(rouge, qRed(image.pixel(p + QPoint(dx, dy))));
        }
    }
    return rouge;
}

// Twelve rings on an area of 300 x 300 pixels.
Traces anneaux() {
    Traces t;
    t.redimensionne(QSize(300, 300), 1);
    for (int i = 0; i < 12; ++i) {
        t.cercle(QPointF(i * 22.5 + 30, 240 - i * 15), 6, 6, QColor(0, 200, 255));
    }
    return t;
}

} // namespace

class TstTraces : public QObject {
    Q_OBJECT

private slots:
    void contour_data() {
        QTest::addColumn<double>("rayon");
        // Every ring passes through the middle of pixel 120 on row 100; the larger are far
        // beyond what QPainter draws (one of 1e8 pixels took it seconds).
        QTest::newRow("petit") << 20.5;
        QTest::newRow("au-delà du peintre") << 1000.0;
        QTest::newRow("immense") << 1e8;
    }

    void contour() {
        QFETCH(double, rayon);
        Traces t;
        t.redimensionne(QSize(200, 200), 1);
        const QRect touche = t.cercle(QPointF(120.5 - rayon, 100), rayon, rayon, QColor(255, 0, 0));
        const QRgb anneau = t.image().pixel(120, 100);
        QVERIFY2(qRed(anneau) >= 200 && qGreen(anneau) <= 16 && qBlue(anneau) == 0,
                 qPrintable(QColor(anneau).name()));
        // An outline: inside and outside stay black.
        QCOMPARE(t.image().pixel(115, 100) & 0xFFFFFF, 0u);
        QCOMPARE(t.image().pixel(125, 100) & 0xFFFFFF, 0u);
        QVERIFY(touche.contains(QPoint(120, 100)) && touche.contains(QPoint(121, 101)));
        QVERIFY(t.dessinees());
    }

    void survitAuRedimensionnement_data() {
        QTest::addColumn<QList<QSize>>("tailles");
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("agrandie") << QList<QSize>{{400, 400}} << 1.0;
        QTest::newRow("réduite") << QList<QSize>{{100, 100}} << 1.0;
        QTest::newRow("rectangle") << QList<QSize>{{400, 200}} << 1.0;
        QTest::newRow("réduite à rien et rendue") << QList<QSize>{{0, 0}, {200, 200}} << 1.0;
        QTest::newRow("réduite à rien et agrandie") << QList<QSize>{{0, 0}, {300, 300}} << 1.0;
        QTest::newRow("double densité") << QList<QSize>{{200, 200}} << 2.0;
    }

    void survitAuRedimensionnement() {
        QFETCH(QList<QSize>, tailles);
        QFETCH(qreal, dpr);
        Traces t;
        t.redimensionne(QSize(200, 200), 1);
        // A ring 20 pixels across, centred a quarter of the way from the top-left corner.
        t.cercle(QPointF(50, 50), 10, 10, QColor(255, 0, 0));
        for (const QSize& taille : tailles) {
            t.redimensionne(taille, tailles.size() == 1 ? dpr : 1);
        }
        const QSize fin = tailles.last() * dpr;
        QCOMPARE(t.image().size(), fin);
        QCOMPARE(t.image().devicePixelRatio(), tailles.size() == 1 ? dpr : 1.0);
        // The ring's top at the proportional place; the opposite quarter black.
        QVERIFY(rougeAutour(t.image(), QPoint(fin.width() / 4, fin.height() * 40 / 200)) >= 100);
        QCOMPARE(t.image().pixel(fin.width() * 3 / 4, fin.height() * 3 / 4) & 0xFFFFFF, 0u);
    }

    void bordTireEtRendu() {
        Traces t = anneaux();
        const QImage avant = t.image();
        // A window edge dragged in and part of the way back out: one resize per mouse move,
        // each from the traces as drawn, as sharp as one resize straight to the end.
        for (int cote = 298; cote >= 200; cote -= 2) {
            t.redimensionne(QSize(cote, cote), 1);
        }
        for (int cote = 202; cote <= 250; cote += 2) {
            t.redimensionne(QSize(cote, cote), 1);
        }
        Traces direct = anneaux();
        direct.redimensionne(QSize(250, 250), 1);
        QCOMPARE(t.image(), direct.image());
        // And all the way back: the traces as they were drawn.
        t.redimensionne(QSize(300, 300), 1);
        QCOMPARE(t.image(), avant);
    }

    void efface() {
        Traces t = anneaux();
        t.redimensionne(QSize(200, 200), 1);
        t.efface();
        QVERIFY(!t.dessinees());
        QImage noir(t.image().size(), t.image().format());
        noir.fill(Qt::black);
        QCOMPARE(t.image(), noir);
        // Nothing is kept to come back: the next resize starts black at its own size.
        t.redimensionne(QSize(300, 300), 1);
        noir = QImage(300, 300, t.image().format());
        noir.fill(Qt::black);
        QCOMPARE(t.image(), noir);
    }
};

QTEST_GUILESS_MAIN(TstTraces)
#include "tst_traces.moc"
