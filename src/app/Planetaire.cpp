// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Planetaire.h"

#include "Calendrier.h"
#include "ChampOrbital.h"
#include "Demarrage.h"
#include "Legendes.h"
#include "Placement.h"

namespace {

// The trace circles of one pass: ten at most.
constexpr size_t CerclesParPassage = NbAstres;

} // namespace

Planetaire::Planetaire()
    : locale(Calendrier::localeDesDates()), formatDate(Calendrier::formatCourt(locale)) {
    vue.cercles.reserve(CerclesParPassage);
}

Planetaire::Ouverture Planetaire::ouvre(const Options& options) {
    try {
        return ouvre(LecteurDonnees::lit(options.fichier), options.depart);
    } catch (const ErreurDonnees& erreur) {
        return erreur;
    }
}

Planetaire::Ouverture Planetaire::ouvre(const DonneesSidranes& donnees,
                                        std::optional<QDate> depart) {
    Planetaire p;
    p.s.DateDebut = donnees.DateDebut;
    p.s.astres = donnees.astres;
    try {
        Demarrage::InitSysteme(p.s, LargeurCosmos, donnees.provenance);
    } catch (const ErreurDonnees& erreur) {
        return erreur;
    }
    if (depart) {
        if (const auto refus = p.refusDepart(*depart)) {
            return ErreurDonnees(*refus);
        }
        p.s.JoursDepart = static_cast<int32_t>(p.s.DateDebut.daysTo(*depart));
    }
    p.s.Jours = p.s.JoursDepart;
    p.ChangeChamp();
    Placement::RemiseAZero(p.s, p.vue.cercles);
    p.compose();
    return p;
}

std::optional<QString> Planetaire::refusDepart(const QDate& date) const {
    const QDate premier = s.DateDebut.addDays(s.JoursMin);
    const QDate dernier = s.DateDebut.addDays(s.JoursMax);
    if (date.isValid() && date >= premier && date <= dernier) {
        return std::nullopt;
    }
    const QString forme = QStringLiteral("dd/MM/yyyy");
    return QStringLiteral("la date de départ doit être comprise entre le %1 et le %2")
        .arg(premier.toString(forme), dernier.toString(forme));
}

QStringList Planetaire::textesChamps() const {
    QStringList textes;
    for (int k = 1; k <= DernierePlanete; ++k) {
        textes << s.astres[k].Nom;
    }
    return textes;
}

QStringList Planetaire::textesVitesses() {
    QStringList textes;
    for (int k = 1; k <= Systeme::NbVitesses; ++k) {
        textes << texteVitesse(Systeme::TabVitesse[k]);
    }
    return textes;
}

QString Planetaire::texteVitesse(int32_t pas) {
    return pas == 1 ? QStringLiteral("1 jour par pas")
                    : QStringLiteral("%1 jours par pas").arg(pas);
}

// ---- The picture ----

void Planetaire::nouveau() {
    vue.efface = false;
    vue.cercles.clear();
    vue.annonce.clear();
}

QString Planetaire::date() const {
    return locale.toString(s.DateCour(), formatDate);
}

QString Planetaire::texteAllure() const {
    switch (s.AllureLente) {
    case 0:
        return texteVitesse(s.Pas());
    case 1:
        return QStringLiteral("1 jour toutes les 0,1 seconde");
    case 2:
        return QStringLiteral("1 jour toutes les 0,5 seconde");
    default:
        return QStringLiteral("1 jour toutes les 2 secondes");
    }
}

const Instantane& Planetaire::compose() {
    const Astre& champ = s.astres[s.Champ];
    vue.CmdDebut = {QStringLiteral("Début"), s.debutActif};
    vue.CmdStart = {s.EnMarche ? Legendes::Arreter : Legendes::Demarrer, true};
    vue.CmdTrace = {s.TraceOn ? Legendes::SuspendreTrace : Legendes::MontrerTrace, s.traceActif};
    vue.CmdCls = {QStringLiteral("Effacer les traces"), s.clsActif};
    // Near fields hold no Moon: there the button is disabled.
    vue.CmdLune = {s.LuneOn ? Legendes::CacherLune : Legendes::MontrerLune, s.Champ > 2};
    vue.CmdAffNom = {s.NomsOn                ? Legendes::MasquerNoms
                     : s.nomsLegendeDessinee ? Legendes::AfficherNomsAuDepart
                                             : Legendes::AfficherNoms,
                     true};
    vue.LbOrbite = QStringLiteral("Champ orbital : ") + champ.Nom;
    vue.LbTemps = date();
    vue.LabCourse = QStringLiteral("Distance parcourue par ") + champ.Nom;
    vue.LbVit = s.EnMarche ? QString::number(champ.VitesseKm) : Legendes::VitesseArretee;
    vue.allure = s.AllureLente > 0 ? texteAllure() : QString();
    vue.allureLente = s.AllureLente;
    vue.intervalle = s.EnMarche ? s.intervalle() : 0;
    vue.remonte = s.Sens < 0;
    vue.Echelle = s.Echelle;
    vue.ShSidrane = s.ShSidrane;
    vue.LbNom = s.LbNom;
    return vue;
}

QString Planetaire::annonceDate(const QString& debut) const {
    return QStringLiteral("%1. Date : %2").arg(debut, date());
}

// ---- The clock ----

void Planetaire::cacheNoms(int dernier) {
    for (int i = 1; i <= dernier; ++i) {
        s.LbNom[i].Visible = false;
    }
}

