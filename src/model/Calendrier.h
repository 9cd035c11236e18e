// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

// Calendar arithmetic of the simulation. Dates run from 1 January 100 to
// 31 December 9999, the range the program has always accepted.
namespace Calendrier {

QDate premierJour(); // 100-01-01
QDate dernierJour(); // 9999-12-31

// The date made of a year, a month and a day the way a date constructor that
// carries over does it: month 13 is January of the next year, month 0 December of
// the previous one, day 0 the last day of the previous month, day 32 of January
// the 1st of February... Nothing when the result falls outside the range above.
std::optional<QDate> construit(int annee, int mois, int jour);

// date + jours, or nothing when that leaves the range.
std::optional<QDate> ajouteJours(const QDate& date, int64_t jours);

// The locale the dates are written in: the user's, except the bare C/POSIX locale of
// minimal systems, whose English month would stand alone in a French window: French then.
QLocale localeDesDates(const QLocale& utilisateur = QLocale());

// The locale's short date format, with a two-digit year widened to four digits:
// the simulation spans thousands of years and "01/01/25" cannot tell 2025 from 9925.
QString formatCourt(const QLocale& locale = localeDesDates());

// A date as people write it, JJ/MM/AAAA (one or two digits for the day and the month,
// one to four for the year), or why it is none, in French.
std::variant<QDate, QString> litDate(QStringView texte);

// A date format with every two-letter year field ("yy", not part of a longer run of y)
// made "yyyy"; quoted literal text ('...', with '' for a quote) is left alone.
QString elargitAnnee(QStringView format);

} // namespace Calendrier
