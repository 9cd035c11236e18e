// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The sliders' arithmetic, row by row from tests/data/model/glissiere.txt.

#include "ReglesGlissiere.h"
#include "Tableau.h"

#include <QtTest>

using namespace ReglesGlissiere;

namespace {

// The sliders as drawn: knob 285 twips wide, background and track 2370 wide at left 240.
constexpr double Bouton = 285;
constexpr double Fond = 2370;
constexpr double Gauche = 240;

QString n(double v) {
    return QString::number(v, 'g', 10);
}

QString geometrieDe(const QList<double>& a) {
    try {
        const Geometrie g = geometrie(a[0], a[1], int(a[2]));
        return QStringLiteral("%1 %2 %3").arg(g.XMin).arg(g.XMax).arg(g.Cran);
    } catch (const std::invalid_argument&) {
        return QStringLiteral("refus");
    }
}

// A knob left and the notch a click reads there.
QString bouton(double gauche, int crans) {
    return n(gauche) + u' ' +
           QString::number(cranDuBouton(gauche, Gauche, geometrie(Bouton, Fond, crans), crans));
}

QString resultat(const QString& fonction, const QList<double>& a) {
    const int crans = int(a[0]);
    if (fonction == QLatin1String("geometrie")) {
        return geometrieDe(a);
    }
    if (fonction == QLatin1String("bouton")) {
        return bouton(gaucheBoutonAuCran(Gauche, int(a[1]), geometrie(Bouton, Fond, crans).Cran),
                      crans);
    }
    if (fonction == QLatin1String("cran")) {
        return bouton(a[1], crans).section(u' ', 1);
    }
    if (fonction == QLatin1String("appui")) {
        const Geometrie g = geometrie(Bouton, Fond, crans);
        return dansLesMarges(a[1], Fond)
                   ? bouton(gaucheBoutonSous(borne(a[1], g), Gauche, Bouton), crans)
                   : QStringLiteral("-");
    }
    if (fonction == QLatin1String("marges")) {
        return dansLesMarges(a[1], a[0]) ? QStringLiteral("oui") : QStringLiteral("non");
    }
    QStringList deux;
    for (int c : {9, 12}) {
        const Geometrie g = geometrie(Bouton, Fond, c);
        deux << (dansLaCourse(a[0], g) ? QStringLiteral("oui ") : QStringLiteral("non ")) +
                    n(borne(a[0], g));
    }
    deux.removeDuplicates();
    return deux.join(QStringLiteral(" / "));
}

} // namespace

class TstReglesGlissiere : public QObject {
    Q_OBJECT

private slots:
    void tableau_data() { Tableau::lignes(QStringLiteral("model/glissiere.txt")); }

    void tableau() {
        QFETCH(QStringList, colonnes);
        QList<double> arguments;
        for (const QString& a : colonnes.value(1).split(u' ')) {
            arguments << a.toDouble();
        }
        QCOMPARE(resultat(colonnes.value(0), arguments), colonnes.value(2));
    }
};

QTEST_APPLESS_MAIN(TstReglesGlissiere)
#include "tst_reglesglissiere.moc"
