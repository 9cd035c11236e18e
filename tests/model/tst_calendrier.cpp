// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calendrier.h"

#include <QtTest>
#include <limits>

class TstCalendrier : public QObject {
    Q_OBJECT

private slots:
    void bornes();
    void construit_data();
    void construit();
    void ajouteJours_data();
    void ajouteJours();
    void elargitAnnee_data();
    void elargitAnnee();
    void formatCourt_data();
    void formatCourt();
    void localeDesDates_data();
    void localeDesDates();
    void litDate_data();
    void litDate();
};

void TstCalendrier::bornes() {
    QCOMPARE(Calendrier::premierJour(), QDate(100, 1, 1));
    QCOMPARE(Calendrier::dernierJour(), QDate(9999, 12, 31));
}

void TstCalendrier::construit_data() {
    QTest::addColumn<int>("annee");
    QTest::addColumn<int>("mois");
    QTest::addColumn<int>("jour");
    QTest::addColumn<QDate>("attendu"); // invalid: nothing expected

    QTest::newRow("6 décembre 2007") << 2007 << 12 << 6 << QDate(2007, 12, 6);
    QTest::newRow("1er janvier 2025") << 2025 << 1 << 1 << QDate(2025, 1, 1);
    QTest::newRow("mois 13 = janvier suivant") << 2024 << 13 << 1 << QDate(2025, 1, 1);
    QTest::newRow("mois 14") << 2024 << 14 << 15 << QDate(2025, 2, 15);
    QTest::newRow("mois 0 = décembre précédent") << 2025 << 0 << 10 << QDate(2024, 12, 10);
    QTest::newRow("mois -1 = novembre précédent") << 2025 << -1 << 10 << QDate(2024, 11, 10);
    QTest::newRow("mois -12") << 2025 << -12 << 1 << QDate(2023, 12, 1);
    QTest::newRow("mois 25") << 2025 << 25 << 1 << QDate(2027, 1, 1);
    QTest::newRow("jour 0 = dernier du mois précédent") << 2025 << 1 << 0 << QDate(2024, 12, 31);
    QTest::newRow("jour 0 de mars bissextile") << 2024 << 3 << 0 << QDate(2024, 2, 29);
    QTest::newRow("jour 0 de mars ordinaire") << 2025 << 3 << 0 << QDate(2025, 2, 28);
    QTest::newRow("29 février ordinaire = 1er mars") << 2025 << 2 << 29 << QDate(2025, 3, 1);
    QTest::newRow("jour 32 de janvier") << 2025 << 1 << 32 << QDate(2025, 2, 1);
    QTest::newRow("jour -1") << 2025 << 3 << -1 << QDate(2025, 2, 27);
    QTest::newRow("jour 366 de 2024") << 2024 << 1 << 366 << QDate(2024, 12, 31);
    QTest::newRow("jour 32767") << 2000 << 1 << 32767 << QDate(2000, 1, 1).addDays(32766);
    QTest::newRow("jour -32768") << 2000 << 1 << -32768 << QDate(2000, 1, 1).addDays(-32769);
    QTest::newRow("mois 13 et jour 0") << 2024 << 13 << 0 << QDate(2024, 12, 31);
    QTest::newRow("1er janvier 100") << 100 << 1 << 1 << QDate(100, 1, 1);
    QTest::newRow("31 décembre 9999") << 9999 << 12 << 31 << QDate(9999, 12, 31);
    QTest::newRow("31 décembre 99") << 99 << 12 << 31 << QDate();
    QTest::newRow("1er janvier 10000") << 10000 << 1 << 1 << QDate();
    QTest::newRow("mois 13 de 9999") << 9999 << 13 << 1 << QDate();
    QTest::newRow("jour 0 de l'an 100") << 100 << 1 << 0 << QDate();
    QTest::newRow("jour 32 de décembre 99 = 1er janvier 100") << 99 << 12 << 32 << QDate(100, 1, 1);
    QTest::newRow("jour 0 de 10000 = 31 décembre 9999") << 10000 << 1 << 0 << QDate(9999, 12, 31);
    QTest::newRow("an 0 et mois 1300") << 0 << 1300 << 1 << QDate(108, 4, 1);
    QTest::newRow("an 25 (pas de fenêtre sur deux chiffres)") << 25 << 1 << 1 << QDate();
    QTest::newRow("an 0") << 0 << 1 << 1 << QDate();
    QTest::newRow("an -32768") << -32768 << -32768 << -32768 << QDate();
    QTest::newRow("an 32767") << 32767 << 32767 << 32767 << QDate();
    // Years before 1 count astronomically (year 0 is 1 BC): 400 Gregorian years are
    // 146097 days, so year -1 starts 146097 days before year 399.
    QTest::newRow("an -1 ramené par les jours")
        << -1 << 1 << 80000
        << QDate::fromJulianDay(QDate(399, 1, 1).toJulianDay() - 146097 + 79999);
    QTest::newRow("an 0 ramené par les jours")
        << 0 << 3 << 40000 << QDate::fromJulianDay(QDate(400, 3, 1).toJulianDay() - 146097 + 39999);
    QTest::newRow("an -1 et 40000 mois") << -1 << 40000 << 1 << QDate(3332, 4, 1);
    QTest::newRow("extrêmes int") << std::numeric_limits<int>::max()
                                  << std::numeric_limits<int>::max()
                                  << std::numeric_limits<int>::max() << QDate();
    QTest::newRow("extrêmes int négatifs")
        << std::numeric_limits<int>::min() << std::numeric_limits<int>::min()
        << std::numeric_limits<int>::min() << QDate();
    // Far outside the range, a large day count still brings the date back.
    QTest::newRow("an 1 000 000 ramené par les jours")
        << 1000000 << 1
        << 1 - int(QDate(1000000, 1, 1).toJulianDay() - QDate(2000, 1, 1).toJulianDay())
        << QDate(2000, 1, 1);
}

