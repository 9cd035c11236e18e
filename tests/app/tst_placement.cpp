// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Placement.h"
#include "Tableau.h"

#include <QtTest>
#include <bit>
#include <cmath>
#include <vector>

namespace {

QString texte(const Cercle& c) {
    return QStringLiteral("cercle(%1, %2, r=%3, c=%4)")
        .arg(double(c.x), 0, 'g', 10)
        .arg(double(c.y), 0, 'g', 10)
        .arg(double(c.rayon))
        .arg(c.couleur);
}

// pi / 180 in single precision, as start-up sets it.
const float DegRad = std::bit_cast<float>(0x3C8EFA35u);

constexpr float AngleAvant = 999.0f; // stored values a pass must not touch
constexpr float XAvant = 12345.0f;
constexpr float YAvant = -6789.0f;

// Planets on orbits of 10, 20 ... 90 million km, each with its own speed, starting
// angle, offsets and colour, so that any mix-up shows.
Systeme systemeDeTest(int champ, bool traces = false) {
    Systeme s;
    s.Champ = champ;
    s.TraceOn = traces;
    s.DegRad = DegRad;
    s.Echelle = 1000.0f;
    s.DateDebut = QDate(2025, 1, 1);
    for (int i = 0; i < NbAstres; ++i) {
        Astre& a = s.astres[i];
        a.Nom = QStringLiteral("astre %1").arg(i);
        a.RayonOrbite = 1e7f * i;
        a.VitesseAng = 360.0f / (50.0f * i + 30.0f);
        a.AngleInitial = 15.0f * i;
        a.DecalX = -100.0f * i - 1;
        a.DecalY = 50.0f * i + 3;
        a.Couleur = 0x010203 * i;
        a.DivNomX = (i >= 5 && i <= 8) ? 25 : 50;
        a.DivNomY = (i >= 5 && i <= 8) ? -200 : 100;
        a.Angle = AngleAvant;
        a.PosX = XAvant;
        a.PosY = YAvant;
    }
    s.astres[Soleil].DecalX = -300;
    s.astres[Soleil].DecalY = 300;
    Astre& lune = s.astres[Lune];
    lune.RayonOrbite = 384400;
    lune.VitesseAng = 360.0f / 27.321661f;
    lune.AngleInitial = 0;
    lune.DecalX = -50;
    lune.DecalY = 50;
    lune.Couleur = 0xC0C0C0;
    return s;
}

// The angle on day `jour`, formed in double and stored in single precision, never
// reduced; then the position counter-clockwise from the x axis.
float angleAttendu(const Astre& a, int32_t jour) {
    return static_cast<float>(double(a.VitesseAng) * jour + a.AngleInitial);
}

QPointF positionAttendue(const Astre& a, int32_t jour) {
    const double radians = double(angleAttendu(a, jour)) * DegRad;
    return {a.RayonOrbite * std::cos(radians), a.RayonOrbite * std::sin(radians)};
}

// Within a millionth of the orbit's radius.
bool proche(float obtenu, double attendu, float rayon) {
    return std::fabs(obtenu - attendu) <= 1e-6 * rayon;
}

bool intact(const Astre& a) {
    return a.Angle == AngleAvant && a.PosX == XAvant && a.PosY == YAvant;
}

void compareCercles(const std::vector<Cercle>& obtenus, const std::vector<Cercle>& attendus) {
    for (size_t k = 0; k < std::min(obtenus.size(), attendus.size()); ++k) {
        QVERIFY2(obtenus[k] == attendus[k], qPrintable(QStringLiteral("cercle %1 : %2, attendu %3")
                                                           .arg(k)
                                                           .arg(texte(obtenus[k]))
                                                           .arg(texte(attendus[k]))));
    }
    QCOMPARE(obtenus.size(), attendus.size());
}

// A disc's upper-left corner.
void compareCoin(const FormeAstre& f, float gauche, float haut) {
    QCOMPARE(f.Left, gauche);
    QCOMPARE(f.Top, haut);
}

} // namespace

