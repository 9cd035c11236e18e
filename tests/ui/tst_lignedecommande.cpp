// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line read, by the rows of its table.

#include "LigneDeCommande.h"
#include "Tableau.h"

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
    return l.join(u' ') + QStringLiteral(", Qt ") + qt.join(u',');
}

} // namespace

class TstLigneDeCommande : public QObject {
    Q_OBJECT

private slots:
    void analyse_data() { Tableau::lignes(QStringLiteral("ui/lignedecommande.txt")); }

    void analyse() {
        QFETCH(QStringList, colonnes);
        const QStringList a = QStringList{QStringLiteral("sidranes")} +
                              colonnes.value(0).split(u' ', Qt::SkipEmptyParts);
        const QString obtenu = decrit(LigneDeCommande::analyse(a, QDate(2026, 12, 9)));
        QCOMPARE(QString(obtenu).replace(QChar(0xA0), u' '), colonnes.value(1));
        // French typography: no-break spaces inside the quotes.
        QVERIFY(!obtenu.contains(QStringLiteral("« ")));
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
