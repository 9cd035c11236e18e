// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// A slider on its own, as the panel places it: what it reports as the mouse, the keys
// and screen readers move its knob, and where the knob shows on the screen.

#include "AccesGlissiere.h"
#include "Glissiere.h"
#include "Tableau.h"

#include <QAccessible>
#include <QScreen>
#include <QToolTip>
#include <QtTest>

namespace {

// Pictures of the designed sizes: a grey background 158 x 38 and a red knob 20 x 20.
QPixmap uni(QSize taille, QColor couleur) {
    QPixmap p(taille);
    p.fill(couleur);
    return p;
}

// A slider of `crans` notches at the field slider's place in a panel, and what it says.
struct Banc {
    QWidget panneau;
    Glissiere* g;
    QStringList journal;

    explicit Banc(int crans) {
        panneau.resize(200, 400);
        g = new Glissiere(&panneau, uni({20, 20}, Qt::red), uni({158, 38}, Qt::gray),
                          {{240, 4240, 2370, 495}, {360, 4390, 285, 300}, {240, 4240}});
        QStringList textes;
        for (int k = 1; k <= crans; ++k) {
            textes << QStringLiteral("cran %1").arg(k);
        }
        g->setCrans(textes, 3);
        QObject::connect(g, &Glissiere::glisse, [this](int c) { note("G", c); });
        QObject::connect(g, &Glissiere::relache, [this](int c) { note("R", c); });
        QObject::connect(g, &Glissiere::clique, [this](int c) { note("C", c); });
        panneau.show();
    }
    void note(const char* quoi, int cran) {
        journal << QLatin1String(quoi) + QString::number(cran);
    }
    QString lu() { return journal.join(u' '); }

    // x in pixels from the track's left edge (15 twips each), y in its middle.
    QPoint point(int x, int y = 16) const { return QPoint(x, y); }
    void presse(int x, Qt::MouseButton b = Qt::LeftButton, int y = 16) {
        QTest::mousePress(g, b, Qt::NoModifier, point(x, y));
    }
    // A move with the button held: QTest::mouseMove does not carry it reliably offscreen.
    void glisse(int x, Qt::MouseButtons tenus = Qt::LeftButton) {
        QMouseEvent e(QEvent::MouseMove, point(x), g->mapToGlobal(point(x)), Qt::NoButton, tenus,
                      Qt::NoModifier);
        QApplication::sendEvent(g, &e);
    }
    void relache(int x, Qt::MouseButton b = Qt::LeftButton, int y = 16) {
        QTest::mouseRelease(g, b, Qt::NoModifier, point(x, y));
    }
    void clique(int x, Qt::MouseButton b = Qt::LeftButton) {
        presse(x, b);
        relache(x, b);
    }
    QImage ecran() {
        QCoreApplication::processEvents();
        return panneau.screen()->grabWindow(panneau.winId()).toImage();
    }
};

// Pixel on the track that centres the knob in notch k of notches `cran` twips wide.
int milieuDuCran(int k, int cran) {
    return qRound(((k - 0.5) * cran + 217.5) / 15);
}

} // namespace

class TstGlissiere : public QObject {
    Q_OBJECT

private slots:
    void clic_data() { Tableau::lignes(QStringLiteral("view/clics.txt")); }

    // A press moves the knob and says nothing; the release and the click name its notch.
    void clic() {
        QFETCH(QStringList, colonnes);
        const QStringList c = colonnes.value(0).split(u' ');
        const int x = c.value(1).toInt();
        const Qt::MouseButton bouton = c.value(2) == QLatin1String("gauche")  ? Qt::LeftButton
                                       : c.value(2) == QLatin1String("droit") ? Qt::RightButton
                                                                              : Qt::MiddleButton;
        Banc b(c.value(0).toInt());
        b.presse(x, bouton);
        QCOMPARE(b.g->gaucheBouton(), colonnes.value(1).toDouble());
        QCOMPARE(b.lu(), QString());
        b.relache(x, bouton);
        QCOMPARE(b.lu(), colonnes.value(2));
        QCOMPARE(b.g->gaucheBouton(), colonnes.value(1).toDouble());
    }

    void glisser() {
        Banc b(9);
        b.presse(milieuDuCran(3, 215));
        b.glisse(milieuDuCran(3, 215) + 3);
        b.glisse(milieuDuCran(4, 215));
        b.glisse(milieuDuCran(6, 215));
        const double gauche = b.g->gaucheBouton();
        // Beyond the travel the knob stays where the pointer last was inside it.
        b.glisse(150);
        b.glisse(2);
        QCOMPARE(b.g->gaucheBouton(), gauche);
        // Released off the track: no click.
        b.relache(2, Qt::LeftButton, 60);
        QCOMPARE(b.lu(), QStringLiteral("G3 G4 G6 R6"));
        // The drag is over: moves no longer reach the knob.
        b.glisse(milieuDuCran(8, 215));
        QCOMPARE(b.g->gaucheBouton(), gauche);
    }