class TstPlacement : public QObject {
    Q_OBJECT

private slots:
    void placeAstres_data() {
        QTest::addColumn<int>("champ");
        QTest::addColumn<bool>("trace");
        QTest::addColumn<int>("jour");

        for (int champ : {1, 2, 3, 5, 9}) {
            QTest::addRow("champ %d", champ) << champ << false << 37;
            QTest::addRow("champ %d, traces", champ) << champ << true << 37;
        }
        QTest::newRow("jour 0") << 9 << true << 0;
        QTest::newRow("jour lointain") << 4 << false << 2900000;
    }

    void placeAstres() {
        QFETCH(int, champ);
        QFETCH(bool, trace);
        QFETCH(int, jour);
        Systeme s = systemeDeTest(champ, trace);
        const auto formesAvant = s.ShSidrane;
        std::vector<Cercle> traces;

        Placement::PlaceAstres(s, jour, traces);

        std::vector<Cercle> attendus;
        for (int i = 1; i <= champ; ++i) {
            const Astre& a = s.astres[i];
            const QPointF p = positionAttendue(a, jour);
            QCOMPARE(a.Angle, angleAttendu(a, jour));
            QVERIFY2(proche(a.PosX, p.x(), a.RayonOrbite) && proche(a.PosY, p.y(), a.RayonOrbite),
                     qPrintable(QString::number(i)));
            // The shape is moved by its top-left corner, so that it is centred on the body.
            compareCoin(s.ShSidrane[i], a.DecalX + a.PosX, a.DecalY + a.PosY);
            if (trace) {
                attendus.push_back({a.PosX, a.PosY, std::fabs(a.DecalX) / 2, a.Couleur});
            }
        }
        compareCercles(traces, attendus);
        // The Sun, the planets beyond the field and the hidden Moon keep their state.
        QVERIFY(intact(s.astres[Soleil]));
        for (int i = champ + 1; i < NbAstres; ++i) {
            QVERIFY2(intact(s.astres[i]) && s.ShSidrane[i] == formesAvant[i],
                     qPrintable(QString::number(i)));
        }
    }

    void rayonsDesTraces() {
        // A shape 400 wide: a planet leaves a circle of a quarter of it, the Moon of half.
        Systeme s = systemeDeTest(1, true);
        s.LuneOn = true;
        s.astres[1].DecalX = -200;
        s.astres[Lune].DecalX = -200;
        std::vector<Cercle> traces;

        Placement::PlaceAstres(s, 5, traces);

        QCOMPARE(traces.size(), size_t(2));
        QCOMPARE(traces[0].rayon, 100.0f);
        QCOMPARE(traces[1].rayon, 200.0f);
        QCOMPARE(traces[1].couleur, 0xC0C0C0);
    }

    void lune_data() {
        QTest::addColumn<int>("champ");
        QTest::addColumn<bool>("trace");
        QTest::addColumn<double>("terreX"); // where the Moon turns, day 0
        QTest::addColumn<double>("terreY");

        // Below field 3 the Earth is not computed: the Moon turns around its stored place.
        QTest::newRow("champ 1") << 1 << false << double(XAvant) << double(YAvant);
        QTest::newRow("champ 2, traces") << 2 << true << double(XAvant) << double(YAvant);
        // From field 3 on the Earth, 30 million km away at 45 degrees, has just been placed.
        const double terre = 21213203.4; // 3e7 / sqrt(2)
        QTest::newRow("champ 3") << 3 << false << terre << terre;
        QTest::newRow("champ 9, traces") << 9 << true << terre << terre;
    }

