// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The command panel's rules without a window: for each clock state and each button,
// the switches that change and what the buttons, the timer and the read-out show.

#include "Commandes.h"

#include <QtTest>

using Commandes::Evenement;

namespace {

// The state as a list of the switches that are on, and the field.
Systeme systeme(const QString& drapeaux, int champ) {
    Systeme s;
    const QStringList on = drapeaux.split(u' ', Qt::SkipEmptyParts);
    s.EnMarche = on.contains(QLatin1String("EnMarche"));
    s.TraceOn = on.contains(QLatin1String("TraceOn"));
    s.LuneOn = on.contains(QLatin1String("LuneOn"));
    s.NomsOn = on.contains(QLatin1String("NomsOn"));
    s.Champ = champ;
    s.astres[2].VitesseKm = 3026;
    s.astres[3].VitesseKm = 2574;
    return s;
}

// An effect as one line: the switches left on, then each control that changes,
// `+`/`-` for enabled or shown, `=` for a caption or the timer's interval.
QString decrit(const Commandes::Effet& e) {
    QStringList l;
    const std::pair<bool, const char*> drapeaux[] = {{e.EnMarche, "EnMarche"},
                                                     {e.TraceOn, "TraceOn"},
                                                     {e.LuneOn, "LuneOn"},
                                                     {e.NomsOn, "NomsOn"}};
    for (const auto& [on, nom] : drapeaux) {
        if (on) {
            l << QLatin1String(nom);
        }
    }
    l << QStringLiteral("|");
    const std::pair<std::optional<bool>, const char*> etats[] = {{e.traceActif, "CmdTrace"},
                                                                 {e.debutActif, "CmdDebut"},
                                                                 {e.clsActif, "CmdCls"},
                                                                 {e.nomsVisibles, "noms"},
                                                                 {e.luneVisible, "Lune"}};
    for (const auto& [etat, nom] : etats) {
        if (etat) {
            l << QLatin1String(nom) + (*etat ? u'+' : u'-');
        }
    }
    if (e.intervalle) {
        l << QStringLiteral("temps=%1").arg(*e.intervalle);
    }
    const std::pair<const std::optional<QString>&, const char*> textes[] = {
        {e.legendeStart, "CmdStart"},
        {e.legendeNoms, "CmdAffNom"},
        {e.legendeTrace, "CmdTrace"},
        {e.legendeLune, "CmdLune"},
        {e.vitesse, "LbVit"}};
    for (const auto& [texte, nom] : textes) {
        if (texte) {
            l << QStringLiteral("%1='%2'").arg(QLatin1String(nom), *texte);
        }
    }
    return l.join(u' ');
}

} // namespace

class TstCommandes : public QObject {
    Q_OBJECT

private slots:
    void apres_data();
    void apres();
    void texteVitesse();
};

void TstCommandes::apres_data() {
    QTest::addColumn<QString>("avant");
    QTest::addColumn<int>("champ");
    QTest::addColumn<Evenement>("evenement");
    QTest::addColumn<QString>("attendu");
    const QString arret = QStringLiteral("temps=0 CmdStart='Démarrer' LbVit='0'");

    // The clock: at the start date, running, paused.
    QTest::newRow("ouverture") << "" << 3 << Evenement::Ouverture
                               << "| CmdTrace- CmdDebut- CmdCls- "
                                  "CmdTrace='Montrer la trace des planètes'";
    QTest::newRow("demarrer") << "" << 3 << Evenement::Start
                              << "EnMarche | CmdTrace+ CmdDebut+ noms- temps=20 "
                                 "CmdStart='Arrêter' LbVit='2574'";
    QTest::newRow("demarrer, noms montres, trace et Lune gardees")
        << "TraceOn LuneOn NomsOn" << 2 << Evenement::Start
        << "EnMarche TraceOn LuneOn | CmdTrace+ CmdDebut+ noms- temps=20 CmdStart='Arrêter' "
           "CmdAffNom='Afficher noms planètes' LbVit='3026'";
    QTest::newRow("arreter") << "EnMarche TraceOn" << 3 << Evenement::Start
                             << "TraceOn | CmdTrace- " + arret;
    QTest::newRow("fin du calendrier")
        << "EnMarche" << 3 << Evenement::FinDuCalendrier << "| CmdTrace- " + arret;
    QTest::newRow("debut en marche")
        << "EnMarche TraceOn" << 3 << Evenement::Debut << "TraceOn | CmdTrace- CmdDebut- " + arret;
    QTest::newRow("debut en pause")
        << "NomsOn" << 3 << Evenement::Debut << "NomsOn | CmdTrace- CmdDebut- " + arret;

    // The names: asked for while running they stop the clock but keep the traces button.
    QTest::newRow("noms en marche")
        << "EnMarche" << 3 << Evenement::Noms
        << "NomsOn | noms+ temps=0 CmdStart='Démarrer' CmdAffNom='Masquer noms planètes' "
           "LbVit='0'";
    QTest::newRow("noms a l'arret")
        << "" << 3 << Evenement::Noms << "NomsOn | noms+ CmdAffNom='Masquer noms planètes'";
    QTest::newRow("noms caches a l'arret")
        << "NomsOn" << 3 << Evenement::Noms << "| noms- CmdAffNom='Afficher noms planètes'";

    // Traces, erasing, the Moon.
    QTest::newRow("trace") << "EnMarche" << 3 << Evenement::Trace
                           << "EnMarche TraceOn | CmdCls+ "
                              "CmdTrace='Suspendre la trace des planètes'";
    QTest::newRow("trace suspendue") << "TraceOn" << 3 << Evenement::Trace
                                     << "| CmdCls+ CmdTrace='Montrer la trace des planètes'";
    QTest::newRow("effacer") << "EnMarche TraceOn" << 3 << Evenement::Cls
                             << "EnMarche TraceOn | CmdCls-";
    QTest::newRow("Lune") << "" << 3 << Evenement::Lune
                          << "LuneOn | Lune+ CmdLune='Cacher la Lune'";
    QTest::newRow("Lune cachee") << "LuneOn" << 9 << Evenement::Lune
                                 << "| Lune- CmdLune='Montrer la Lune'";
    QTest::newRow("Lune d'un champ proche")
        << "" << 2 << Evenement::Lune << "LuneOn | CmdLune='Cacher la Lune'";
}

void TstCommandes::apres() {
    QFETCH(QString, avant);
    QFETCH(int, champ);
    QFETCH(Evenement, evenement);
    QFETCH(QString, attendu);
    QCOMPARE(decrit(Commandes::apres(systeme(avant, champ), evenement)), attendu);
}

void TstCommandes::texteVitesse() {
    QCOMPARE(Commandes::texteVitesse(1), QStringLiteral("1 jour par pas"));
    QCOMPARE(Commandes::texteVitesse(2), QStringLiteral("2 jours par pas"));
    QCOMPARE(Commandes::texteVitesse(100), QStringLiteral("100 jours par pas"));
}

QTEST_GUILESS_MAIN(TstCommandes)
#include "tst_commandes.moc"