void TstCalendrier::construit() {
    QFETCH(int, annee);
    QFETCH(int, mois);
    QFETCH(int, jour);
    QFETCH(QDate, attendu);
    const std::optional<QDate> date = Calendrier::construit(annee, mois, jour);
    if (attendu.isValid()) {
        QVERIFY(date.has_value());
        QCOMPARE(*date, attendu);
    } else {
        QVERIFY2(!date.has_value(), qPrintable(date ? date->toString(Qt::ISODate) : QString()));
    }
}

void TstCalendrier::ajouteJours_data() {
    QTest::addColumn<QDate>("depart");
    QTest::addColumn<qint64>("jours");
    QTest::addColumn<QDate>("attendu");

    QTest::newRow("+1") << QDate(2025, 1, 1) << qint64(1) << QDate(2025, 1, 2);
    QTest::newRow("0") << QDate(2025, 1, 1) << qint64(0) << QDate(2025, 1, 1);
    QTest::newRow("-1 change d'année") << QDate(2025, 1, 1) << qint64(-1) << QDate(2024, 12, 31);
    QTest::newRow("+365 bissextile") << QDate(2024, 1, 1) << qint64(365) << QDate(2024, 12, 31);
    QTest::newRow("jusqu'à la fin") << QDate(9999, 12, 30) << qint64(1) << QDate(9999, 12, 31);
    QTest::newRow("au-delà de la fin") << QDate(9999, 12, 31) << qint64(1) << QDate();
    QTest::newRow("jusqu'au début") << QDate(100, 1, 2) << qint64(-1) << QDate(100, 1, 1);
    QTest::newRow("avant le début") << QDate(100, 1, 1) << qint64(-1) << QDate();
    QTest::newRow("int32 max") << QDate(2025, 1, 1) << qint64(std::numeric_limits<int32_t>::max())
                               << QDate();
    QTest::newRow("int64 max") << QDate(2025, 1, 1) << std::numeric_limits<qint64>::max()
                               << QDate();
    QTest::newRow("int64 min") << QDate(2025, 1, 1) << std::numeric_limits<qint64>::min()
                               << QDate();
    QTest::newRow("date invalide") << QDate() << qint64(1) << QDate();
    QTest::newRow("toute la plage")
        << QDate(100, 1, 1)
        << qint64(QDate(9999, 12, 31).toJulianDay() - QDate(100, 1, 1).toJulianDay())
        << QDate(9999, 12, 31);
}

void TstCalendrier::ajouteJours() {
    QFETCH(QDate, depart);
    QFETCH(qint64, jours);
    QFETCH(QDate, attendu);
    const std::optional<QDate> date = Calendrier::ajouteJours(depart, jours);
    if (attendu.isValid()) {
        QVERIFY(date.has_value());
        QCOMPARE(*date, attendu);
    } else {
        QVERIFY(!date.has_value());
    }
}

void TstCalendrier::elargitAnnee_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("dd/MM/yy") << "dd/MM/yy"
                              << "dd/MM/yyyy";
    QTest::newRow("M/d/yy") << "M/d/yy"
                            << "M/d/yyyy";
    QTest::newRow("yy. M. d.") << "yy. M. d."
                               << "yyyy. M. d.";
    QTest::newRow("déjà yyyy") << "dd/MM/yyyy"
                               << "dd/MM/yyyy";
    QTest::newRow("yyyy en tête") << "yyyy-MM-dd"
                                  << "yyyy-MM-dd";
    QTest::newRow("yy entre guillemets") << "d 'yy' yy"
                                         << "d 'yy' yyyy";
    QTest::newRow("guillemet échappé") << "d 'l''yy' yy"
                                       << "d 'l''yy' yyyy";
    QTest::newRow("guillemet seul") << "d '' yy"
                                    << "d '' yyyy";
    QTest::newRow("guillemet non fermé") << "yy 'yy"
                                         << "yyyy 'yy";
    QTest::newRow("y seul") << "d y"
                            << "d y";
    QTest::newRow("yyy") << "d yyy"
                         << "d yyy";
    QTest::newRow("vide") << ""
                          << "";
}

