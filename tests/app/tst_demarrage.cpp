// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up from the data read: the values derived from the file, and the files that
// read well but cannot be started, with their refusals word for word.

#include "Corpus.h"
#include "Demarrage.h"
#include "Planetaire.h"

#include <QBuffer>
#include <QtTest>
#include <bit>

namespace {

constexpr int32_t Largeur = 570;

// The corpus's ordinary file with body `astre`'s line replaced by `entree`.
QByteArray fichier(int astre = -1, const QByteArray& entree = {}) {
    QFile f(QStringLiteral(SIDRANES_TEST_DATA "/lecteur/crlf.dat"));
    QList<QByteArray> lignes =
        f.open(QIODevice::ReadOnly) ? f.readAll().split('\n') : QList<QByteArray>();
    if (astre >= 0) {
        lignes[5 + astre] = entree + '\r';
    }
    return lignes.join('\n');
}

DonneesSidranes lis(const QByteArray& octets, const QString& nom = QStringLiteral("/x/s.dat")) {
    QBuffer tampon;
    tampon.setData(octets);
    tampon.open(QIODevice::ReadOnly);
    return LecteurDonnees::lit(tampon, nom);
}

Systeme demarre(const QByteArray& octets = fichier()) {
    const DonneesSidranes d = lis(octets);
    Systeme s;
    s.DateDebut = d.DateDebut;
    s.astres = d.astres;
    s.DegRad = 1; // start-up sets its own value
    Demarrage::InitSysteme(s, Largeur, d.provenance);
    return s;
}

} // namespace

class TstDemarrage : public QObject {
    Q_OBJECT

private slots:
    void valeursInitiales() {
        const Systeme s = demarre();
        QCOMPARE(std::bit_cast<uint32_t>(s.DegRad), 0x3C8EFA35u);
        QCOMPARE(s.LargeurCosmos, Largeur);
        const std::array<int32_t, 12> vitesses{1, 2, 3, 4, 6, 8, 10, 15, 20, 40, 60, 100};
        for (int k = 1; k <= 12; ++k) {
            QCOMPARE(Systeme::TabVitesse[k], vitesses[k - 1]);
        }
        // Angular speeds of bodies 1..10; the Sun has none, the Moon no km figure.
        for (int i = 1; i < NbAstres; ++i) {
            QCOMPARE(s.astres[i].VitesseAng, 360.0f / s.astres[i].Periode);
        }
        QCOMPARE(s.astres[Soleil].VitesseAng, 0.0f);
        QCOMPARE(s.astres[Soleil].VitesseKm, int16_t(0));
        QCOMPARE(s.astres[Lune].VitesseKm, int16_t(0));
        QVERIFY(s.astres[Lune].VitesseAng > 13.17f && s.astres[Lune].VitesseAng < 13.18f);
        // Start-up counts days from the start date, whatever it is; the clock reaches from
        // the calendar's first day to its last.
        QCOMPARE(s.Jours, 0);
        QCOMPARE(s.DateDebut, QDate(2025, 1, 1));
        QCOMPARE(s.JoursMin, -703092); // 1 January 100
        QCOMPARE(s.JoursMax, 2912807); // 31 December 9999
    }

    // Labels above and to the right, the giants' below; the Sun and the Moon have none.
    void divNoms() {
        const Systeme s = demarre();
        QString divs;
        for (const Astre& a : s.astres) {
            divs += QStringLiteral("%1/%2 ").arg(a.DivNomX).arg(a.DivNomY);
        }
        QCOMPARE(divs, QStringLiteral("0/0 50/100 50/100 50/100 50/100 25/-200 25/-200 25/-200 "
                                      "25/-200 50/100 0/0 "));
    }

    void vitesseKm_data() {
        QTest::addColumn<int>("astre");
        QTest::addColumn<QByteArray>("rayonEtPeriode");
        QTest::addColumn<int>("attendu");

        QTest::newRow("Terre, 2573.40") << 3 << QByteArray("149597870, 0, 0, 365.256") << 2573;
        QTest::newRow("Mercure, 4136.15") << 1 << QByteArray("57909050, 0, 0, 87.969") << 4136;
        QTest::newRow("Pluton, 409.8") << 9 << QByteArray("5906380000, 0, 0, 90560") << 410;
        // These two give exactly x.5 in double: halves go to the even neighbour.
        QTest::newRow("2286.5 -> 2286") << 4 << QByteArray("110354456, 0, 0, 303.248413") << 2286;
        QTest::newRow("2917.5 -> 2918") << 6 << QByteArray("157781936, 0, 0, 339.802277") << 2918;
        QTest::newRow("32767.40, le plus grand") << 2 << QByteArray("5215094, 0, 0, 1") << 32767;
    }

    void vitesseKm() {
        QFETCH(int, astre);
        QFETCH(QByteArray, rayonEtPeriode);
        QFETCH(int, attendu);
        const Systeme s = demarre(fichier(astre, "\"x\", 4, 1, " + rayonEtPeriode));
        QCOMPARE(int(s.astres[astre].VitesseKm), attendu);
    }

    void corpus_data() {
        QTest::addColumn<int>("indice");
        const QList<Corpus::Cas> tous = Corpus::cas();
        for (int i = 0; i < tous.size(); ++i) {
            // The reader's own odd values (terre) are not meant to start.
            if (tous[i].genre != QLatin1String("refus") &&
                tous[i].genre != QLatin1String("terre")) {
                QTest::newRow(qPrintable(tous[i].fichier)) << i;
            }
        }
    }

    // Every file read with its date starts, and those the manifest says start-up refuses
    // are refused.
    void corpus() {
        QFETCH(int, indice);
        const Corpus::Cas c = Corpus::cas().at(indice);
        const Planetaire::Ouverture o = Planetaire::ouvre(lis(c.octets, c.nomAffiche()));
        const auto* refus = std::get_if<ErreurDonnees>(&o);
        QCOMPARE(refus ? QStringLiteral("demarrage ") + Corpus::simple(refus->message())
                       : QStringLiteral("demarre"),
                 c.genre == QLatin1String("demarrage") ? c.genre + u' ' + c.attendu
                                                       : QStringLiteral("demarre"));
    }
};

QTEST_APPLESS_MAIN(TstDemarrage)
#include "tst_demarrage.moc"
