// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SurveillanceEcran.h"

#include <QScreen>
#include <QWidget>
#include <QtTest>

namespace {

void montre(QWidget& fenetre, const QRect& geometrie) {
    fenetre.setGeometry(geometrie);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
}

} // namespace

class TestSurveillanceEcran : public QObject {
    Q_OBJECT

private slots:
    void chaqueFenetreRevientDansLaZone_data() {
        QTest::addColumn<int>("active"); // 0: the main window, 1: the other, -1: none
        QTest::newRow("principale active") << 0;
        QTest::newRow("l'autre active") << 1;
        QTest::newRow("aucune active") << -1;
    }

    // Both windows of the program are treated whichever is active: the main window, as
    // wide as it can be but past the right edge, comes back inside; the other, too high,
    // is pinned to the top of the work area.
    void chaqueFenetreRevientDansLaZone() {
        QFETCH(int, active);
        const QRect zone = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget principale;
        QWidget autre;
        montre(principale, QRect(zone.x() + 400, zone.y() + 30, zone.width() - 300, 100));
        montre(autre, QRect(zone.x() + 50, zone.y() + 20, 120, zone.height()));
        QWidget* fenetres[] = {&principale, &autre};
        QApplication::setActiveWindow(active < 0 ? nullptr : fenetres[active]);
        const QRect principaleAvant = principale.frameGeometry();
        const QRect autreAvant = autre.frameGeometry();
        QVERIFY(principaleAvant.right() > zone.right());
        QVERIFY(autreAvant.height() > zone.height());

        SurveillanceEcran().SysInf_DisplayChanged();
        // Border included: the outer right edge on the work area's right edge, size kept.
        QCOMPARE(principale.frameGeometry(),
                 QRect(QPoint(zone.right() - principaleAvant.width() + 1, principaleAvant.y()),
                       principaleAvant.size()));
        QCOMPARE(autre.frameGeometry(),
                 QRect(autreAvant.x(), zone.y(), autreAvant.width(), zone.height()));
    }
};

QTEST_MAIN(TestSurveillanceEcran)
#include "tst_surveillanceecran.moc"
