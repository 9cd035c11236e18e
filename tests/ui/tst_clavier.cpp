// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window with the keyboard alone: Enter on buttons and links (whose mouse
// click is checked beside), the focus mark on every focus stop, and the buttons
// painted in the panel's colour.

#include "AideFenetre.h"
#include "LabelCliquable.h"
#include "Tableau.h"

#include <QSignalSpy>

using namespace AideFenetre;

class TestClavier : public QObject {
    Q_OBJECT

private slots:
    void toucheAppuieSurLeBouton_data() {
        QTest::addColumn<int>("cle");
        QTest::addColumn<Qt::KeyboardModifiers>("modificateurs");
        QTest::addColumn<bool>("enMarche");
        QTest::newRow("Entrée") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << true;
        QTest::newRow("Entrée du pavé")
            << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << true;
        QTest::newRow("Espace") << int(Qt::Key_Space) << Qt::KeyboardModifiers() << true;
        QTest::newRow("lettre") << int(Qt::Key_A) << Qt::KeyboardModifiers() << false;
    }

    void toucheAppuieSurLeBouton() {
        QFETCH(int, cle);
        QFETCH(Qt::KeyboardModifiers, modificateurs);
        QFETCH(bool, enMarche);
        auto f = ouvre();
        QVERIFY(f);
        QTest::keyClick(f->tablecom()->CmdStart, Qt::Key(cle), modificateurs);
        QCOMPARE(f->moteur().etat().EnMarche, enMarche);
        QCOMPARE(f->tablecom()->CmdStart->text(),
                 enMarche ? QStringLiteral("Arrêter") : QStringLiteral("Démarrer"));
    }

    void lienActive_data() { Tableau::lignes(QStringLiteral("ui/lien.txt")); }

    void lienActive() {
        QFETCH(QStringList, colonnes);
        const QStringList souris = colonnes.value(1).split(u' ');
        const Qt::MouseButton bouton =
            souris.value(0) == QLatin1String("gauche") ? Qt::LeftButton : Qt::RightButton;
        const QPoint relache(souris.value(1).toInt(), souris.value(2).toInt());
        LabelCliquable lien(QStringLiteral("Contact"));
        lien.setGeometry(0, 0, 57, 17);
        QSignalSpy spy(&lien, &LabelCliquable::clicked);
        if (colonnes.value(0) != u'-') {
            QTest::keyClick(&lien, QKeySequence(colonnes.value(0))[0].key());
        } else {
            QTest::mousePress(&lien, bouton, Qt::NoModifier, QPoint(20, 8));
            QTest::mouseRelease(&lien, bouton, Qt::NoModifier, relache);
        }
        QCOMPARE(spy.count(), colonnes.value(2).toInt());
    }

    void marqueDeFocus_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QColor>("couleur");
        // Orange on the black drawing area, dark blue on the sand panel.
        QTest::newRow("Cosmos") << "Cosmos" << QColor(255, 128, 0);
        for (const char* nom :
             {"Tablecom", "CmdStart", "CmdFin", "CmdAffNom", "CmdDebut", "CmdTrace", "CmdCls",
              "CmdLune", "ImCoControl", "ImTpControl", "LabApropos", "LabContact"}) {
            QTest::newRow(nom) << nom << QColor(0, 0, 192);
        }
    }

    void marqueDeFocus() {
        QFETCH(QString, nom);
        QFETCH(QColor, couleur);
        auto f = ouvre();
        QVERIFY(f);
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QWidget* w = f->findChild<QWidget*>(nom);
        QVERIFY(w);
        // Disabled buttons take no focus: enable them all for the picture.
        w->setEnabled(true);
        // Two pixels deep on the left and top edges.
        auto bords = [w] {
            const QImage image = w->grab().toImage();
            const QPoint g(0, image.height() / 2);
            const QPoint h(4, 0);
            return QList<QColor>{image.pixelColor(g), image.pixelColor(g + QPoint(1, 0)),
                                 image.pixelColor(h), image.pixelColor(h + QPoint(0, 1))};
        };
        // The focus the window gives at opening shows no mark; the keyboard's does.
        f->cosmos()->setFocus();
        QVERIFY(!bords().contains(couleur));
        int n = 0;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (!w->hasFocus() && ++n < 20);
        QVERIFY(w->hasFocus());
        QCOMPARE(bords(), QList<QColor>(4, couleur));
    }

    void boutonCouleurSable_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("enfonce");
        // CmdTrace is disabled at start-up.
        QTest::newRow("relevé") << "CmdCls" << false;
        QTest::newRow("enfoncé") << "CmdCls" << true;
        QTest::newRow("désactivé") << "CmdTrace" << false;
    }

    void boutonCouleurSable() {
        QFETCH(QString, nom);
        QFETCH(bool, enfonce);
        auto f = ouvre();
        QVERIFY(f);
        auto* b = f->findChild<QPushButton*>(nom);
        b->setDown(enfonce);
        const QImage image = b->grab().toImage();
        const QColor sable(243, 214, 165);
        // Above the caption, inside the bevel.
        QCOMPARE(image.pixelColor(image.width() / 2, 3), sable);
        // Raised: lit from the top left; pressed: that edge in shadow.
        const QColor coin = image.pixelColor(0, 0);
        QCOMPARE(coin.lightness() > sable.lightness(), !enfonce);
    }
};

QTEST_MAIN(TestClavier)
#include "tst_clavier.moc"
