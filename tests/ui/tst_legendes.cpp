// SPDX-License-Identifier: GPL-3.0-or-later
// Captions never clipped: whatever font the machine gives, a caption that does not
// fit its control is drawn smaller, and the control keeps its place and size.

#include "AideFenetre.h"
#include "Polices.h"

#include <QFontMetricsF>

using namespace AideFenetre;

class TestLegendes : public QObject {
    Q_OBJECT

private slots:
    void legendeLargeTientDansSonControle_data();
    void legendeLargeTientDansSonControle();
};

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

void TestLegendes::legendeLargeTientDansSonControle_data() {
    QTest::addColumn<QString>("controle");
    QTest::addColumn<QString>("longue");
    QTest::addColumn<QString>("courte");
    // Captions that change while the program runs; then a short one, which must get
    // the control's own size back.
    QTest::newRow("trace") << "CmdTrace"
                           << "Suspendre la trace des planètes"
                           << "Trace";
    QTest::newRow("km") << "Labkm"
                        << "x 1000 km/jour"
                        << "km";
    QTest::newRow("course") << "LabCourse"
                            << "Distance parcourue par Neptune"
                            << "Distance";
    QTest::newRow("champ") << "LbOrbite"
                           << "Champ orbital : Neptune"
                           << "Mars";
}

void TestLegendes::legendeLargeTientDansSonControle() {
    QFETCH(QString, controle);
    QFETCH(QString, longue);
    QFETCH(QString, courte);
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

QTEST_MAIN(TestLegendes)
#include "tst_legendes.moc"
