// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The orrery's rules as the main window meets them: from start-up on the shipped data,
// a sequence of events, and what the window must show afterwards.

#include "Planetaire.h"
#include "Tableau.h"

#include <QtTest>
#include <random>

namespace {

const QString Livrees = QStringLiteral(SIDRANES_SOURCE_DIR "/data/sidranes.dat");

DonneesSidranes livrees() {
    static const DonneesSidranes donnees = LecteurDonnees::lit(LecteurDonnees::Chemin(Livrees));
    return donnees;
}

Planetaire ouvre(const DonneesSidranes& donnees = livrees(), std::optional<QDate> depart = {}) {
    Planetaire::Ouverture o = Planetaire::ouvre(donnees, depart);
    if (const auto* refus = std::get_if<ErreurDonnees>(&o)) {
        qFatal("%s", qPrintable(refus->message()));
    }
    return std::get<Planetaire>(std::move(o));
}

QDate date(const QString& texte) {
    return QDate::fromString(texte, QStringLiteral("dd/MM/yyyy"));
}

// One event by its name: a button (CmdStart...), "tic", "champN" (a click on notch N of
// the field slider), "glisseN", "relache", "vitesseN", "remonte", "allureN", "depart=date";
// "tic*N" for N ticks.
void joueUn(Planetaire& p, const QString& evenement) {
    static const QHash<QString, const Instantane& (Planetaire::*)()> boutons{
        {QStringLiteral("CmdStart"), &Planetaire::CmdStart_Click},
        {QStringLiteral("CmdDebut"), &Planetaire::CmdDebut_Click},
        {QStringLiteral("CmdTrace"), &Planetaire::CmdTrace_Click},
        {QStringLiteral("CmdCls"), &Planetaire::CmdCls_Click},
        {QStringLiteral("CmdLune"), &Planetaire::CmdLune_Click},
        {QStringLiteral("CmdAffNom"), &Planetaire::CmdAffNom_Click},
        {QStringLiteral("tic"), &Planetaire::temps_Timer},
        {QStringLiteral("relache"), &Planetaire::champRelache},
        {QStringLiteral("remonte"), &Planetaire::remonteLeTemps},
        {QStringLiteral("ralentit"), &Planetaire::ralentit},
        {QStringLiteral("accelere"), &Planetaire::accelere}};
    const QString nom = evenement.section(u'*', 0, 0);
    const int fois = evenement.contains(u'*') ? evenement.section(u'*', 1).toInt() : 1;
    const int n = QStringView(nom).right(1).toInt();
    for (int k = 0; k < fois; ++k) {
        if (boutons.contains(nom)) {
            (p.*boutons.value(nom))();
        } else if (nom.startsWith(QLatin1String("champ"))) {
            p.champClique(n);
        } else if (nom.startsWith(QLatin1String("glisse"))) {
            p.champGlisse(n);
        } else if (nom.startsWith(QLatin1String("vitesse"))) {
            p.vitessePrise(nom.mid(7).toInt());
        } else if (nom.startsWith(QLatin1String("allure"))) {
            p.choisitAllure(n);
        } else if (nom.startsWith(QLatin1String("depart="))) {
            p.changeDepart(date(nom.mid(7)));
        } else {
            qFatal("événement inconnu : %s", qPrintable(nom));
        }
    }
}

// Events separated by spaces.
void joue(Planetaire& p, const QString& evenements) {
    for (const QString& e : evenements.split(u' ', Qt::SkipEmptyParts)) {
        joueUn(p, e);
    }
}

// A start at the file's date plus N days shows the picture a run of N days reaches.
void departCommeUneCourse(int jours) {
    Planetaire course = ouvre();
    joue(course, QStringLiteral("champ9 CmdLune"));
    joue(course, jours < 0 ? QStringLiteral("remonte") : QStringLiteral("CmdStart"));
    joue(course, QStringLiteral("tic*%1").arg(std::abs(jours)));
    Planetaire saut = ouvre(livrees(), QDate(2025, 1, 1).addDays(jours));
    joue(saut, QStringLiteral("champ9 CmdLune"));
    QCOMPARE(saut.instantane().LbTemps, course.instantane().LbTemps);
    QVERIFY(saut.instantane().ShSidrane == course.instantane().ShSidrane);
}

QString bouton(const Bouton& b) {
    return b.actif ? b.legende : b.legende + QStringLiteral(" (inactif)");
}

// The lasting part of a picture, key by key, in the panel's order.
QList<QPair<QString, QString>> etat(const Instantane& v) {
    QString formes;
    QString noms;
    for (int i = 0; i < NbAstres; ++i) {
        const QString nom = i == Lune ? QStringLiteral("L") : QString::number(i);
        formes += v.ShSidrane[i].Visible ? nom : QString();
        noms += v.LbNom[i].Visible ? nom : QString();
    }
    return {{QStringLiteral("CmdDebut"), bouton(v.CmdDebut)},
            {QStringLiteral("CmdStart"), bouton(v.CmdStart)},
            {QStringLiteral("CmdTrace"), bouton(v.CmdTrace)},
            {QStringLiteral("CmdCls"), bouton(v.CmdCls)},
            {QStringLiteral("CmdLune"), bouton(v.CmdLune)},
            {QStringLiteral("CmdAffNom"), bouton(v.CmdAffNom)},
            {QStringLiteral("LbOrbite"), v.LbOrbite},
            {QStringLiteral("LbTemps"), v.LbTemps},
            {QStringLiteral("LabCourse"), v.LabCourse},
            {QStringLiteral("LbVit"), v.LbVit},
            {QStringLiteral("temps"), QString::number(v.intervalle)},
            {QStringLiteral("remonte"), v.remonte ? QStringLiteral("oui") : QStringLiteral("non")},
            {QStringLiteral("allure"), v.allure},
            {QStringLiteral("formes"), formes},
            {QStringLiteral("noms"), noms}};
}

// What changed since `avant`, then what the last event did: cleared the drawing, drew
// circles, said something.
QString decrit(const Instantane& avant, const Instantane& apres) {
    QStringList l;
    const auto a = etat(avant);
    const auto b = etat(apres);
    for (qsizetype k = 0; k < b.size(); ++k) {
        if (b[k].second != a[k].second) {
            l << b[k].first + u'=' + b[k].second;
        }
    }
    if (apres.efface) {
        l << QStringLiteral("efface");
    }
    if (!apres.cercles.empty()) {
        l << QStringLiteral("cercles=%1").arg(apres.cercles.size());
    }
    if (!apres.annonce.isEmpty()) {
        l << QStringLiteral("«%1»").arg(apres.annonce);
    }
    return l.join(QStringLiteral("; "));
}

} // namespace

