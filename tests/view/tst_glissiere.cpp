// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// A slider on its own, as the panel places it: what it reports as the mouse, the keys
// and screen readers move its knob, and where the knob shows on the screen.

#include "AccesGlissiere.h"
#include "Glissiere.h"

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
    void clic_data() {
        QTest::addColumn<int>("crans");
        QTest::addColumn<int>("x");
        QTest::addColumn<Qt::MouseButton>("bouton");
        QTest::addColumn<double>("gaucheBouton");
        QTest::addColumn<QString>("journal");
        const double initial = 852.5; // notch 3 of 215 twips: 240 + 75 + 2.5 x 215
        // Pixels of 15 twips: dead margins below 75 and above 2295, knob travel 218..2152.
        QTest::newRow("marge gauche") << 9 << 4 << Qt::LeftButton << initial << "R3 C3";
        QTest::newRow("marge droite") << 9 << 154 << Qt::LeftButton << initial << "R3 C3";
        QTest::newRow("avant la course") << 9 << 5 << Qt::LeftButton << 315.5 << "R1 C1";
        QTest::newRow("après la course") << 9 << 153 << Qt::LeftButton << 2249.5 << "R9 C9";
        QTest::newRow("bouton droit") << 9 << 80 << Qt::RightButton << 1297.5 << "R5 C5";
        QTest::newRow("bouton du milieu") << 9 << 80 << Qt::MiddleButton << 1297.5 << "R5 C5";
        // Twelve notches of 161 twips; past the last one the travel's end still reads 12.
        QTest::newRow("x = 1005") << 12 << 67 << Qt::LeftButton << 1102.5 << "R5 C5";
        QTest::newRow("fin de course") << 12 << 144 << Qt::LeftButton << 2249.5 << "R12 C12";
        // The middle of notch 8 is pixel 95: 1425 twips, a knob from 1425 + 240 - 142.5.
        QTest::newRow("cran 8") << 12 << milieuDuCran(8, 161) << Qt::LeftButton << 1522.5
                                << "R8 C8";
        QTest::newRow("cran 11") << 12 << milieuDuCran(11, 161) << Qt::LeftButton << 2002.5
                                 << "R11 C11";
    }

    // A press moves the knob and says nothing; the release and the click name its notch.
    void clic() {
        QFETCH(int, crans);
        QFETCH(int, x);
        QFETCH(Qt::MouseButton, bouton);
        QFETCH(double, gaucheBouton);
        QFETCH(QString, journal);
        Banc b(crans);
        b.presse(x, bouton);
        QCOMPARE(b.g->gaucheBouton(), gaucheBouton);
        QCOMPARE(b.lu(), QString());
        b.relache(x, bouton);
        QCOMPARE(b.lu(), journal);
        QCOMPARE(b.g->gaucheBouton(), gaucheBouton);
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

    void touches_data() {
        QTest::addColumn<int>("crans");
        QTest::addColumn<QList<int>>("touches");
        QTest::addColumn<QString>("journal");
        using L = QList<int>;
        // The knob starts in notch 3.
        QTest::newRow("droite") << 9 << L{Qt::Key_Right} << "R4 C4";
        QTest::newRow("haut") << 9 << L{Qt::Key_Up} << "R4 C4";
        QTest::newRow("gauche") << 9 << L{Qt::Key_Left} << "R2 C2";
        QTest::newRow("bas") << 9 << L{Qt::Key_Down} << "R2 C2";
        QTest::newRow("début") << 9 << L{Qt::Key_Home} << "R1 C1";
        // At an end a further key says nothing: no click where the knob already is.
        QTest::newRow("fin et au-delà") << 9 << L{Qt::Key_End, Qt::Key_Right} << "R9 C9";
        QTest::newRow("début et en deçà") << 12 << L{Qt::Key_Home, Qt::Key_Left} << "R1 C1";
        QTest::newRow("fin, puis gauche")
            << 12 << L{Qt::Key_End, Qt::Key_Left} << "R12 C12 R11 C11";
        // A page is a quarter of the notches, rounded up: 3 of 9 or of 12.
        QTest::newRow("page suivante") << 9 << L{Qt::Key_PageUp} << "R6 C6";
        QTest::newRow("page précédente au bout")
            << 12 << L{Qt::Key_PageDown, Qt::Key_PageDown} << "R1 C1";
        QTest::newRow("autre touche") << 9 << L{Qt::Key_A} << "";
    }

    void touches() {
        QFETCH(int, crans);
        QFETCH(QList<int>, touches);
        QFETCH(QString, journal);
        Banc b(crans);
        for (int cle : touches) {
            QTest::keyClick(b.g, Qt::Key(cle));
        }
        QCOMPARE(b.lu(), journal);
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

    void bulles_data() {
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("piste");
        QTest::addColumn<QString>("fond");
        QTest::addColumn<QString>("attendu");
        // The speed slider says it over its track and knob, the field slider over the strip
        // of its background below the track.
        QTest::newRow("vitesse, piste") << 20 << "Règle"
                                        << ""
                                        << "Règle";
        QTest::newRow("vitesse, sous la piste") << 35 << "Règle"
                                                << ""
                                                << "";
        QTest::newRow("champ, piste") << 20 << ""
                                      << "Règle"
                                      << "";
        QTest::newRow("champ, dernière ligne de la piste") << 32 << ""
                                                           << "Règle"
                                                           << "";
        QTest::newRow("champ, sous la piste") << 33 << ""
                                              << "Règle"
                                              << "Règle";
    }

    void bulles() {
        QFETCH(int, y);
        QFETCH(QString, piste);
        QFETCH(QString, fond);
        QFETCH(QString, attendu);
        Banc b(9);
        QVERIFY(QTest::qWaitForWindowExposed(&b.panneau));
        b.g->setBulles(piste, fond);
        QToolTip::hideText();
        QHelpEvent aide(QEvent::ToolTip, QPoint(80, y), b.g->mapToGlobal(QPoint(80, y)));
        QApplication::sendEvent(b.g, &aide);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), attendu);
    }
};

QTEST_MAIN(TstGlissiere)
#include "tst_glissiere.moc"
