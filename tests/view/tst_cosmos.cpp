// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing area on its own: its kilometre scale, the persistent trace image and the discs.

#include "Cosmos.h"

#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QtTest>
#include <algorithm>
#include <climits>

class TestCosmos : public QObject {
    Q_OBJECT

private slots:
    void echelleCentreeYVersLeHaut_data();
    void echelleCentreeYVersLeHaut();
    void cercleDansSaCouleur_data();
    void cercleDansSaCouleur();
    void traceSurvitAuRedimensionnement_data();
    void traceSurvitAuRedimensionnement();
    void traceSurvitAUnBordTire();
    void clsRendToutNoir();
    void transitions_data();
    void transitions();
    void disqueEnPixels_data();
    void disqueEnPixels();
    void soleilPeint();
    void cerclesALEcranApresLePassage_data();
    void cerclesALEcranApresLePassage();
    void disqueImmenseRemplitLaZone_data();
    void disqueImmenseRemplitLaZone();
};

namespace {

// A shown area of w x h pixels scaled to +-E km, inside a window as in the program
// (a child can shrink to nothing, as when the window is minimised).
struct Zone {
    QWidget fenetre;
    Cosmos* c = new Cosmos(&fenetre);

    bool prepare(int w, int h, double e) {
        fenetre.resize(qMax(w, 400), qMax(h, 400));
        c->setGeometry(0, 0, w, h);
        fenetre.show();
        c->setScale(-e, e, e, -e);
        return QTest::qWaitForWindowExposed(&fenetre);
    }