namespace {

// Why the picture breaks a rule that holds after any sequence of events, or nothing.
QString faute(const Planetaire& p) {
    const Systeme& s = p.etat();
    const Instantane& v = p.instantane();
    const auto verifie = [](bool vrai, const QString& quoi) { return vrai ? QString() : quoi; };
    const QStringList fautes{
        verifie(s.Champ >= 1 && s.Champ <= DernierePlanete, QStringLiteral("champ")),
        verifie(s.IndVitesse >= 1 && s.IndVitesse <= Systeme::NbVitesses, QStringLiteral("cran")),
        verifie(s.Jours >= s.JoursMin && s.Jours <= s.JoursMax, QStringLiteral("jours")),
        verifie(s.DateCour() >= QDate(100, 1, 1) && s.DateCour() <= QDate(9999, 12, 31),
                QStringLiteral("date")),
        verifie((v.intervalle > 0) == s.EnMarche && (v.CmdStart.legende == "Arrêter") == s.EnMarche,
                QStringLiteral("marche")),
        verifie(!s.EnMarche || (v.CmdTrace.actif && v.CmdDebut.actif), QStringLiteral("boutons")),
        verifie(v.CmdDebut.actif || (!s.EnMarche && s.Jours == s.JoursDepart),
                QStringLiteral("début")),
        verifie((v.LbVit == "0") != s.EnMarche, QStringLiteral("LbVit")),
        verifie(v.CmdLune.actif == (s.Champ > 2), QStringLiteral("Lune")),
        verifie(s.Champ <= 2 || v.ShSidrane[Lune].Visible == s.LuneOn,
                QStringLiteral("disque de la Lune")),
    };
    for (const QString& f : fautes) {
        if (!f.isEmpty()) {
            return f;
        }
    }
    for (int i = 0; i < NbAstres; ++i) {
        const bool nomPermis = !s.EnMarche && s.NomsOn && i >= 1 && i <= s.Champ;
        if ((v.LbNom[i].Visible && !nomPermis) || !std::isfinite(s.astres[i].PosX) ||
            (i <= DernierePlanete && v.ShSidrane[i].Visible != (i <= s.Champ))) {
            return QStringLiteral("astre %1").arg(i);
        }
    }
    return {};
}

} // namespace

