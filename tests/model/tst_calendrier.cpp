// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar's functions, row by row from tests/data/model/calendrier.txt.

#include "Calendrier.h"
#include "Tableau.h"

#include <QtTest>

namespace {

QString iso(const std::optional<QDate>& d) {
    return d && d->isValid() ? d->toString(Qt::ISODate) : QStringLiteral("-");
}

QDate date(const QString& texte) {
    return QDate::fromString(texte, Qt::ISODate);
}

// What the function named in the row's first column gives for its arguments.
QString resultat(const QString& fonction, const QString& arguments) {
    const QStringList a = arguments.split(u' ');
    if (fonction == QLatin1String("construit")) {
        return iso(Calendrier::construit(a[0].toInt(), a[1].toInt(), a[2].toInt()));
    }
    if (fonction == QLatin1String("ajouteJours")) {
        return iso(Calendrier::ajouteJours(date(a[0]), a[1].toLongLong()));
    }
    if (fonction == QLatin1String("elargitAnnee")) {
        return Calendrier::elargitAnnee(arguments);
    }
    if (fonction == QLatin1String("formatCourt")) {
        const QLocale l(a[0]);
        return l.toString(date(a[1]), Calendrier::formatCourt(l));
    }
    if (fonction == QLatin1String("localeDesDates")) {
        return Calendrier::localeDesDates(QLocale(arguments)).name();
    }
    const auto d = Calendrier::litDate(arguments);
    return std::holds_alternative<QDate>(d)
               ? iso(std::get<QDate>(d))
               : QString(std::get<QString>(d)).replace(QChar(0xA0), u' ');
}

} // namespace

class TstCalendrier : public QObject {
    Q_OBJECT

private slots:
    void bornes() {
        QCOMPARE(Calendrier::premierJour(), QDate(100, 1, 1));
        QCOMPARE(Calendrier::dernierJour(), QDate(9999, 12, 31));
    }

    void tableau_data() { Tableau::lignes(QStringLiteral("model/calendrier.txt")); }

    void tableau() {
        QFETCH(QStringList, colonnes);
        QCOMPARE(resultat(colonnes.value(0), Tableau::texte(colonnes.value(1))), colonnes.value(2));
    }
};

QTEST_GUILESS_MAIN(TstCalendrier)
#include "tst_calendrier.moc"
