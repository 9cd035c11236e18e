// SPDX-License-Identifier: GPL-3.0-or-later
// The window opened on screens smaller than its designed size (987 x 777 pixels of
// client area): it must open inside the work area, never past its edges.

#include "AideFenetre.h"

#include <QScreen>

using namespace AideFenetre;

class TestPetitsEcrans : public QObject {
    Q_OBJECT

private slots:
    void ouvertDansLaZoneDeTravail_data();
    void ouvertDansLaZoneDeTravail();
};

namespace {

QScreen* ecranNomme(const QString& nom) {
    for (QScreen* ecran : QGuiApplication::screens()) {
        if (ecran->name() == nom) {
            return ecran;
        }
    }
    return nullptr;
}

// The window's client size when it is first shown, before any later fitting.
class PremiereTaille : public QObject {
public:
    QSize taille;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::Show && !taille.isValid()) {
            taille = static_cast<QWidget*>(objet)->size();
        }
        return false;
    }
};

} // namespace

void TestPetitsEcrans::ouvertDansLaZoneDeTravail_data() {
    QTest::addColumn<QString>("ecran");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<bool>("quitterAccessible");
    // The offscreen frame is 2 px on each side. The panel is 569 px high: a lower
    // client area cuts its bottom, as the layout wants.
    QTest::newRow("large") << "large" << QSize(987, 777) << true;
    QTest::newRow("1366x768") << "1366x768" << QSize(987, 764) << true;
    QTest::newRow("1024x600") << "1024x600" << QSize(987, 596) << true;
    QTest::newRow("800x600") << "800x600" << QSize(796, 596) << true;
    QTest::newRow("640x480") << "640x480" << QSize(636, 476) << false;
}

void TestPetitsEcrans::ouvertDansLaZoneDeTravail() {
    QFETCH(QString, ecran);
    QFETCH(QSize, taille);
    QFETCH(bool, quitterAccessible);
    QScreen* e = ecranNomme(ecran);
    QVERIFY2(e, "the offscreen screens come from tests/ecrans.json");
    const QRect zone = e->availableGeometry();

    Sidrane f(donneesLivrees());
    PremiereTaille premiere;
    f.installEventFilter(&premiere);
    f.move(zone.topLeft() + QPoint(30, 20));
    f.chargeSansSplash();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    // Never shown larger than the work area, not even for a moment.
    QVERIFY2(
        premiere.taille.width() <= zone.width() && premiere.taille.height() <= zone.height(),
        qPrintable(
            QStringLiteral("%1 x %2").arg(premiere.taille.width()).arg(premiere.taille.height())));
    QTRY_COMPARE(f.size(), taille);
    QVERIFY(zone.contains(f.frameGeometry()));
    // Laid out for the fitted size: the drawing area fills the client height.
    QCOMPARE(f.cosmos()->geometry(), QRect(0, 0, taille.height(), taille.height()));
    const QPushButton* quitter = f.tablecom()->CmdFin;
    const QRect rectQuitter(quitter->mapTo(&f, QPoint()), quitter->size());
    QCOMPARE(f.rect().contains(rectQuitter), quitterAccessible);
}

QTEST_MAIN(TestPetitsEcrans)
#include "tst_petitsecrans.moc"