class TstPlanetaire : public QObject {
    Q_OBJECT

private slots:
    void ouverture() {
        const Planetaire p = ouvre();
        QCOMPARE(
            decrit(Instantane(), p.instantane()),
            QStringLiteral("CmdDebut=Début (inactif); CmdStart=Démarrer; "
                           "CmdTrace=Montrer la trace des planètes (inactif); "
                           "CmdCls=Effacer les traces (inactif); CmdLune=Montrer la Lune; "
                           "CmdAffNom=Afficher Noms planètes; LbOrbite=Champ orbital : Terre; "
                           "LbTemps=01/01/2025; LabCourse=Distance parcourue par Terre; LbVit=0; "
                           "formes=0123; efface"));
        QCOMPARE(p.instantane().Echelle, 164558080.0f); // 1.1 times the Earth's orbit
        QCOMPARE(p.etat().Pas(), 1);
    }

    void evenements_data() { Tableau::lignes(QStringLiteral("app/planetaire.txt")); }

    void evenements() {
        QFETCH(QStringList, colonnes);
        Planetaire p = ouvre();
        const Instantane depart = p.instantane();
        joue(p, colonnes.value(0));
        QCOMPARE(decrit(depart, p.instantane()), colonnes.value(1));
    }

    void departs_data() { Tableau::lignes(QStringLiteral("app/departs.txt")); }

    void departs() {
        QFETCH(QStringList, colonnes);
        const QString genre = colonnes.value(0);
        if (genre == QLatin1String("refus")) {
            const auto refus = ouvre().refusDepart(date(colonnes.value(1)));
            QCOMPARE(refus.value_or(QStringLiteral("-")), colonnes.value(2));
        } else if (genre == QLatin1String("langue")) {
            QLocale::setDefault(QLocale(colonnes.value(1)));
            Planetaire p = ouvre();
            QLocale::setDefault(QLocale::system());
            joue(p, QStringLiteral("CmdStart tic"));
            QCOMPARE(p.instantane().LbTemps, colonnes.value(2));
        } else {
            departCommeUneCourse(colonnes.value(1).toInt());
        }
    }

    // A Moon turning 10^35 degrees a day from the last day of the calendar: its angle would
    // pass the largest float 3402 days back; the clock keeps a margin and stops 3399 back.
    void remonteJusquAuxAnglesFinis() {
        DonneesSidranes d = livrees();
        d.DateDebut = QDate(9999, 12, 31);
        d.astres[Lune].Periode = 3.6e-33f;
        d.astres[Lune].AngleInitial = 0;
        Planetaire p = ouvre(d);
        QVERIFY(p.refusDepart(QDate(9999, 12, 31).addDays(-3400)).has_value());
        QVERIFY(!p.refusDepart(QDate(9999, 12, 31).addDays(-3399)).has_value());
        joue(p, QStringLiteral("CmdLune vitesse12 remonte tic*40"));
        QCOMPARE(p.etat().Jours, -3300);
        QVERIFY(!p.etat().EnMarche);
        joue(p, QStringLiteral("vitesse1 CmdStart tic*200"));
        QCOMPARE(p.etat().Jours, -3399);
        QVERIFY(std::isfinite(p.etat().astres[Lune].PosX));
    }

    void invariants_data() {
        QTest::addColumn<QDate>("depart");
        QTest::newRow("données livrées") << QDate(2025, 1, 1);
        // Near the calendar's ends, which the clock reaches at high speed.
        QTest::newRow("9990") << QDate(9990, 1, 1);
        QTest::newRow("110") << QDate(110, 1, 1);
    }

    // Thousands of random events, each followed by the rules that always hold.
    void invariants() {
        QFETCH(QDate, depart);
        Planetaire p = ouvre(livrees(), depart);
        std::mt19937 alea(20070101);
        const auto tirage = [&alea](int a, int b) {
            return std::uniform_int_distribution(a, b)(alea);
        };
        const QStringList boutons{"CmdStart", "CmdDebut",  "CmdTrace", "CmdCls",
                                  "CmdLune",  "CmdAffNom", "relache",  "remonte",
                                  "tic",      "tic*50",    "tic*400"};
        for (int k = 0; k < 20000; ++k) {
            QString e;
            switch (tirage(0, 5)) {
            case 0:
                e = QStringLiteral("champ%1").arg(tirage(1, 9));
                break;
            case 1:
                e = QStringLiteral("glisse%1").arg(tirage(1, 9));
                break;
            case 2:
                e = tirage(0, 3) ? QStringLiteral("vitesse%1").arg(tirage(1, 12))
                                 : QStringLiteral("allure%1").arg(tirage(0, 3));
                break;
            default:
                e = boutons[tirage(0, int(boutons.size()) - 1)];
            }
            joue(p, e);
            const QString f = faute(p);
            QVERIFY2(f.isEmpty(),
                     qPrintable(QStringLiteral("%1 après %2 (n° %3)").arg(f, e).arg(k)));
        }
    }
};

QTEST_GUILESS_MAIN(TstPlanetaire)
#include "tst_planetaire.moc"
