// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calendrier.h"

#include "Refus.h"

#include <QRegularExpression>
#include <QStringView>

namespace Calendrier {

namespace {

// 400 Gregorian years always hold the same number of days.
constexpr int64_t AnneesParCycle = 400;
constexpr int64_t JoursParCycle = 146097;

// No int day offset moves a date by more than about 5.9 million years: beyond this
// bound the first day of the month can never be brought back into the range.
constexpr int64_t AnneeExtreme = 10'000'000;

int64_t divisionEntiereBasse(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

// Julian day of the first day of (annee, mois) for any year, in the proleptic Gregorian
// calendar where the year before 1 is 0. QDate has no year 0, so the date is first moved
// by whole 400-year cycles to a year QDate reads the same way.
int64_t jourJulienPremierDuMois(int64_t annee, int mois) {
    int64_t cycles = 0;
    if (annee < 1) {
        cycles = divisionEntiereBasse(annee - 1, AnneesParCycle); // negative
        annee -= cycles * AnneesParCycle;
    }
    const QDate premier(static_cast<int>(annee), mois, 1);
    return premier.toJulianDay() + cycles * JoursParCycle;
}

// Index just past the quoted run that opens at `debut`: past its closing quote, or the
// end of the format when it is never closed. Two quotes in a row stand for one.
qsizetype finDuTexteCite(QStringView format, qsizetype debut) {
    qsizetype j = debut + 1;
    while (j < format.size()) {
        if (format[j] != u'\'') {
            ++j;
        } else if (j + 1 < format.size() && format[j + 1] == u'\'') {
            j += 2;
        } else {
            return j + 1;
        }
    }
    return j;
}

// Index just past the run of the same letter that starts at `debut`.
qsizetype finDeLaSuite(QStringView format, qsizetype debut) {
    qsizetype j = debut + 1;
    while (j < format.size() && format[j] == format[debut]) {
        ++j;
    }
    return j;
}

} // namespace

QDate premierJour() {
    return QDate(100, 1, 1);
}

QDate dernierJour() {
    return QDate(9999, 12, 31);
}

std::optional<QDate> construit(int annee, int mois, int jour) {
    // Months carry into years: month 13 is January of the next year, month 0 December
    // of the previous one, month -1 November of the previous one.
    const int64_t moisDepuisAn0 = int64_t(annee) * 12 + (int64_t(mois) - 1);
    const int64_t an = divisionEntiereBasse(moisDepuisAn0, 12);
    const int moisReel = static_cast<int>(moisDepuisAn0 - an * 12) + 1;
    if (an < -AnneeExtreme || an > AnneeExtreme) {
        return std::nullopt;
    }
    // Days carry into months: the date is the first of the month plus (jour - 1) days.
    const int64_t jd = jourJulienPremierDuMois(an, moisReel) + (int64_t(jour) - 1);
    if (jd < premierJour().toJulianDay() || jd > dernierJour().toJulianDay()) {
        return std::nullopt;
    }
    return QDate::fromJulianDay(jd);
}

std::optional<QDate> ajouteJours(const QDate& date, int64_t jours) {
    if (!date.isValid()) {
        return std::nullopt;
    }
    const int64_t jd = date.toJulianDay();
    // Compared as differences so that no sum can overflow, whatever `jours` is.
    if (jours < premierJour().toJulianDay() - jd || jours > dernierJour().toJulianDay() - jd) {
        return std::nullopt;
    }
    return QDate::fromJulianDay(jd + jours);
}

std::variant<QDate, QString> litDate(QStringView texte) {
    static const QRegularExpression forme(
        QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{1,4})$"));
    const QString propre = texte.trimmed().toString();
    const QRegularExpressionMatch m = forme.match(propre);
    if (!m.hasMatch()) {
        return QStringLiteral("%1 n'est pas une date écrite JJ/MM/AAAA, comme 14/07/2030")
            .arg(Refus::cite(propre));
    }
    const QDate date(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (!date.isValid()) {
        return QStringLiteral("le %1 n'existe pas").arg(propre);
    }
    return date;
}

QString elargitAnnee(QStringView format) {
    QString resultat;
    resultat.reserve(format.size() + 2);
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format[i];
        const qsizetype fin = (c == u'\'') ? finDuTexteCite(format, i) : finDeLaSuite(format, i);
        const QStringView morceau = format.mid(i, fin - i);
        resultat += (c == u'y' && morceau.size() == 2) ? QStringView(u"yyyy") : morceau;
        i = fin;
    }
    return resultat;
}

QLocale localeDesDates(const QLocale& utilisateur) {
    if (utilisateur.language() == QLocale::C) {
        return QLocale(QLocale::French, QLocale::France);
    }
    return utilisateur;
}

QString formatCourt(const QLocale& locale) {
    return elargitAnnee(locale.dateFormat(QLocale::ShortFormat));
}

} // namespace Calendrier