    void sansPressionSurLaPiste_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("journal");
        // A press in a dead margin moves nothing; its release still says where the knob is.
        QTest::newRow("marge") << 4 << 16 << "R3 C3";
        // The strip of background below the track is not the slider's: nothing at all.
        QTest::newRow("sous la piste") << 80 << 34 << "";
    }

    void sansPressionSurLaPiste() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, journal);
        Banc b(9);
        // No button: the track does not follow the mouse.
        b.glisse(80, Qt::NoButton);
        b.glisse(90, Qt::LeftButton);
        b.presse(x, Qt::LeftButton, y);
        b.glisse(100);
        b.relache(100);
        QCOMPARE(b.g->gaucheBouton(), 852.5);
        QCOMPARE(b.lu(), journal);
    }

    // The knob on the screen: drawn where its notch puts it, gone from where it was.
    void boutonALEcran() {
        Banc b(9);
        QVERIFY(QTest::qWaitForWindowExposed(&b.panneau));
        const QPoint coin = b.g->pos();
        auto rouge = [&b, coin](int x) {
            return b.ecran().pixel(coin + QPoint(x, 20)) == qRgb(255, 0, 0);
        };
        // 852.5 twips: pixels 57 to 75 of the panel, 41 to 59 of the slider.
        QVERIFY(rouge(41) && rouge(59) && !rouge(40) && !rouge(60));
        b.clique(milieuDuCran(7, 215));
        QVERIFY(!rouge(50));
        QVERIFY(rouge(b.g->rectangleBouton().center().x()));
    }

    void touches_data() { Tableau::lignes(QStringLiteral("view/touches.txt")); }

    void touches() {
        QFETCH(QStringList, colonnes);
        const int crans = colonnes.value(0).toInt();
        Banc b(crans);
        for (const QString& touche : colonnes.value(1).split(u' ')) {
            QTest::keyClick(b.g, QKeySequence(touche)[0].key());
        }
        QCOMPARE(b.lu(), colonnes.value(2));
        // The knob stands where start-up places it for that notch.
        const int cran = b.g->cran();
        const int largeur = crans == 9 ? 215 : 161;
        QCOMPARE(b.g->gaucheBouton(), 240 + 75 + (cran - 0.5) * largeur);
    }

    void lecteurDEcran() {
        QAccessible::installFactory(
            [](const QString& classe, QObject* objet) -> QAccessibleInterface* {
                return classe == QLatin1String("Glissiere")
                           ? new AccesGlissiere(static_cast<Glissiere*>(objet))
                           : nullptr;
            });
        Banc b(9);
        QAccessibleInterface* acces = QAccessible::queryAccessibleInterface(b.g);
        QVERIFY(acces);
        QCOMPARE(acces->role(), QAccessible::Slider);
        QAccessibleValueInterface* valeur = acces->valueInterface();
        QCOMPARE(valeur->currentValue().toInt(), 3);
        QCOMPARE(valeur->minimumValue().toInt(), 1);
        QCOMPARE(valeur->maximumValue().toInt(), 9);
        QCOMPARE(valeur->minimumStepSize().toInt(), 1);
        QCOMPARE(acces->text(QAccessible::Value), QStringLiteral("cran 3"));
        // Setting the value clicks in the middle of that notch, held to the notches.
        valeur->setCurrentValue(7);
        valeur->setCurrentValue(99);
        QCOMPARE(b.lu(), QStringLiteral("R7 C7 R9 C9"));
        QCOMPARE(acces->text(QAccessible::Value), QStringLiteral("cran 9"));
        // A pace that no notch stands for is what the slider says it holds.
        b.g->setTexteImpose(QStringLiteral("lent"));
        QCOMPARE(acces->text(QAccessible::Value), QStringLiteral("lent"));
        b.g->setTexteImpose(QString());
        QCOMPARE(acces->text(QAccessible::Value), QStringLiteral("cran 9"));
    }

    void bulles_data() { Tableau::lignes(QStringLiteral("view/bulles.txt")); }

    void bulles() {
        QFETCH(QStringList, colonnes);
        const int y = colonnes.value(0).toInt();
        Banc b(9);
        QVERIFY(QTest::qWaitForWindowExposed(&b.panneau));
        b.g->setBulles(colonnes.value(1), colonnes.value(2));
        QToolTip::hideText();
        QHelpEvent aide(QEvent::ToolTip, QPoint(80, y), b.g->mapToGlobal(QPoint(80, y)));
        QApplication::sendEvent(b.g, &aide);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), colonnes.value(3));
    }
};

QTEST_MAIN(TstGlissiere)
#include "tst_glissiere.moc"
