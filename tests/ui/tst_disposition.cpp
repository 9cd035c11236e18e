// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's layout for many client areas: the drawing square, the panel and the
// scroll bars, at each edge of each range and a pixel either side. The panel is 200 x
// 569 pixels as designed, 8 pixels from the square; a bar is 15 pixels thick.

#include "Disposition.h"

#include <QtTest>

namespace {

// "carré 777, panneau 785, V 985+0 x569 0, H -" : each bar as its place, size and range.
QString decrit(const Disposition::Plan& p) {
    auto barre = [](const QRect& r, int plage) {
        return r.isEmpty() ? QStringLiteral("-")
                           : QStringLiteral("%1+%2 %3x%4 %5")
                                 .arg(r.x())
                                 .arg(r.y())
                                 .arg(r.width())
                                 .arg(r.height())
                                 .arg(plage);
    };
    return QStringLiteral("carré %1, panneau %2, V %3, H %4")
        .arg(p.cosmos.width())
        .arg(p.panneau.x())
        .arg(barre(p.barreVerticale, p.plageVerticale),
             barre(p.barreHorizontale, p.plageHorizontale));
}

} // namespace

class TstDisposition : public QObject {
    Q_OBJECT

private slots:
    void calcule_data() {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("attendu");
        // As designed, and wider: the square of the height, the panel 8 pixels beside it.
        QTest::newRow("987 x 777") << QSize(987, 777) << "carré 777, panneau 785, V -, H -";
        QTest::newRow("1600 x 777") << QSize(1600, 777) << "carré 777, panneau 785, V -, H -";
        QTest::newRow("juste assez large") << QSize(985, 777) << "carré 777, panneau 785, V -, H -";
        // One pixel narrower: the square gives way, the panel stays whole.
        QTest::newRow("un pixel de moins") << QSize(984, 777) << "carré 776, panneau 784, V -, H -";
        QTest::newRow("portrait 766 x 1000")
            << QSize(766, 1000) << "carré 558, panneau 566, V -, H -";
        // Lower than the panel: its bar at its right edge, room made for it when needed.
        QTest::newRow("panneau juste") << QSize(987, 569) << "carré 569, panneau 577, V -, H -";
        QTest::newRow("un pixel trop bas")
            << QSize(987, 568) << "carré 568, panneau 576, V 776+0 15x568 1, H -";
        QTest::newRow("640 x 455")
            << QSize(640, 455) << "carré 417, panneau 425, V 625+0 15x455 114, H -";
        // No room for any square: only then does the panel scroll sideways.
        QTest::newRow("208 x 600") << QSize(208, 600) << "carré 0, panneau 8, V -, H -";
        QTest::newRow("207 x 600")
            << QSize(207, 600) << "carré 0, panneau 8, V -, H 0+585 207x15 1";
        QTest::newRow("200 x 300")
            << QSize(200, 300) << "carré 0, panneau 8, V 185+0 15x285 284, H 0+285 185x15 23";
        QTest::newRow("réduite") << QSize(987, 0) << "carré 0, panneau 8, V -, H -";
    }

    void calcule() {
        QFETCH(QSize, client);
        QFETCH(QString, attendu);
        QCOMPARE(decrit(Disposition::calcule({client, QSize(200, 569), 8, 15})), attendu);
    }
};

QTEST_APPLESS_MAIN(TstDisposition)
#include "tst_disposition.moc"
