// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Debut.h"
#include "LabelCliquable.h"
#include "Tableau.h"

#include <QFrame>
#include <QScreen>
#include <QtTest>
#include <functional>

using Action = std::function<void(Debut&)>;

// Runs `action` inside the modal showing and tells whether it closed the window;
// a window left open is closed afterwards so that the showing returns.
namespace {

bool fermePar(Debut& debut, bool splash, const Action& action) {
    bool ferme = false;
    QTimer::singleShot(0, &debut, [&] {
        QVERIFY(debut.isVisible());
        action(debut);
        ferme = !debut.isVisible();
        if (!ferme) {
            debut.reject();
        }
    });
    splash ? debut.montreSplash() : debut.montreAPropos();
    return ferme;
}

} // namespace

class TestDebut : public QObject {
    Q_OBJECT

private slots:
    void controles() {
        Debut debut;
        QCOMPARE(debut.size(), QSize(486, 329));
        QCOMPARE(debut.Frame1->geometry(), QRect(8, 4, 472, 319));
        QCOMPARE(debut.Image1->geometry(), QRect(0, 8, 467, 307));
        QCOMPARE(debut.Image1->pixmap().size(), QSize(467, 307));
        // The version is written on the picture's blank line under the subtitle, and the
        // rest of the picture is left as drawn.
        const QImage brute =
            QImage(QStringLiteral(":/debut.jpg")).convertToFormat(QImage::Format_RGB32);
        const QImage montree =
            debut.Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect ligneVersion(122, 112, 400, 24);
        int changes = 0;
        for (int y = 0; y < brute.height(); ++y) {
            for (int x = 0; x < brute.width(); ++x) {
                const bool change = brute.pixel(x, y) != montree.pixel(x, y);
                QVERIFY2(!change || ligneVersion.contains(x, y), qPrintable(QString::number(y)));
                changes += change;
            }
        }
        QVERIFY(changes > 100);
        // A screen smaller than the box may shrink it; nothing makes it larger.
        debut.resize(300, 200);
        QCOMPARE(debut.size(), QSize(300, 200));
        debut.resize(600, 400);
        QCOMPARE(debut.size(), QSize(486, 329));
        // What a screen reader says of the picture follows it.
        QVERIFY(debut.accessibleDescription().contains(
            QStringLiteral("Version %1.").arg(QStringLiteral(SIDRANES_VERSION))));
    }

    void touches_data() { Tableau::lignes(QStringLiteral("ui/touchesdebut.txt")); }

    void touches() {
        QFETCH(QStringList, colonnes);
        const Qt::Key touche = Qt::Key(QKeySequence(colonnes.value(0))[0].key());
        const QString texte = Tableau::texte(colonnes.value(1));
        const bool ferme = colonnes.value(2) == QLatin1String("oui");
        Debut debut;
        for (bool splash : {true, false}) {
            const bool resultat = fermePar(debut, splash, [&](Debut& d) {
                QTest::sendKeyEvent(QTest::Click, d.windowHandle(), touche, texte, Qt::NoModifier);
            });
            QCOMPARE(resultat, ferme);
        }
    }

    void clics_data() {
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<Qt::MouseButton>("bouton");
        QTest::addColumn<bool>("ferme");
        QTest::newRow("image") << QPoint(241, 165) << Qt::LeftButton << true;
        QTest::newRow("coin de l'image") << QPoint(8, 12) << Qt::LeftButton << true;
        QTest::newRow("image, bouton droit") << QPoint(241, 165) << Qt::RightButton << false;
        QTest::newRow("cadre hors image") << QPoint(478, 6) << Qt::LeftButton << false;
        QTest::newRow("marge") << QPoint(3, 2) << Qt::LeftButton << false;
    }

    void clics() {
        QFETCH(QPoint, position);
        QFETCH(Qt::MouseButton, bouton);
        QFETCH(bool, ferme);
        Debut debut;
        const bool resultat = fermePar(debut, true, [&](Debut& d) {
            QTest::mouseClick(d.windowHandle(), bouton, {}, position);
        });
        QCOMPARE(resultat, ferme);
    }

    void minuteur_data() {
        QTest::addColumn<bool>("splash");
        QTest::addColumn<bool>("ferme");
        QTest::newRow("splash") << true << true;
        QTest::newRow("a propos") << false << false;
    }

    void minuteur() {
        QFETCH(bool, splash);
        QFETCH(bool, ferme);
        Debut debut;
        const bool resultat = fermePar(debut, splash, [splash](Debut& d) {
            QCOMPARE(d.Timer1.isActive(), splash);
            QCOMPARE(d.Timer1.interval(), 5000);
            for (int tic = 0; tic < 3; ++tic) {
                QMetaObject::invokeMethod(&d.Timer1, "timeout");
            }
        });
        QCOMPARE(resultat, ferme);
    }

    void splashPuisAProposEncoreEtEncore() {
        Debut debut;
        QVERIFY(fermePar(debut, true,
                         [](Debut& d) { QMetaObject::invokeMethod(&d.Timer1, "timeout"); }));
        // The window now waits, hidden, as the about box, and its timer wakes no one.
        QVERIFY(!debut.isVisible());
        QCOMPARE(debut.mode(), Debut::Mode::Cache);
        QVERIFY(!debut.Timer1.isActive());
        const QPoint centreEcran = QGuiApplication::primaryScreen()->geometry().center();
        for (int fois = 0; fois < 3; ++fois) {
            debut.move(0, 0);
            const bool ferme = fermePar(debut, false, [&](Debut& d) {
                QVERIFY((d.geometry().center() - centreEcran).manhattanLength() <= 1);
                QMetaObject::invokeMethod(&d.Timer1, "timeout");
                QVERIFY(d.isVisible());
                QTest::mouseClick(d.Image1, Qt::LeftButton);
            });
            QVERIFY(ferme);
            QCOMPARE(debut.mode(), Debut::Mode::Cache);
            QVERIFY(!debut.Timer1.isActive());
        }
    }
};

QTEST_MAIN(TestDebut)
#include "tst_debut.moc"
