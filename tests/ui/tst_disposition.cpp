// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's layout for many client areas: the drawing square, the panel and the
// scroll bars, at each edge of each range and a pixel either side. The panel is 200 x
// 569 pixels as designed, 8 pixels from the square; a bar is 15 pixels thick.

#include "Disposition.h"
#include "Tableau.h"

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
    void calcule_data() { Tableau::lignes(QStringLiteral("ui/disposition.txt")); }

    void calcule() {
        QFETCH(QStringList, colonnes);
        const QStringList client = colonnes.value(0).split(u' ');
        const QSize taille(client.value(0).toInt(), client.value(1).toInt());
        QCOMPARE(decrit(Disposition::calcule({taille, QSize(200, 569), 8, 15})), colonnes.value(1));
    }
};

QTEST_APPLESS_MAIN(TstDisposition)
#include "tst_disposition.moc"
