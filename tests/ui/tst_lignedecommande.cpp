// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line read: each row, the arguments after "sidranes", and what they ask
// for or why they are refused.

#include "LigneDeCommande.h"

#include <QtTest>

using LigneDeCommande::Demande;

namespace {

// What the request asks for, in one line.
QString decrit(const Demande& d) {
    if (!d.probleme.isEmpty()) {
        return QStringLiteral("refus : ") + d.probleme;
    }
    static const char* const quoi[] = {"fenêtre", "aide", "version", "capture"};
    QStringList l{QString::fromUtf8(quoi[int(d.quoi)])};
    if (d.fichier) {
        l << QStringLiteral("fichier %1").arg(d.fichier);
    }
    if (d.depart) {
        l << d.depart->toString(QStringLiteral("dd/MM/yyyy"));
    }
    if (d.quoi == Demande::Quoi::Capture) {
        l << QStringLiteral("%1 champ %2 traces %3")
                 .arg(d.capture.image)
                 .arg(d.capture.champ.value_or(0))
                 .arg(d.capture.joursDeTraces);
    }
    if (d.taille || d.place) {
        const QSize t = d.taille.value_or(QSize());
        const QPoint p = d.place.value_or(QPoint());
        l << QString::asprintf("%dx%d%+d%+d", t.width(), t.height(), p.x(), p.y());
    }
    QStringList qt;
    for (int i : d.argumentsQt) {
        qt << QString::number(i);
    }
    return l.join(u' ') + QStringLiteral(" | Qt ") + qt.join(u',');
}

} // namespace

class TstLigneDeCommande : public QObject {
    Q_OBJECT

private slots:
    void analyse_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("attendu");
        const QString inconnue = QStringLiteral("refus : option inconnue «\u00A0%1\u00A0»");
        QTest::newRow("rien") << ""
                              << "fenêtre | Qt 0";
        QTest::newRow("fichier") << "a.dat"
                                 << "fenêtre fichier 1 | Qt 0";
        QTest::newRow("deux fichiers") << "a.dat b.dat"
                                       << "refus : un seul fichier de données à la fois, 2 donnés";
        QTest::newRow("aide courte") << "-h"
                                     << "aide | Qt 0";
        QTest::newRow("version d'un tiret") << "-version"
                                            << "version | Qt 0";
        QTest::newRow("aide avec valeur")
            << "--help=3"
            << "refus : l'option «\u00A0--help\u00A0» ne prend pas de valeur";
        QTest::newRow("option inconnue") << "--plein-ecran" << inconnue.arg("--plein-ecran");
        // The toolkit's own, values included, and only those, go to it.
        QTest::newRow("options de Qt") << "-platform xcb -reverse --style=fusion a.dat"
                                       << "fenêtre fichier 5 | Qt 0,1,2,3,4";
        QTest::newRow("-style sans valeur")
            << "-style"
            << "refus : l'option «\u00A0-style\u00A0» demande une valeur";
        QTest::newRow("-reverse=1")
            << "-reverse=1"
            << "refus : l'option «\u00A0-reverse\u00A0» ne prend pas de valeur";
        // After "--", file names, even one that looks like an option; the toolkit sees none.
        QTest::newRow("après --") << "-reverse -- -reverse"
                                  << "fenêtre fichier 3 | Qt 0,1";
        QTest::newRow("-- --help") << "-- --help"
                                   << "fenêtre fichier 2 | Qt 0";
        QTest::newRow("géométrie") << "-qwindowgeometry 99999x99999+99999+99999"
                                   << "fenêtre 99999x99999+99999+99999 | Qt 0";
        QTest::newRow("géométrie fausse")
            << "-qwindowgeometry 9x"
            << "refus : -qwindowgeometry demande LARGEURxHAUTEUR+X+Y, pas "
               "«\u00A09x\u00A0»";
        // A start date: written JJ/MM/AAAA, within the calendar.
        QTest::newRow("--date") << "--date 14/07/2030"
                                << "fenêtre 14/07/2030 | Qt 0";
        QTest::newRow("--date=") << "--date=1/1/100 f.dat"
                                 << "fenêtre fichier 2 01/01/0100 | Qt 0";
        QTest::newRow("--date sans valeur")
            << "--date"
            << "refus : l'option «\u00A0--date\u00A0» demande une valeur";
        QTest::newRow("31/12/0099") << "--date 31/12/0099"
                                    << "refus : la date de départ doit être comprise entre le "
                                       "01/01/0100 et le 31/12/9999";
        QTest::newRow("31/12/9999") << "--date 31/12/9999"
                                    << "fenêtre 31/12/9999 | Qt 0";
        QTest::newRow("30 février") << "--date 30/02/2030"
                                    << "refus : le 30/02/2030 n'existe pas";
        QTest::newRow("--aujourdhui") << "--aujourdhui"
                                      << "fenêtre 09/12/2026 | Qt 0";
        QTest::newRow("les deux") << "--aujourdhui --date 14/07/2030"
                                  << "refus : --date et --aujourdhui ne vont pas ensemble";
        // The picture: the field and the days of traces with it, and only with it.
        QTest::newRow("--capture") << "--capture x.png"
                                   << "capture x.png champ 0 traces 0 | Qt 0";
        QTest::newRow("champ 9, un an") << "--champ 9 --traces=365 --capture x.png"
                                        << "capture x.png champ 9 traces 365 | Qt 0";
        QTest::newRow("champ 1, jours au plus") << "--capture x.png --champ 1 --traces 3652500"
                                                << "capture x.png champ 1 traces 3652500 | Qt 0";
        QTest::newRow("champ 0")
            << "--capture x.png --champ 0"
            << "refus : l'option «\u00A0--champ\u00A0» demande un champ de 1 à 9, "
               "pas «\u00A00\u00A0»";
        QTest::newRow("champ 10")
            << "--capture x.png --champ 10"
            << "refus : l'option «\u00A0--champ\u00A0» demande un champ de 1 à 9, "
               "pas «\u00A010\u00A0»";
        QTest::newRow("traces -1")
            << "--capture x.png --traces -1"
            << "refus : l'option «\u00A0--traces\u00A0» demande un nombre de "
               "jours de 0 à 3\u00A0652\u00A0500, pas «\u00A0-1\u00A0»";
        QTest::newRow("traces de trop")
            << "--capture x.png --traces 3652501"
            << "refus : l'option «\u00A0--traces\u00A0» demande un nombre de "
               "jours de 0 à 3\u00A0652\u00A0500, pas «\u00A03652501\u00A0»";
        QTest::newRow("champ sans capture")
            << "--champ 3"
            << "refus : --champ et --traces ne servent qu'avec --capture";
    }

    void analyse() {
        QFETCH(QString, arguments);
        QFETCH(QString, attendu);
        const QStringList a =
            QStringList{QStringLiteral("sidranes")} + arguments.split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(decrit(LigneDeCommande::analyse(a, QDate(2026, 12, 9))), attendu);
    }

    // Windows' wide command line: accents, other scripts and characters beyond 16 bits whole.
    void larges() {
        const wchar_t* const larges[] = {L"sidranes.exe", L"C:\\Cours\\syst\u00E8me \u0428.dat",
                                         L"\U0001F30D.dat"};
        QCOMPARE(LigneDeCommande::depuisLarges(3, larges),
                 (QStringList{"sidranes.exe", "C:\\Cours\\système Ш.dat", "🌍.dat"}));
        QVERIFY(LigneDeCommande::depuisLarges(0, nullptr).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstLigneDeCommande)
#include "tst_lignedecommande.moc"
