// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ecran.h"
#include "Tableau.h"

#include <QtTest>

class TestEcran : public QObject {
    Q_OBJECT

private slots:
    void regles_data() { Tableau::lignes(QStringLiteral("ui/ecran.txt")); }

    void regles() {
        QFETCH(QStringList, colonnes);
        const bool designe = colonnes.value(0) == QLatin1String("designe");
        QProcessEnvironment environnement;
        for (const QString& v : Tableau::mots(colonnes.value(designe ? 1 : 2))) {
            environnement.insert(v.section(u'=', 0, 0), v.section(u'=', 1));
        }
        if (designe) {
            QCOMPARE(Ecran::ecranDesigne(environnement, Tableau::mots(colonnes.value(2))),
                     colonnes.value(3) == QLatin1String("oui"));
        } else {
            QCOMPARE(
                Ecran::facteurDePolice(colonnes.value(1).toDouble(), environnement).value_or(0),
                colonnes.value(3).toDouble());
        }
    }
};

QTEST_APPLESS_MAIN(TestEcran)
#include "tst_ecran.moc"
