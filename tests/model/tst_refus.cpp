// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Refus.h"
#include "Tableau.h"

#include <QtTest>

class TstRefus : public QObject {
    Q_OBJECT

private slots:
    void textes_data() { Tableau::lignes(QStringLiteral("model/refus.txt")); }

    void textes() {
        QFETCH(QStringList, colonnes);
        const QString entree = Tableau::texte(colonnes.value(1));
        const QString obtenu = colonnes.value(0) == QLatin1String("nombre")
                                   ? Refus::nombre(entree).replace(QChar(0xA0), u' ')
                                   : Refus::affichable(entree);
        QCOMPARE(obtenu, Tableau::texte(colonnes.value(2)));
    }

    void marqueursInertes() {
        // A folder, a name and a value holding %1, %2... are shown as they are.
        Provenance p;
        p.fichier = QStringLiteral("/dir%2with%1pct/sidranes.dat");
        p.de(4, Rubrique::Periode) = {QStringLiteral("%3"), 10};
        const ErreurDonnees e = Refus::horsLimites(p, 4, Rubrique::Periode, QStringLiteral("M%1rs"),
                                                   QStringLiteral("%4"));
        QCOMPARE(
            QString(e.message()).replace(QChar(0xA0), u' '),
            QStringLiteral("Fichier de données « /dir%2with%1pct/sidranes.dat », ligne 10 : nombre "
                           "« %3 » hors limites pour la période de l'astre n° 5 (M%1rs) ; il faut "
                           "%4."));
        QCOMPARE(
            QString(Refus::illisible(p.fichier, QStringLiteral("x")).message())
                .replace(QChar(0xA0), u' '),
            QStringLiteral(
                "Le fichier de données « /dir%2with%1pct/sidranes.dat » ne peut pas être lu : x."));
    }

    void cheminLong_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QString>("montre");

        const QString dossier = "/home/" + QString(250, u'd');
        QTest::newRow("200 caractères, entier")
            << QString(187, u'd') + "/sidranes.dat" << QString(187, u'd') + "/sidranes.dat";
        QTest::newRow("dossier très long, coupé au milieu")
            << dossier + "/sidranes.dat"
            << "/home/" + QString(94, u'd') + "…" + QString(87, u'd') + "/sidranes.dat";
        QTest::newRow("nom de fichier long, gardé entier")
            << dossier + "/" + QString(150, u'n')
            << "/home/" + QString(43, u'd') + "…/" + QString(150, u'n');
    }

    void cheminLong() {
        QFETCH(QString, chemin);
        QFETCH(QString, montre);
        QCOMPARE(QString(Refus::introuvable(chemin).message()).replace(QChar(0xA0), u' '),
                 QStringLiteral("Le fichier de données « %1 » est introuvable.").arg(montre));
    }
};

QTEST_APPLESS_MAIN(TstRefus)
#include "tst_refus.moc"
