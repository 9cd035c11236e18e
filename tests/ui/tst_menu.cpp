// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// Beyond the panel: the context menu and its shortcuts, the date dialog, full screen,
// the picture saved, written by --capture, and the window's place kept.

#include "AideFenetre.h"
#include "Capture.h"
#include "ChoixDate.h"
#include "ImageEnregistree.h"
#include "MemoireFenetre.h"
#include "Tableau.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace AideFenetre;

class TestMenu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void raccourcis_data() { Tableau::lignes(QStringLiteral("ui/raccourcis.txt")); }

    void raccourcis() {
        QFETCH(QStringList, colonnes);
        const QString attendu = colonnes.value(2);
        auto f = ouvre();
        QVERIFY(f);
        QWidget* w = f->findChild<QWidget*>(colonnes.value(0));
        w->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(w->hasFocus());
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(colonnes.value(1)));
        tic(*f);
        const Tablecom* t = f->tablecom();
        const QStringList vus{t->CmdStart->text(), t->CmdLune->text(),  t->CmdAffNom->text(),
                              t->LbTemps->text(),  t->LbOrbite->text(), t->Tp->texteValeur()};
        QVERIFY2(vus.contains(attendu), qPrintable(vus.join(QStringLiteral(" | "))));
    }

    void menuSuitLePanneau() {
        auto f = ouvre();
        QVERIFY(f);
        QMenu* menu = f->findChild<QMenu*>(QStringLiteral("MenuContextuel"));
        QVERIFY(menu);
        auto action = [menu](int i) { return menu->actions().at(i); };
        QCOMPARE(action(0)->text(), QStringLiteral("Démarrer"));
        QVERIFY(!action(1)->isEnabled()); // Début, as its button
        QTest::mouseClick(f->tablecom()->CmdStart, Qt::LeftButton);
        QCOMPARE(action(0)->text(), QStringLiteral("Arrêter"));
        QVERIFY(action(1)->isEnabled());
        // The right button over the drawing area opens it.
        QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(100, 100),
                               f->cosmos()->mapToGlobal(QPoint(100, 100)));
        QApplication::sendEvent(f->cosmos(), &clic);
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
    }

    void choixDeLaDate_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("attendu"); // the date shown, or the refusal in the dialog
        QTest::newRow("14/07/2030") << "14/07/2030"
                                    << "14/07/2030";
        QTest::newRow("1er janvier 100") << "1/1/100"
                                         << "01/01/0100";
        QTest::newRow("avant le calendrier")
            << "31/12/99"
            << "La date de départ doit être comprise entre le 01/01/0100 et le 31/12/9999.";
        QTest::newRow("impossible") << "30/02/2030"
                                    << "Le 30/02/2030 n'existe pas.";
    }

    void choixDeLaDate() {
        QFETCH(QString, tape);
        QFETCH(QString, attendu);
        auto f = ouvre();
        QVERIFY(f);
        QString propose;
        QString refus;
        QTimer::singleShot(0, f.get(), [&] {
            auto* choix = f->findChild<ChoixDate*>();
            auto* champ = choix->findChild<QLineEdit*>();
            propose = champ->text();
            champ->clear();
            QTest::keyClicks(champ, tape);
            QTest::keyClick(champ, Qt::Key_Return);
            if (choix->isVisible()) {
                const auto* message = choix->findChild<QLabel*>(QStringLiteral("message"));
                refus = message->isVisible() ? message->text() : QStringLiteral("(caché)");
                choix->reject();
            }
        });
        QTest::keySequence(f.get(), QKeySequence("Ctrl+G"));
        QCOMPARE(propose, QStringLiteral("01/01/2025"));
        // A refused date leaves the window as it was.
        QCOMPARE(refus.isEmpty() ? f->tablecom()->LbTemps->text() : refus, attendu);
        QCOMPARE(f->tablecom()->LbTemps->text(), refus.isEmpty() ? attendu : "01/01/2025");
    }

    void pleinEcran() {
        auto f = ouvre();
        QVERIFY(f);
        QTest::keyClick(f.get(), Qt::Key_F11);
        QTRY_VERIFY(f->isFullScreen());
        // Laid out as on any resize: the square of the client height.
        QTRY_COMPARE(f->cosmos()->height(), f->height());
        QTest::keyClick(f.get(), Qt::Key_F11);
        QTRY_VERIFY(!f->isFullScreen());
    }

    void imageEnregistree() {
        QTemporaryDir dossier;
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(qRgb(1, 2, 3));
        const QString chemin = dossier.filePath(QStringLiteral("sidranes-2025-01-01.png"));
        QVERIFY(!ImageEnregistree::ecrit(image, chemin));
        QCOMPARE(QImage(chemin).convertToFormat(QImage::Format_RGB32), image);
        // A folder where nothing can be written: said in French, the old file untouched.
        const auto erreur = ImageEnregistree::ecrit(image, dossier.filePath("absent/x.png"));
        QVERIFY(erreur &&
                erreur->startsWith(QStringLiteral("l'image n'a pas pu être enregistrée")));
        // An image that cannot be written leaves the file there as it was.
        QVERIFY(ImageEnregistree::ecrit(QImage(), chemin).has_value());
        QCOMPARE(QImage(chemin).size(), QSize(4, 3));
        // An existing file chosen: asked first; "Annuler" brings the file dialog back.
        QStringList vus;
        QTimer repond;
        connect(&repond, &QTimer::timeout, [&vus] {
            QWidget* w = QApplication::activeModalWidget();
            if (auto* d = qobject_cast<QFileDialog*>(w)) {
                vus << QStringLiteral("fichiers");
                vus.size() == 1 ? static_cast<QDialog*>(d)->accept() : d->reject();
            } else if (auto* m = qobject_cast<QMessageBox*>(w)) {
                vus << (m->text().contains(QStringLiteral("existe déjà")) ? "question" : m->text());
                m->buttons().last()->click();
            }
        });
        repond.start(20);
        QCOMPARE(ImageEnregistree::demandeChemin(nullptr, chemin), QString());
        QCOMPARE(vus, (QStringList{"fichiers", "question", "fichiers"}));
    }

    // The start-up picture: the Earth worked out by hand at 149 598 261 km and 100.5541
    // degrees, in a square of 777 pixels for 1.1 times that radius: (323.8, 41.3).
    void capture() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("x.png"));
        auto o = Planetaire::ouvre({LecteurDonnees::Chemin(donneesLivrees()), {}});
        QVERIFY(!Capture::ecrit(std::get<Planetaire>(std::move(o)), {chemin, {}, 0}));
        const QImage image(chemin);
        QCOMPARE(image.size(), QSize(777, 777));
        QCOMPARE(image.pixelColor(324, 41), QColor(50, 130, 255));
        QCOMPARE(image.pixelColor(388, 388), QColor(255, 225, 40)); // the Sun
        QCOMPARE(image.pixelColor(700, 700), QColor(Qt::black));
        // One day of traces: one tick, the Earth a disc's width further.
        o = Planetaire::ouvre({LecteurDonnees::Chemin(donneesLivrees()), {}});
        QVERIFY(!Capture::ecrit(std::get<Planetaire>(std::move(o)), {chemin, {}, 1}));
        QVERIFY(QImage(chemin).pixelColor(324, 41) != QColor(50, 130, 255));
    }

    void placeGardee() {
        QSettings().clear();
        auto f = ouvre();
        QVERIFY(f);
        f->setGeometry(40, 50, 900, 700);
        MemoireFenetre::garde(f.get());
        auto g = cree();
        MemoireFenetre::restaure(g.get());
        QCOMPARE(g->geometry(), QRect(40, 50, 900, 700));
        QSettings().clear();
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