    // What the screen shows of the area once pending paints are done: the window's
    // backing store as flushed, not a fresh rendering of the widget.
    QImage ecran() {
        QCoreApplication::processEvents();
        const QPoint coin = c->mapTo(&fenetre, QPoint());
        return fenetre.screen()
            ->grabWindow(fenetre.winId(), coin.x(), coin.y(), c->width(), c->height())
            .toImage();
    }
};

// Peak resident memory of this process in kB.
long pointeMemoireKo() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& ligne : f.readAll().split('\n')) {
        if (ligne.startsWith("VmHWM:")) {
            return ligne.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

} // namespace

void TestCosmos::echelleCentreeYVersLeHaut_data() {
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<double>("e");
    QTest::newRow("Terre") << QSize(777, 777) << 164558087.0;
    QTest::newRow("Pluton, au-dela des entiers") << QSize(777, 777) << 6.5e9;
    QTest::newRow("rectangle") << QSize(300, 120) << 6.5e9;
}

void TestCosmos::echelleCentreeYVersLeHaut() {
    QFETCH(QSize, taille);
    QFETCH(double, e);
    QVERIFY(e > INT_MAX || taille.width() == 777);
    Zone z;
    QVERIFY(z.prepare(taille.width(), taille.height(), e));
    const Cosmos& c = *z.c;
    const QTransform& t = c.versPixels();
    auto proche = [](QPointF a, QPointF b) {
        return qAbs(a.x() - b.x()) < 1e-6 && qAbs(a.y() - b.y()) < 1e-6;
    };
    QVERIFY(proche(t.map(QPointF(-e, e)), QPointF(0, 0)));
    QVERIFY(proche(t.map(QPointF(e, -e)), QPointF(taille.width(), taille.height())));
    QVERIFY(proche(t.map(QPointF(0, 0)), QPointF(taille.width() / 2.0, taille.height() / 2.0)));
    // y points up: a point above the origin is higher on the screen.
    QVERIFY(t.map(QPointF(0, e / 2)).y() < taille.height() / 2.0);
    QCOMPARE(c.ScaleWidth(), 2 * e);
}

void TestCosmos::cercleDansSaCouleur_data() {
    QTest::addColumn<bool>("plein");
    QTest::addColumn<double>("rayon");
    QTest::addColumn<QColor>("centre");
    // Traces are outlines; the area as created fills its circles in yellow. Every
    // ring passes through the middle of pixel 120 on the middle row; the largest
    // are far beyond what QPainter draws (one of 1e8 pixels took it seconds).
    for (double rayon : {205.0, 1e4, 1e9}) {
        const QByteArray r = QByteArray::number(rayon);
        QTest::newRow("contour " + r) << false << rayon << QColor(Qt::black);
        QTest::newRow("rempli " + r) << true << rayon << QColor(255, 255, 0);
    }
}

void TestCosmos::cercleDansSaCouleur() {
    QFETCH(bool, plein);
    QFETCH(double, rayon);
    QFETCH(QColor, centre);
    Zone z;
    QVERIFY(z.prepare(200, 200, 1000));
    Cosmos& c = *z.c;
    c.setFillSolid(plein);
    c.cercle(205 - rayon, 0, rayon, QColor(255, 0, 0));
    const QRgb anneau = c.traces().pixel(120, 100);
    QVERIFY2(qRed(anneau) >= 200 && qGreen(anneau) <= 16 && qBlue(anneau) == 0,
             qPrintable(QColor(anneau).name()));
    QCOMPARE(QColor(c.traces().pixel(115, 100)), centre);
    QCOMPARE(c.traces().pixel(125, 100) & 0xFFFFFF, 0u);
}

void TestCosmos::traceSurvitAuRedimensionnement_data() {
    QTest::addColumn<QList<QSize>>("tailles");
    QTest::newRow("agrandie") << QList<QSize>{{400, 400}};
    QTest::newRow("reduite") << QList<QSize>{{100, 100}};
    QTest::newRow("rectangle") << QList<QSize>{{400, 200}};
    QTest::newRow("reduite a rien et rendue") << QList<QSize>{{0, 0}, {200, 200}};
    QTest::newRow("reduite a rien et agrandie") << QList<QSize>{{0, 0}, {300, 300}};
}

void TestCosmos::traceSurvitAuRedimensionnement() {
    QFETCH(QList<QSize>, tailles);
    Zone z;
    QVERIFY(z.prepare(200, 200, 1000));
    Cosmos& c = *z.c;
    // A filled disc 20 pixels across, centred a quarter of the way from the top-left corner.
    c.cercle(-500, 500, 100, QColor(0, 0, 255));
    for (const QSize& t : tailles) {
        c.resize(t);
        QCoreApplication::processEvents();
    }
    const QSize fin = tailles.last();
    QCOMPARE(c.traces().size(), fin);
    const QPoint disque(fin.width() / 4, fin.height() / 4);
    QCOMPARE(QColor(c.traces().pixel(disque)), QColor(255, 255, 0));
    QCOMPARE(c.traces().pixel(fin.width() * 3 / 4, fin.height() * 3 / 4) & 0xFFFFFF, 0u);
    // The kilometre range is kept: the same point lands at the proportional place.
    const QPointF centre = c.versPixels().map(QPointF(-500, 500));
    QCOMPARE(centre, QPointF(fin.width() / 4.0, fin.height() / 4.0));
}

void TestCosmos::traceSurvitAUnBordTire() {
    // Twelve rings, at 300 x 300 pixels.
    const auto anneaux = [](Zone& z) {
        z.c->setFillSolid(false);
        for (int i = 0; i < 12; ++i) {
            z.c->cercle(i * 150 - 800, i * 100 - 600, 40, QColor(0, 200, 255));
        }
    };
    Zone z;
    QVERIFY(z.prepare(300, 300, 1000));
    anneaux(z);
    const QImage avant = z.c->traces();
    // A window edge dragged in and part of the way back out: one resize per mouse move,
    // each from the traces as drawn, as sharp as one resize straight to the end.
    for (int cote = 298; cote >= 200; cote -= 2) {
        z.c->resize(cote, cote);
    }
    for (int cote = 202; cote <= 250; cote += 2) {
        z.c->resize(cote, cote);
    }
    Zone direct;
    QVERIFY(direct.prepare(300, 300, 1000));
    anneaux(direct);
    direct.c->resize(250, 250);
    QCOMPARE(z.c->traces(), direct.c->traces());
    // And all the way back: the traces as they were drawn.
    z.c->resize(300, 300);
    QCOMPARE(z.c->traces(), avant);
}

void TestCosmos::clsRendToutNoir() {
    Zone z;
    QVERIFY(z.prepare(200, 200, 1000));
    Cosmos& c = *z.c;
    for (int i = 0; i < 5; ++i) {
        c.cercle(i * 150 - 300, 0, 100, QColor(0, 255, 0));
    }
    c.Cls();
    QImage noir(c.traces().size(), c.traces().format());
    noir.fill(Qt::black);
    QCOMPARE(c.traces(), noir);
}

void TestCosmos::transitions_data() {
    QTest::addColumn<QString>("ordre");
    // Erase, resize, draw and show, in every order, after a first disc A. Each letter:
    // E Cls, R a resize, D a second disc B, P the screen looked at.
    QString ordre = QStringLiteral("DEPR");
    do {
        QTest::newRow(qPrintable(ordre)) << ordre;
    } while (std::next_permutation(ordre.begin(), ordre.end()));
}

void TestCosmos::transitions() {
    QFETCH(QString, ordre);
    Zone z;
    QVERIFY(z.prepare(300, 300, 1000));
    Cosmos& c = *z.c;
    for (int i = 0; i < NbAstres; ++i) {
        c.setVisibleForme(i, false);
    }
    // A name whose top-left corner stands a quarter of the way from the top-right corner.
    c.montreNom(1, true);
    c.deplaceNom(1, 500, 500);
    // Filled discs 30 pixels across at 300 pixels, at a quarter and three quarters.
    const QPointF a(-500, 500);
    const QPointF b(500, -500);
    bool aMontre = true;
    bool bMontre = false;
    auto verifie = [&](const QString& quand) {
        const QImage vue = z.ecran();
        for (const auto& [centre, montre] : {std::pair{a, aMontre}, std::pair{b, bMontre}}) {
            const QPoint p = c.versPixels().map(centre).toPoint();
            const bool noir = (vue.pixel(p) & 0xFFFFFF) == 0;
            QVERIFY2(noir != montre,
                     qPrintable(quand + QStringLiteral(" en %1,%2").arg(p.x()).arg(p.y())));
        }
        // The name keeps its place in kilometres, whatever the area's size.
        QCOMPARE(c.nom(1)->pos(), QPoint(c.width() * 3 / 4, c.height() / 4));
    };
    c.cercle(a.x(), a.y(), 100, QColor(0, 0, 255));
    verifie(QStringLiteral("A"));
    for (const QChar op : ordre) {
        if (op == u'E') {
            c.Cls();
            aMontre = bMontre = false;
        } else if (op == u'R') {
            c.resize(240, 240);
        } else if (op == u'D') {
            c.cercle(b.x(), b.y(), 100, QColor(0, 255, 0));
            bMontre = true;
        } else {
            verifie(QStringLiteral("P"));
        }
    }
    // Back to the first size, then to a third: what was erased never comes back.
    c.resize(300, 300);
    verifie(QStringLiteral("300"));
    c.resize(360, 360);
    verifie(QStringLiteral("360"));
}

void TestCosmos::disqueEnPixels_data() {
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<QRectF>("km");
    QTest::addColumn<QRectF>("pixels");
    // An area of +-1000 km: 0.15 pixel per km across 300 pixels, 0.075 down 150.
    QTest::newRow("au centre") << QSize(300, 300) << QRectF(-100, 100, 200, 200)
                               << QRectF(135, 135, 30, 30);
    QTest::newRow("en haut à gauche")
        << QSize(300, 300) << QRectF(-1000, 1000, 20, 20) << QRectF(0, 0, 3, 3);
    QTest::newRow("zone aplatie") << QSize(300, 150) << QRectF(-100, 100, 200, 200)
                                  << QRectF(135, 67.5, 30, 15);
}

void TestCosmos::disqueEnPixels() {
    QFETCH(QSize, taille);
    QFETCH(QRectF, km);
    QFETCH(QRectF, pixels);
    Zone z;
    QVERIFY(z.prepare(taille.width(), taille.height(), 1000));
    z.c->setGeometrieForme(0, km);
    const QRectF r = z.c->rectanglePixels(0);
    QVERIFY2(qAbs(r.x() - pixels.x()) < 1e-6 && qAbs(r.y() - pixels.y()) < 1e-6 &&
                 qAbs(r.width() - pixels.width()) < 1e-6 &&
                 qAbs(r.height() - pixels.height()) < 1e-6,
             qPrintable(QStringLiteral("%1, %2, %3 x %4")
                            .arg(r.x())
                            .arg(r.y())
                            .arg(r.width())
                            .arg(r.height())));
}

void TestCosmos::soleilPeint() {
    Zone z;
    QVERIFY(z.prepare(300, 300, 1000));
    Cosmos& c = *z.c;
    const QColor jaune(255, 200, 0);
    c.setCouleursForme(0, jaune, jaune);
    c.setGeometrieForme(0, QRectF(-100, 100, 200, 200)); // 30 pixels across, at the centre
    for (int i = 1; i < NbAstres; ++i) {
        c.setVisibleForme(i, false);
    }
    const QImage vue = c.grab().toImage();
    QCOMPARE(QColor(vue.pixel(150, 150)), jaune);
    QCOMPARE(QColor(vue.pixel(150, 138)), jaune);
    QCOMPARE(QColor(vue.pixel(150, 130)), QColor(Qt::black));
    c.setVisibleForme(0, false);
    QCOMPARE(QColor(c.grab().toImage().pixel(150, 150)), QColor(Qt::black));
}

void TestCosmos::cerclesALEcranApresLePassage_data() {
    QTest::addColumn<QString>("avant");
    // What may come between two placement passes.
    QTest::newRow("premier passage") << QString();
    QTest::newRow("apres un passage") << QStringLiteral("passage");
    QTest::newRow("apres un effacement") << QStringLiteral("Cls");
    QTest::newRow("apres un redimensionnement") << QStringLiteral("taille");
    QTest::newRow("apres un affichage") << QStringLiteral("peinture");
}

void TestCosmos::cerclesALEcranApresLePassage() {
    QFETCH(QString, avant);
    Zone z;
    QVERIFY(z.prepare(300, 300, 1000));
    Cosmos& c = *z.c;
    c.setFillSolid(false);
    for (int i = 0; i < NbAstres; ++i) {
        c.setVisibleForme(i, false);
    }
    // A pass as the clock runs one: each body's circle in its own colour.
    auto passage = [&c](float y, int32_t couleur) {
        for (int i = 0; i < 4; ++i) {
            c.cercle(float(i * 400 - 600), y, 50, couleur);
        }
    };
    if (avant == QLatin1String("passage")) {
        passage(-500, 0x00FF00);
    } else if (avant == QLatin1String("Cls")) {
        passage(-500, 0x00FF00);
        c.Cls();
    } else if (avant == QLatin1String("taille")) {
        passage(-500, 0x00FF00);
        c.resize(240, 240);
        QCoreApplication::processEvents();
        c.resize(300, 300);
    } else if (avant == QLatin1String("peinture")) {
        passage(-500, 0x00FF00);
        z.ecran();
    }
    passage(400, 0x0000FF); // red
    const QImage vue = z.ecran();
    for (int i = 0; i < 4; ++i) {
        // The top of each ring: 60 pixels above the middle row, 7.5 pixels above its centre.
        const QPoint haut(qRound((i * 400 - 600 + 1000) * 0.15), 150 - 60 - 8);
        QVERIFY2(qRed(vue.pixel(haut)) >= 128, qPrintable(QString::number(i)));
    }
}

void TestCosmos::disqueImmenseRemplitLaZone_data() {
    QTest::addColumn<double>("diametre");
    QTest::addColumn<bool>("coinCouvert");
    // Diameters in km on an area of +-1000 km: 1.3 times the area's side and beyond.
    QTest::newRow("un peu plus grand que la zone") << 2600.0 << false;
    QTest::newRow("17 fois la zone") << 34000.0 << true;
    QTest::newRow("1e6") << 1e6 << true;
    QTest::newRow("1e20") << 1e20 << true;
    QTest::newRow("1e30") << 1e30 << true;
}

void TestCosmos::disqueImmenseRemplitLaZone() {
    QFETCH(double, diametre);
    QFETCH(bool, coinCouvert);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    Zone z;
    QVERIFY(z.prepare(300, 300, 1000));
    Cosmos& c = *z.c;
    const QColor jaune(255, 200, 0);
    c.setCouleursForme(0, jaune, jaune);
    const float d = float(diametre);
    const long pointe = pointeMemoireKo();
    c.setGeometrieForme(0, QRectF(-d / 2, d / 2, d, d));
    const QImage vue = z.ecran();
    QCOMPARE(QColor(vue.pixel(150, 150)), jaune);
    QCOMPARE(QColor(vue.pixel(1, 150)), jaune);
    QCOMPARE(QColor(vue.pixel(1, 1)) == jaune, coinCouvert);
    // The whole area is 360 kB; a cache the size of the disc would take gigabytes.
    QVERIFY2(pointeMemoireKo() - pointe < 32 * 1024, qPrintable(QString::number(pointe)));
}

QTEST_MAIN(TestCosmos)
#include "tst_cosmos.moc"
