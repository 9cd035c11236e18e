// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// Captions never clipped: whatever font the machine gives, a caption that does not
// fit its control is drawn smaller, and the control keeps its place and size.

#include "AideFenetre.h"
#include "Polices.h"
#include "Tableau.h"

#include <QFontMetricsF>
#include <QStyleOptionButton>

using namespace AideFenetre;

namespace {

QString texte(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        return b->text();
    }
    return qobject_cast<const QLabel*>(w)->text();
}

void setTexte(QWidget* w, const QString& t) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->setText(t);
    } else {
        qobject_cast<QLabel*>(w)->setText(t);
    }
}

} // namespace

class TestLegendes : public QObject {
    Q_OBJECT

private slots:
    void legendeLargeTientDansSonControle_data() {
        Tableau::lignes(QStringLiteral("ui/legendes.txt"));
    }

    void legendeLargeTientDansSonControle() {
        QFETCH(QStringList, colonnes);
        const QString controle = colonnes.value(0);
        const QString longue = colonnes.value(1);
        const QString courte = colonnes.value(2);
        auto f = ouvre();
        QVERIFY(f);
        auto* w = f->findChild<QWidget*>(controle);
        QVERIFY(w);
        const QRect geometrie = w->geometry();
        // The panel's font at its designed size, made a third wider.
        QFont large = Polices::tahoma(8.25);
        large.setLetterSpacing(QFont::PercentageSpacing, 133);
        w->setFont(large);

        setTexte(w, longue);
        w->grab();
        QCOMPARE(texte(w), longue);
        QCOMPARE(w->geometry(), geometrie);
        const qreal largeur = QFontMetricsF(w->font()).horizontalAdvance(longue);
        QVERIFY2(largeur + 2 <= w->width(),
                 qPrintable(QString("%1 px in %2").arg(largeur).arg(w->width())));
        QCOMPARE(w->font().letterSpacing(), large.letterSpacing());

        setTexte(w, courte);
        w->grab();
        QCOMPARE(w->font().pointSizeF(), 8.25);
    }

    void legendeGardeSaMarge_data() {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<int>("air");
        // Pixels kept free on each side of the caption: a button's bevel, a box's border.
        QTest::newRow("bouton") << "CmdCls" << 2;
        QTest::newRow("afficheur") << "LbOrbite" << 1;
    }

    void legendeGardeSaMarge() {
        QFETCH(QString, controle);
        QFETCH(int, air);
        auto f = ouvre();
        QVERIFY(f);
        auto* w = f->findChild<QWidget*>(controle);
        QVERIFY(w);
        // Where a caption may go: a button's label area, a label's contents.
        int place = w->contentsRect().width();
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(b);
            place = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b).width();
        }
        // A caption spaced out to one pixel less than that place: it fits, but not with its air.
        const QString legende = QStringLiteral("Effacer les traces");
        QFont police = Polices::tahoma(8.25);
        const qreal naturelle = QFontMetricsF(police).horizontalAdvance(legende);
        police.setLetterSpacing(QFont::AbsoluteSpacing, (place - 1 - naturelle) / legende.size());
        const qreal espacee = QFontMetricsF(police).horizontalAdvance(legende);
        QVERIFY2(espacee > place - 2 * air && espacee <= place,
                 qPrintable(QStringLiteral("%1 px in %2").arg(espacee).arg(place)));
        w->setFont(police);
        setTexte(w, legende);
        w->grab();
        const qreal largeur = QFontMetricsF(w->font()).horizontalAdvance(legende);
        QVERIFY2(largeur + 2 * air <= place,
                 qPrintable(QStringLiteral("%1 px in %2").arg(largeur).arg(place)));
    }
};

QTEST_MAIN(TestLegendes)
#include "tst_legendes.moc"