void TstCalendrier::elargitAnnee() {
    QFETCH(QString, format);
    QFETCH(QString, attendu);
    QCOMPARE(Calendrier::elargitAnnee(format), attendu);
}

void TstCalendrier::formatCourt_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("fr_FR") << "fr_FR" << QDate(2025, 1, 1) << "01/01/2025";
    QTest::newRow("fr_FR 6 décembre 2007") << "fr_FR" << QDate(2007, 12, 6) << "06/12/2007";
    QTest::newRow("fr_FR an 9925") << "fr_FR" << QDate(9925, 1, 1) << "01/01/9925";
    QTest::newRow("fr_FR an 100") << "fr_FR" << QDate(100, 3, 1) << "01/03/0100";
    QTest::newRow("en_US") << "en_US" << QDate(2025, 1, 1) << "1/1/2025";
    QTest::newRow("en_US 6 décembre 2007") << "en_US" << QDate(2007, 12, 6) << "12/6/2007";
    QTest::newRow("de_DE") << "de_DE" << QDate(2025, 1, 1) << "01.01.2025";
    QTest::newRow("ko_KR") << "ko_KR" << QDate(2025, 1, 1) << "2025. 1. 1.";
    QTest::newRow("ja_JP") << "ja_JP" << QDate(2025, 1, 1) << "2025/01/01";
    QTest::newRow("C") << "C" << QDate(2025, 1, 1) << "1 Jan 2025";
}

void TstCalendrier::formatCourt() {
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    QFETCH(QString, attendu);
    const QLocale l(locale);
    QCOMPARE(l.toString(date, Calendrier::formatCourt(l)), attendu);
}

void TstCalendrier::localeDesDates_data() {
    QTest::addColumn<QString>("utilisateur");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("C") << "C"
                       << "fr_FR";
    QTest::newRow("C.UTF-8") << "C.UTF-8"
                             << "fr_FR";
    QTest::newRow("POSIX") << "POSIX"
                           << "fr_FR";
    QTest::newRow("en_US gardée") << "en_US"
                                  << "en_US";
    QTest::newRow("de_DE gardée") << "de_DE"
                                  << "de_DE";
}

void TstCalendrier::localeDesDates() {
    QFETCH(QString, utilisateur);
    QFETCH(QString, attendu);
    QCOMPARE(Calendrier::localeDesDates(QLocale(utilisateur)).name(), attendu);
}

void TstCalendrier::litDate_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("lu"); // the date, ISO, or the refusal
    const QString forme = QStringLiteral(" n'est pas une date écrite JJ/MM/AAAA, comme 14/07/2030");
    QTest::newRow("14/07/2030") << "14/07/2030"
                                << "2030-07-14";
    QTest::newRow("chiffres seuls et espaces") << " 1/3/100 "
                                               << "0100-03-01";
    QTest::newRow("29 février bissextile") << "29/02/2024"
                                           << "2024-02-29";
    QTest::newRow("29 février ordinaire") << "29/02/2025"
                                          << "le 29/02/2025 n'existe pas";
    QTest::newRow("mois 13") << "01/13/2025"
                             << "le 01/13/2025 n'existe pas";
    QTest::newRow("jour 0") << "00/01/2025"
                            << "le 00/01/2025 n'existe pas";
    QTest::newRow("an 0") << "01/01/0"
                          << "le 01/01/0 n'existe pas";
    QTest::newRow("cinq chiffres") << "01/01/10000"
                                   << "«\u00A001/01/10000\u00A0»" + forme;
    QTest::newRow("tirets") << "14-07-2030"
                            << "«\u00A014-07-2030\u00A0»" + forme;
    QTest::newRow("chiffres arabes") << "١٤/٠٧/٢٠٣٠"
                                     << "«\u00A0١٤/٠٧/٢٠٣٠\u00A0»" + forme;
    QTest::newRow("vide") << ""
                          << "«\u00A0\u00A0»" + forme;
}

void TstCalendrier::litDate() {
    QFETCH(QString, texte);
    QFETCH(QString, lu);
    const auto d = Calendrier::litDate(texte);
    QCOMPARE(std::holds_alternative<QDate>(d) ? std::get<QDate>(d).toString(Qt::ISODate)
                                              : std::get<QString>(d),
             lu);
}

QTEST_GUILESS_MAIN(TstCalendrier)
#include "tst_calendrier.moc"
