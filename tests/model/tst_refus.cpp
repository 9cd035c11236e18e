// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Refus.h"

#include <QtTest>

class TstRefus : public QObject {
    Q_OBJECT

private slots:
    void affichable_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu");

        QTest::newRow("ordinaire") << "Vénus"
                                   << "Vénus";
        // ESC [2J would clear the terminal that shows the message.
        QTest::newRow("échappement") << "\x1b[2J"
                                     << "\uFFFD[2J";
        QTest::newRow("contrôles C1 et DEL") << "a\u0085b\u007f"
                                             << "a\uFFFDb\uFFFD";
        // A tab is a blank to whoever reads the message.
        QTest::newRow("fin de ligne et tabulation") << "a\nb\tc\r"
                                                    << "a\uFFFDb c\uFFFD";
        QTest::newRow("séparateur de ligne Unicode") << "a\u2028b"
                                                     << "a\uFFFDb";
        // The marks of direction, each range's ends, and their neighbours kept as they are.
        QTest::newRow("direction") << QStringLiteral("\u061C\u200E\u200F\u202A\u202E\u2066\u2069")
                                   << QString(7, QChar::ReplacementCharacter);
        QTest::newRow("voisins gardés")
            << QStringLiteral("\u061B\u061D\u200D\u2010\u2029\u202F\u2065\u206A\uFEFF")
            << QStringLiteral("\u061B\u061D\u200D\u2010\uFFFD\u202F\u2065\u206A\uFEFF");
        QTest::newRow("40 caractères gardés") << QString(40, u'x') << QString(40, u'x');
        QTest::newRow("41 coupés") << QString(41, u'x') << QString(40, u'x') + "…";
        // U+1F30D takes two UTF-16 units, the 40th and the 41st: it is not cut in half.
        QTest::newRow("caractère sur deux unités, non coupé")
            << QString(39, u'x') + "\U0001F30Dy" << QString(39, u'x') + "…";
        QTest::newRow("balises gardées telles quelles") << "<b>x</b>"
                                                        << "<b>x</b>";
    }

    void affichable() {
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        QCOMPARE(Refus::affichable(texte), attendu);
    }

    void nombre_data() {
        QTest::addColumn<QString>("ecrit");
        QTest::addColumn<QString>("attendu");

        QTest::newRow("entier groupé") << "57909227"
                                       << "57 909 227";
        QTest::newRow("trois chiffres") << "365"
                                        << "365";
        QTest::newRow("négatif") << "-1234"
                                 << "-1 234";
        QTest::newRow("plus ôté") << "+1000"
                                  << "1 000";
        QTest::newRow("virgule décimale") << "1234567.125"
                                          << "1 234 567,125";
        QTest::newRow("point initial") << ".5"
                                       << "0,5";
        QTest::newRow("point final") << "3."
                                     << "3";
        // An exponent form is shown as the file writes it.
        QTest::newRow("exposant") << "1e-50"
                                  << "1e-50";
        QTest::newRow("exposant majuscule") << "2.5E3"
                                            << "2.5E3";
    }

    void nombre() {
        QFETCH(QString, ecrit);
        QFETCH(QString, attendu);
        QCOMPARE(Refus::nombre(ecrit).replace(QChar(0xA0), u' '), attendu);
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
