// The drawing area on its own: its kilometre scale, the persistent trace image and the discs.

#include "Cosmos.h"

#include <QtTest>
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
    void largeurRapportee();
    void soleilPeint();
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
};

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
    QCOMPARE(c.ScaleHeight(), -2 * e);
}

void TestCosmos::cercleDansSaCouleur_data() {
    QTest::addColumn<bool>("plein");
    QTest::addColumn<QColor>("centre");
    // Traces are outlines; the area as created fills its circles in yellow.
    QTest::newRow("contour") << false << QColor(Qt::black);
    QTest::newRow("rempli") << true << QColor(255, 255, 0);
}

void TestCosmos::cercleDansSaCouleur() {
    QFETCH(bool, plein);
    QFETCH(QColor, centre);
    Zone z;
    QVERIFY(z.prepare(200, 200, 1000));
    Cosmos& c = *z.c;
    c.setFillSolid(plein);
    c.Circle(0, 0, 205, QColor(255, 0, 0)); // the ring through the middle of pixel 120
    const QRgb anneau = c.traces().pixel(120, 100);
    QVERIFY2(qRed(anneau) >= 200 && qGreen(anneau) <= 16 && qBlue(anneau) == 0,
             qPrintable(QColor(anneau).name()));
    QCOMPARE(QColor(c.traces().pixel(100, 100)), centre);
    QCOMPARE(c.traces().pixel(10, 10) & 0xFFFFFF, 0u);
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
    c.Circle(-500, 500, 100, QColor(0, 0, 255));
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
    Zone z;
    QVERIFY(z.prepare(300, 300, 1000));
    Cosmos& c = *z.c;
    c.setFillSolid(false);
    for (int i = 0; i < 12; ++i) {
        c.Circle(i * 150 - 800, i * 100 - 600, 40, QColor(0, 200, 255));
    }
    const QImage avant = c.traces();
    // A window edge dragged in and back out: one resize per mouse move.
    for (int cote = 298; cote >= 200; cote -= 2) {
        c.resize(cote, cote);
    }
    for (int cote = 202; cote <= 300; cote += 2) {
        c.resize(cote, cote);
    }
    QCOMPARE(c.traces(), avant);
}

void TestCosmos::clsRendToutNoir() {
    Zone z;
    QVERIFY(z.prepare(200, 200, 1000));
    Cosmos& c = *z.c;
    for (int i = 0; i < 5; ++i) {
        c.Circle(i * 150 - 300, 0, 100, QColor(0, 255, 0));
    }
    c.Cls();
    QImage noir(c.traces().size(), c.traces().format());
    noir.fill(Qt::black);
    QCOMPARE(c.traces(), noir);
}

void TestCosmos::largeurRapportee() {
    Zone z;
    QVERIFY(z.prepare(570, 570, 1.2e9));
    Cosmos& c = *z.c;
    // Disc sizes are single precision: what is read back is the float of what was asked.
    const double largeur = 36.0 * 2.4e9 / 570;
    QCOMPARE(c.setLargeurForme(0, static_cast<float>(largeur)), static_cast<float>(largeur));
    QCOMPARE(c.forme(0).Width, static_cast<float>(largeur));
    QCOMPARE(c.setHauteurForme(0, c.forme(0).Width), static_cast<float>(largeur));
}

void TestCosmos::soleilPeint() {
    Zone z;
    QVERIFY(z.prepare(300, 300, 1000));
    Cosmos& c = *z.c;
    const QColor jaune(255, 200, 0);
    c.setCouleursForme(0, jaune, jaune, jaune);
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

QTEST_MAIN(TestCosmos)
#include "tst_cosmos.moc"
