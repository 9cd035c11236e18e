// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving the program: "Quitter Sidranes" and the close box both end it with
// status 0, even with the clock running and traces drawn.

#include "AideFenetre.h"

class TstQuitter : public QObject {
    Q_OBJECT

private slots:
    void quitte_data() {
        QTest::addColumn<bool>("parLeBouton");
        QTest::newRow("Quitter Sidranes") << true;
        QTest::newRow("close box") << false;
    }

    void quitte() {
        QFETCH(bool, parLeBouton);
        auto fenetre = AideFenetre::ouvre();
        QVERIFY(fenetre);
        Tablecom* t = fenetre->tablecom();
        QTest::mouseClick(t->CmdStart, Qt::LeftButton);
        QTest::mouseClick(t->CmdTrace, Qt::LeftButton);
        QTRY_VERIFY(fenetre->moteur().etat().Jours > 5);

        QTimer::singleShot(100, fenetre.get(), [&] {
            if (parLeBouton) {
                QTest::mouseClick(t->CmdFin, Qt::LeftButton);
            } else {
                fenetre->close();
            }
        });
        // The about box stays loaded and hidden: it must not keep the program alive.
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(TstQuitter)
#include "tst_quitter.moc"
