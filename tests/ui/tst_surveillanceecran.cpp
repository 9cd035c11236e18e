// SPDX-License-Identifier: GPL-3.0-or-later
#include "SurveillanceEcran.h"

#include <QScreen>
#include <QWidget>
#include <QtTest>

class TestSurveillanceEcran : public QObject {
    Q_OBJECT

private slots:
    void seuleLaFenetreActiveEstAjustee();
    void sansFenetreActiveRienNeBouge();
};

namespace {

void montre(QWidget& fenetre, const QRect& geometrie) {
    fenetre.setGeometry(geometrie);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
}

} // namespace

void TestSurveillanceEcran::seuleLaFenetreActiveEstAjustee() {
    const QRect zone = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget principale;
    QWidget active;
    montre(principale, QRect(zone.x() + 40, zone.y() + 30, zone.width() + 200, 100));
    montre(active, QRect(zone.x() + 50, zone.y() + 20, 120, zone.height()));
    QApplication::setActiveWindow(&active);
    QVERIFY(QTest::qWaitForWindowActive(&active));
    const QRect avant = active.frameGeometry();
    const QRect principaleAvant = principale.frameGeometry();
    QVERIFY(avant.height() > zone.height());

    SurveillanceEcran().SysInf_DisplayChanged();
    // Too high only: pinned to the top of the work area, border included.
    QCOMPARE(active.frameGeometry(), QRect(avant.x(), zone.y(), avant.width(), zone.height()));
    QCOMPARE(principale.frameGeometry(), principaleAvant);
}

void TestSurveillanceEcran::sansFenetreActiveRienNeBouge() {
    const QRect zone = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget fenetre;
    montre(fenetre, QRect(zone.topLeft() + QPoint(10, 10), zone.size() + QSize(300, 300)));
    QApplication::setActiveWindow(nullptr);
    QVERIFY(!QApplication::activeWindow());
    const QRect avant = fenetre.frameGeometry();

    SurveillanceEcran().SysInf_DisplayChanged();
    QCOMPARE(fenetre.frameGeometry(), avant);
}

QTEST_MAIN(TestSurveillanceEcran)
#include "tst_surveillanceecran.moc"
