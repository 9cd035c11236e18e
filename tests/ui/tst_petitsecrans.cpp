// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The window opened on screens smaller than its designed size (987 x 777 pixels of
// client area): it must open inside the work area, never past its edges, and every
// control of the panel must stay within reach.

#include "AideFenetre.h"
#include "LabelCliquable.h"

#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

using namespace AideFenetre;

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

QScrollBar* barre(const Sidrane& f) {
    return f.findChild<QScrollBar*>(QStringLiteral("DefilementPanneau"),
                                    Qt::FindDirectChildrenOnly);
}

// Tab after Tab from the panel to the last link, each control that takes the focus
// ("Quitter Sidranes", "A propos de" and "Contact" among them) lies within the
// client area's height.
void tabulationsJusquAuContact(Sidrane& f) {
    const Tablecom* t = f.tablecom();
    f.tablecom()->setFocus(Qt::TabFocusReason);
    for (int n = 0; n < 12 && !t->LabContact->hasFocus(); ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget* w = QApplication::focusWidget();
        const int haut = w->mapTo(&f, QPoint()).y();
        QVERIFY2(haut >= 0 && haut + w->height() <= f.height(), qPrintable(w->objectName()));
    }
    QVERIFY(t->LabContact->hasFocus());
}

} // namespace

class TestPetitsEcrans : public QObject {
    Q_OBJECT

private slots:
    void ouvertDansLaZoneDeTravail_data() {
        QTest::addColumn<QString>("ecran");
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<int>("cote"); // of the drawing square
        // The offscreen frame is 2 px on each side. The panel is 200 x 569 px, 8 px from the
        // square, and keeps its width: a narrow window has a smaller square; a low one a
        // 14 px bar, beside the panel.
        QTest::newRow("large") << "large" << QSize(987, 777) << 777;
        QTest::newRow("1366x768") << "1366x768" << QSize(987, 764) << 764;
        QTest::newRow("1024x600") << "1024x600" << QSize(987, 596) << 596;
        QTest::newRow("800x600") << "800x600" << QSize(796, 596) << 588;
        QTest::newRow("640x480") << "640x480" << QSize(636, 476) << 414;
    }

    void ouvertDansLaZoneDeTravail() {
        QFETCH(QString, ecran);
        QFETCH(QSize, taille);
        QFETCH(int, cote);
        QScreen* e = ecranNomme(ecran);
        QVERIFY2(e, "the offscreen screens come from tests/ecrans.json");
        const QRect zone = e->availableGeometry();

        auto proprietaire = cree();
        Sidrane& f = *proprietaire;
        PremiereTaille premiere;
        f.installEventFilter(&premiere);
        f.move(zone.topLeft() + QPoint(30, 20));
        f.chargeSansSplash();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        // Never shown larger than the work area, not even for a moment.
        QVERIFY2(premiere.taille.width() <= zone.width() &&
                     premiere.taille.height() <= zone.height(),
                 qPrintable(QStringLiteral("%1 x %2")
                                .arg(premiere.taille.width())
                                .arg(premiere.taille.height())));
        QTRY_COMPARE(f.size(), taille);
        QVERIFY(zone.contains(f.frameGeometry()));
        // Laid out for the fitted size: the drawing square, the whole panel beside it.
        QCOMPARE(f.cosmos()->geometry(), QRect(0, 0, cote, cote));
        QCOMPARE(f.tablecom()->pos(), QPoint(cote + 8, 0));
        QVERIFY(f.tablecom()->geometry().right() < taille.width());
        // Scrolled only when it does not fit.
        QCOMPARE(barre(f)->isVisible(), taille.height() < 569);
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        tabulationsJusquAuContact(f);
    }

    // A window the user made lower than the panel: the keyboard brings each control into
    // view, the bar and the wheel reach the bottom of the panel, and once the window is
    // high enough again the panel is back at the top with no bar.
    void panneauAtteignableQuandLaFenetreEstBasse() {
        auto f = ouvre();
        QVERIFY(f);
        f->resize(987, 300);
        QApplication::setActiveWindow(f.get());
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QTRY_COMPARE(f->height(), 300);
        tabulationsJusquAuContact(*f);

        const Tablecom* t = f->tablecom();
        QScrollBar* b = barre(*f);
        QVERIFY(b->isVisible());
        QCOMPARE(b->maximum(), 569 - 300);
        QVERIFY(f->rect().contains(b->geometry()));
        b->setValue(b->maximum());
        QCOMPARE(t->geometry().bottom(), f->height() - 1);
        QWheelEvent roue(QPointF(20, 20), t->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, 120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f->tablecom(), &roue);
        QVERIFY(t->y() > 300 - 569);

        f->resize(987, 777);
        QTRY_COMPARE(f->height(), 777);
        QCOMPARE(t->pos(), QPoint(785, 0));
        QVERIFY(!b->isVisible());
    }
};

QTEST_MAIN(TestPetitsEcrans)
#include "tst_petitsecrans.moc"
