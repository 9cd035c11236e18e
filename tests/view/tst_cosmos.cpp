// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing area on its own, shown pictures as the orrery makes them: its kilometre
// scale, its discs, names and traces as they reach the screen.

#include "Cosmos.h"

#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QtTest>
#include <algorithm>
#include <climits>

namespace {

// A shown area of w x h pixels scaled to +-E km, inside a window as in the program
// (a child can shrink to nothing, as when the window is minimised).
struct Zone {
    QWidget fenetre;
    Cosmos* c = new Cosmos(&fenetre);
    Instantane vue; // every disc hidden

    bool prepare(int w, int h, float e) {
        fenetre.resize(qMax(w, 400), qMax(h, 400));
        c->setGeometry(0, 0, w, h);
        fenetre.show();
        vue.Echelle = e;
        c->montre(vue);
        return QTest::qWaitForWindowExposed(&fenetre);
    }

    // The picture again with `cercles` drawn, after clearing when `efface`.
    void dessine(std::vector<Cercle> cercles, bool efface = false) {
        vue.cercles = std::move(cercles);
        vue.efface = efface;
        c->montre(vue);
        vue.cercles.clear();
        vue.efface = false;
    }

    void disque(int i, const QRectF& km, bool visible = true) {
        vue.ShSidrane[i] = {float(km.left()), float(km.top()), float(km.width()),
                            float(km.height()), visible};
        c->montre(vue);
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

class TestCosmos : public QObject {
    Q_OBJECT

private slots:
    void echelleCentreeYVersLeHaut_data() {
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<double>("e");
        QTest::newRow("Terre") << QSize(777, 777) << 164558080.0;
        QTest::newRow("Pluton, au-dela des entiers") << QSize(777, 777) << 6.5e9;
        QTest::newRow("rectangle") << QSize(300, 120) << 6.5e9;
    }

    void echelleCentreeYVersLeHaut() {
        QFETCH(QSize, taille);
        QFETCH(double, e);
        e = float(e); // the scale the orrery keeps
        QVERIFY(e > INT_MAX || taille.width() == 777);
        Zone z;
        QVERIFY(z.prepare(taille.width(), taille.height(), float(e)));
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
    }

    void transitions_data() {
        QTest::addColumn<QString>("ordre");
        // Erase, resize, draw and show, in every order, after a first disc A. Each letter:
        // E Cls, R a resize, D a second disc B, P the screen looked at.
        QString ordre = QStringLiteral("DEPR");
        do {
            QTest::newRow(qPrintable(ordre)) << ordre;
        } while (std::next_permutation(ordre.begin(), ordre.end()));
    }

    void transitions() {
        QFETCH(QString, ordre);
        Zone z;
        QVERIFY(z.prepare(300, 300, 1000));
        Cosmos& c = *z.c;
        // A name whose top-left corner stands a quarter of the way from the top-right corner.
        z.vue.LbNom[1] = {500, 500, true};
        // Two places, at a quarter and three quarters.
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
        // Rings 30 pixels across at 300 pixels, 3 wide so that their middle shows.
        auto anneau = [&z](QPointF centre, int32_t couleur) {
            z.dessine({{float(centre.x()), float(centre.y()), 100, couleur},
                       {float(centre.x()), float(centre.y()), 6, couleur}});
        };
        anneau(a, 0xFF0000);
        verifie(QStringLiteral("A"));
        for (const QChar op : ordre) {
            if (op == u'E') {
                z.dessine({}, true);
                aMontre = bMontre = false;
            } else if (op == u'R') {
                c.resize(240, 240);
            } else if (op == u'D') {
                anneau(b, 0x00FF00);
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

    void disqueEnPixels_data() {
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<QRectF>("km");
        QTest::addColumn<QRectF>("pixels");
        // An area of +-1000 km: 0.15 pixel per km across 300 pixels, 0.075 down 150.
        QTest::newRow("au centre")
            << QSize(300, 300) << QRectF(-100, 100, 200, 200) << QRectF(135, 135, 30, 30);
        QTest::newRow("en haut à gauche")
            << QSize(300, 300) << QRectF(-1000, 1000, 20, 20) << QRectF(0, 0, 3, 3);
        QTest::newRow("zone aplatie")
            << QSize(300, 150) << QRectF(-100, 100, 200, 200) << QRectF(135, 67.5, 30, 15);
    }

    void disqueEnPixels() {
        QFETCH(QSize, taille);
        QFETCH(QRectF, km);
        QFETCH(QRectF, pixels);
        Zone z;
        QVERIFY(z.prepare(taille.width(), taille.height(), 1000));
        z.disque(0, km);
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

    void soleilPeint() {
        Zone z;
        QVERIFY(z.prepare(300, 300, 1000));
        const QColor jaune(255, 200, 0);
        z.c->setAstre(0, QStringLiteral("Soleil"), jaune);
        z.disque(0, QRectF(-100, 100, 200, 200)); // 30 pixels across, at the centre
        const QImage vue = z.ecran();
        QCOMPARE(QColor(vue.pixel(150, 150)), jaune);
        QCOMPARE(QColor(vue.pixel(150, 138)), jaune);
        QCOMPARE(QColor(vue.pixel(150, 130)), QColor(Qt::black));
        // Moved, then hidden: the screen keeps nothing of where it was.
        z.disque(0, QRectF(400, 100, 200, 200));
        QCOMPARE(QColor(z.ecran().pixel(150, 150)), QColor(Qt::black));
        QCOMPARE(QColor(z.ecran().pixel(225, 150)), jaune);
        z.disque(0, QRectF(400, 100, 200, 200), false);
        QCOMPARE(QColor(z.ecran().pixel(225, 150)), QColor(Qt::black));
    }

    void cerclesALEcranApresLePassage_data() {
        QTest::addColumn<QString>("avant");
        // What may come between two placement passes.
        QTest::newRow("premier passage") << QString();
        QTest::newRow("apres un passage") << QStringLiteral("passage");
        QTest::newRow("apres un effacement") << QStringLiteral("Cls");
        QTest::newRow("apres un redimensionnement") << QStringLiteral("taille");
        QTest::newRow("apres un affichage") << QStringLiteral("peinture");
    }

    void cerclesALEcranApresLePassage() {
        QFETCH(QString, avant);
        Zone z;
        QVERIFY(z.prepare(300, 300, 1000));
        Cosmos& c = *z.c;
        // A pass as the clock runs one: each body's circle in its own colour.
        auto passage = [&z](float y, int32_t couleur) {
            std::vector<Cercle> cercles;
            for (int i = 0; i < 4; ++i) {
                cercles.push_back({float(i * 400 - 600), y, 50, couleur});
            }
            z.dessine(cercles);
        };
        if (avant == QLatin1String("passage")) {
            passage(-500, 0x00FF00);
        } else if (avant == QLatin1String("Cls")) {
            passage(-500, 0x00FF00);
            z.dessine({}, true);
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

    void disqueImmenseRemplitLaZone_data() {
        QTest::addColumn<double>("diametre");
        QTest::addColumn<bool>("coinCouvert");
        // Diameters in km on an area of +-1000 km: 1.3 times the area's side and beyond.
        QTest::newRow("un peu plus grand que la zone") << 2600.0 << false;
        QTest::newRow("17 fois la zone") << 34000.0 << true;
        QTest::newRow("1e6") << 1e6 << true;
        QTest::newRow("1e20") << 1e20 << true;
        QTest::newRow("1e30") << 1e30 << true;
    }

    void disqueImmenseRemplitLaZone() {
        QFETCH(double, diametre);
        QFETCH(bool, coinCouvert);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        Zone z;
        QVERIFY(z.prepare(300, 300, 1000));
        const QColor jaune(255, 200, 0);
        z.c->setAstre(0, QStringLiteral("Soleil"), jaune);
        const double d = diametre;
        const long pointe = pointeMemoireKo();
        z.disque(0, QRectF(-d / 2, d / 2, d, d));
        const QImage vue = z.ecran();
        QCOMPARE(QColor(vue.pixel(150, 150)), jaune);
        QCOMPARE(QColor(vue.pixel(1, 150)), jaune);
        QCOMPARE(QColor(vue.pixel(1, 1)) == jaune, coinCouvert);
        // The whole area is 360 kB; a cache the size of the disc would take gigabytes.
        QVERIFY2(pointeMemoireKo() - pointe < 32 * 1024, qPrintable(QString::number(pointe)));
    }

    // The picture saved is the area as shown, names included, without the focus mark.
    void photo() {
        Zone z;
        QVERIFY(z.prepare(300, 300, 1000));
        z.c->setAstre(1, QStringLiteral("Mercure"), QColor(255, 255, 255));
        z.vue.LbNom[1] = {0, 0, true}; // at the centre
        z.dessine({{-500, 500, 100, 0x00FF00}});
        z.c->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(z.c->hasFocus());
        const QImage photo = z.c->photo();
        QCOMPARE(photo.size(), QSize(300, 300));
        QCOMPARE(photo.pixel(0, 0) & 0xFFFFFF, 0u);
        QCOMPARE(photo.copy(0, 0, 300, 300),
                 z.ecran().copy(0, 0, 300, 300).convertToFormat(photo.format()));
        QVERIFY(qGreen(photo.pixel(75, 60)) > 0);
        int blancs = 0;
        for (int y = 150; y < 170; ++y) {
            for (int x = 150; x < 200; ++x) {
                blancs += qRed(photo.pixel(x, y)) > 128;
            }
        }
        QVERIFY(blancs > 10);
    }
};

QTEST_MAIN(TestCosmos)
#include "tst_cosmos.moc"