    void lune() {
        QFETCH(int, champ);
        QFETCH(bool, trace);
        QFETCH(double, terreX);
        QFETCH(double, terreY);
        Systeme s = systemeDeTest(champ, trace);
        s.LuneOn = true;
        std::vector<Cercle> traces;

        // Day 0, angle 0: the Moon stands 384 400 km to the right of the Earth.
        Placement::PlaceAstres(s, 0, traces);

        const Astre& lune = s.astres[Lune];
        QCOMPARE(lune.Angle, 0.0f);
        // Single precision holds 21 million km to the nearest 2.
        QVERIFY2(std::fabs(lune.PosX - (terreX + 384400)) <= 2,
                 qPrintable(QString::number(lune.PosX)));
        QVERIFY2(std::fabs(lune.PosY - terreY) <= 2, qPrintable(QString::number(lune.PosY)));
        // The Moon comes last, hung by its top-left corner at its position: no offsets.
        compareCoin(s.ShSidrane[Lune], lune.PosX, lune.PosY);
        if (trace) {
            QVERIFY(traces.back() == (Cercle{lune.PosX, lune.PosY, 50, 0xC0C0C0}));
        }
        if (champ < Terre) {
            QVERIFY(intact(s.astres[Terre]));
        }

        // A month later it has gone round the same Earth once.
        Placement::PlaceAstres(s, 30, traces);
        const double dx = double(s.astres[Lune].PosX) - s.astres[Terre].PosX;
        const double dy = double(s.astres[Lune].PosY) - s.astres[Terre].PosY;
        QVERIFY(std::fabs(std::hypot(dx, dy) - 384400) < 1.0 + 1e-6 * std::fabs(terreX));
        // 30 days of 360 / 27.321661 degrees.
        QCOMPARE(s.astres[Lune].Angle, 395.29074f);
    }

    void remiseAZero_data() { Tableau::lignes(QStringLiteral("app/remiseazero.txt")); }

    void remiseAZero() {
        QFETCH(QStringList, colonnes);
        const int champ = colonnes.value(0).toInt();
        const bool noms = colonnes.value(1) == QLatin1String("oui");
        const bool lune = colonnes.value(2) == QLatin1String("oui");
        const int depart = colonnes.value(3).toInt();
        Systeme s = systemeDeTest(champ);
        s.NomsOn = noms;
        s.LuneOn = lune;
        s.Jours = 1234;
        s.JoursDepart = depart;
        // Every body starts on the x axis: on day 0 planet i stands at (i x 10 million km, 0).
        for (Astre& a : s.astres) {
            a.AngleInitial = 0;
        }
        std::vector<Cercle> traces;

        Placement::RemiseAZero(s, traces);

        QCOMPARE(s.Jours, depart);
        QVERIFY(traces.empty());
        compareCoin(s.ShSidrane[Soleil], -300, 300);
        for (int i = 1; i <= champ; ++i) {
            // The offsets -100 i - 1 and 50 i + 3 added to the position, in single precision.
            compareCoin(s.ShSidrane[i], float(-100 * i - 1) + 1e7f * i,
                        depart == 0 ? float(50 * i + 3) : s.ShSidrane[i].Top);
            // Every label above and to the right, whatever the body's own divisors:
            // Echelle 1000, so 20 right and 10 up.
            const EtiquetteAstre nom =
                noms ? EtiquetteAstre{1e7f * i + 20, 10, true} : EtiquetteAstre{};
            QVERIFY2(s.LbNom[i] == nom, qPrintable(QString::number(i)));
        }
        if (lune) {
            // 384 400 km to the right of the Earth, hung by its top-left corner.
            compareCoin(s.ShSidrane[Lune], 30384400, 0);
        }
    }

    void montreNoms() {
        Systeme s = systemeDeTest(9);
        for (int i = 1; i <= DernierePlanete; ++i) {
            s.astres[i].PosX = 1000.0f * i;
            s.astres[i].PosY = -100.0f * i;
        }

        Placement::MontreNoms(s);

        // Echelle 1000: 20 right and 10 up for 1..4 and 9; 40 right and 5 down for 5..8.
        for (int i = 1; i <= DernierePlanete; ++i) {
            const bool geante = i >= 5 && i <= 8;
            const EtiquetteAstre attendu{1000.0f * i + (geante ? 40 : 20),
                                         -100.0f * i + (geante ? -5 : 10), true};
            QVERIFY2(s.LbNom[i] == attendu, qPrintable(QString::number(i)));
        }
        QVERIFY(!s.LbNom[Soleil].Visible && !s.LbNom[Lune].Visible);
    }
};

QTEST_APPLESS_MAIN(TstPlacement)
#include "tst_placement.moc"
