// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tableau.h"
#include "ZoneDeTravail.h"

#include <QtTest>

using ZoneDeTravail::Cadre;

namespace {

Cadre cadre(const QString& texte) {
    const QStringList n = texte.split(u' ');
    return {n.value(0).toFloat(), n.value(1).toFloat(), n.value(2).toFloat(), n.value(3).toFloat()};
}

} // namespace

namespace ZoneDeTravail {
char* toString(const Cadre& c) {
    const QString texte =
        QStringLiteral("(%1, %2, %3 x %4)").arg(c.gauche).arg(c.haut).arg(c.largeur).arg(c.hauteur);
    return qstrdup(texte.toUtf8().constData());
}
} // namespace ZoneDeTravail

class TestZoneDeTravail : public QObject {
    Q_OBJECT

private slots:
    void ajuste_data() { Tableau::lignes(QStringLiteral("ui/zonedetravail.txt")); }

    void ajuste() {
        QFETCH(QStringList, colonnes);
        QCOMPARE(ZoneDeTravail::ajuste(cadre(colonnes.value(0)), cadre(colonnes.value(1))),
                 cadre(colonnes.value(2)));
    }
};

QTEST_APPLESS_MAIN(TestZoneDeTravail)
#include "tst_zonedetravail.moc"