// Names belong to the stopped clock: starting hides them.
void Planetaire::demarre() {
    s.EnMarche = true;
    s.traceActif = true;
    s.debutActif = true;
    cacheNoms(s.Champ);
    if (s.NomsOn) {
        s.NomsOn = false;
        s.nomsLegendeDessinee = false;
    }
    vue.annonce = QStringLiteral("%1. Distance parcourue par %2 : %3 x 1000 km/jour")
                      .arg(Legendes::Arreter, s.astres[s.Champ].Nom)
                      .arg(s.astres[s.Champ].VitesseKm);
}

// Every stop but the names': the traces button acts only while the clock runs.
void Planetaire::arrete() {
    s.EnMarche = false;
    s.traceActif = false;
}

const Instantane& Planetaire::temps_Timer() {
    nouveau();
    // Only a running clock ticks: one late tick after a stop changes nothing.
    if (!s.EnMarche) {
        return compose();
    }
    // The calendar ends on 31 December 9999 and begins on 1 January 100: a tick past
    // either end stops the clock at the last date reached.
    const int64_t jours = int64_t(s.Jours) + int64_t(s.Sens) * s.Pas();
    if (jours < s.JoursMin || jours > s.JoursMax) {
        arrete();
        vue.annonce = annonceDate(QStringLiteral("Fin du calendrier, horloge arrêtée"));
        return compose();
    }
    s.Jours = static_cast<int32_t>(jours);
    Placement::PlaceAstres(s, s.Jours, vue.cercles);
    return compose();
}

const Instantane& Planetaire::CmdStart_Click() {
    nouveau();
    if (s.EnMarche) {
        arrete();
        vue.annonce = annonceDate(Legendes::Demarrer);
    } else {
        demarre();
    }
    return compose();
}

const Instantane& Planetaire::CmdDebut_Click() {
    nouveau();
    arrete();
    s.debutActif = false;
    Placement::RemiseAZero(s, vue.cercles);
    vue.annonce = annonceDate(QStringLiteral("Retour au début"));
    return compose();
}

// ---- Overlays ----

const Instantane& Planetaire::CmdTrace_Click() {
    nouveau();
    s.TraceOn = !s.TraceOn;
    // Traces drawn before they were switched off can still be erased.
    s.clsActif = true;
    vue.annonce = s.TraceOn ? Legendes::SuspendreTrace : Legendes::MontrerTrace;
    return compose();
}

const Instantane& Planetaire::CmdCls_Click() {
    nouveau();
    vue.efface = true;
    s.clsActif = false;
    return compose();
}

const Instantane& Planetaire::CmdLune_Click() {
    nouveau();
    s.LuneOn = !s.LuneOn;
    if (s.Champ > 2) {
        s.ShSidrane[Lune].Visible = s.LuneOn;
    }
    Placement::PlaceAstres(s, s.Jours, vue.cercles);
    vue.annonce = s.LuneOn ? Legendes::CacherLune : Legendes::MontrerLune;
    return compose();
}

const Instantane& Planetaire::CmdAffNom_Click() {
    nouveau();
    BasculeNoms();
    return compose();
}

// Asked for while the clock runs, the names stop it; the traces button stays usable.
void Planetaire::BasculeNoms() {
    const bool enMarche = s.EnMarche;
    s.NomsOn = enMarche || !s.NomsOn;
    s.EnMarche = false;
    s.nomsLegendeDessinee = false;
    if (s.NomsOn) {
        Placement::MontreNoms(s);
    } else {
        cacheNoms(s.Champ);
    }
    const QString legende = s.NomsOn ? Legendes::MasquerNoms : Legendes::AfficherNoms;
    vue.annonce = enMarche ? annonceDate(legende + QStringLiteral(". Horloge arrêtée")) : legende;
}

// ---- The sliders ----

void Planetaire::ChangeChamp() {
    ChampOrbital::FixeEchelle(s, s.Champ);
    vue.efface = true;
    vue.cercles.clear();
    const Astre& soleil = s.astres[Soleil];
    s.ShSidrane[Soleil].Left = soleil.DecalX;
    s.ShSidrane[Soleil].Top = soleil.DecalY;
    cacheNoms(NbAstres - 1);
    Placement::PlaceAstres(s, s.Jours, vue.cercles);
}

const Instantane& Planetaire::champGlisse(int cran) {
    nouveau();
    // Dragging within one field's notch does not redraw.
    if (cran != s.Champ) {
        s.Champ = cran;
        ChangeChamp();
    }
    return compose();
}

const Instantane& Planetaire::champRelache() {
    nouveau();
    ChangeChamp();
    return compose();
}

const Instantane& Planetaire::champClique(int cran) {
    nouveau();
    s.Champ = cran;
    ChangeChamp();
    return compose();
}

const Instantane& Planetaire::vitessePrise(int cran) {
    nouveau();
    s.IndVitesse = cran;
    s.AllureLente = 0;
    return compose();
}

// ---- Beyond the panel ----

// The date where "Début" returns from now on, and a return to it.
const Instantane& Planetaire::changeDepart(const QDate& date) {
    s.JoursDepart = static_cast<int32_t>(s.DateDebut.daysTo(date));
    CmdDebut_Click();
    vue.annonce = annonceDate(QStringLiteral("Nouvelle date de départ"));
    return vue;
}

// Backward, a stopped clock starts: the user asked to see time run back.
const Instantane& Planetaire::remonteLeTemps() {
    nouveau();
    s.Sens = -s.Sens;
    if (s.Sens < 0 && !s.EnMarche) {
        demarre();
    }
    vue.annonce =
        s.Sens < 0 ? QStringLiteral("Le temps remonte") : QStringLiteral("Le temps avance");
    return compose();
}

const Instantane& Planetaire::choisitAllure(int allureLente) {
    nouveau();
    s.AllureLente = std::clamp(allureLente, 0, nbAlluresLentes());
    vue.annonce = texteAllure();
    return compose();
}
