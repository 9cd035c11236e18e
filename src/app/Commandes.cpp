// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commandes.h"

#include "Legendes.h"

namespace Commandes {

namespace {

Effet inchange(const Systeme& s) {
    Effet e;
    e.EnMarche = s.EnMarche;
    e.TraceOn = s.TraceOn;
    e.LuneOn = s.LuneOn;
    e.NomsOn = s.NomsOn;
    return e;
}

// What every way of stopping the clock shares.
void arrete(Effet& e) {
    e.EnMarche = false;
    e.intervalle = 0;
    e.legendeStart = Legendes::Demarrer;
    e.vitesse = Legendes::VitesseArretee;
}

// Every stop but the names': the traces button acts only while the clock runs.
void arreteSansTrace(Effet& e) {
    arrete(e);
    e.traceActif = false;
}

// Names belong to the stopped clock: starting hides them.
void demarre(const Systeme& s, Effet& e) {
    e.EnMarche = true;
    e.traceActif = true;
    e.debutActif = true;
    e.nomsVisibles = false;
    e.intervalle = s.Intervalle;
    e.legendeStart = Legendes::Arreter;
    if (s.NomsOn) {
        e.NomsOn = false;
        e.legendeNoms = Legendes::AfficherNoms;
    }
    e.vitesse = QString::number(s.astres[s.Champ].VitesseKm);
}

// Asked for while the clock runs, the names stop it; the traces button stays usable.
void basculeNoms(const Systeme& s, Effet& e) {
    if (s.EnMarche) {
        arrete(e);
        e.NomsOn = true;
    } else {
        e.NomsOn = !s.NomsOn;
    }
    e.legendeNoms = e.NomsOn ? Legendes::MasquerNoms : Legendes::AfficherNoms;
    e.nomsVisibles = e.NomsOn;
}

} // namespace

Effet apres(const Systeme& s, Evenement evenement) {
    Effet e = inchange(s);
    switch (evenement) {
    case Evenement::Ouverture:
        e.traceActif = false;
        e.clsActif = false;
        e.debutActif = false;
        e.legendeTrace = Legendes::MontrerTrace;
        break;
    case Evenement::Start:
        if (s.EnMarche) {
            arreteSansTrace(e);
        } else {
            demarre(s, e);
        }
        break;
    case Evenement::FinDuCalendrier:
        arreteSansTrace(e);
        break;
    case Evenement::Debut:
        arreteSansTrace(e);
        e.debutActif = false;
        break;
    case Evenement::Trace:
        e.TraceOn = !s.TraceOn;
        e.legendeTrace = e.TraceOn ? Legendes::SuspendreTrace : Legendes::MontrerTrace;
        // Traces drawn before they were switched off can still be erased.
        e.clsActif = true;
        break;
    case Evenement::Cls:
        e.clsActif = false;
        break;
    case Evenement::Lune:
        e.LuneOn = !s.LuneOn;
        e.legendeLune = e.LuneOn ? Legendes::CacherLune : Legendes::MontrerLune;
        // Near fields hold no Moon: there the button is disabled.
        if (s.Champ > 2) {
            e.luneVisible = e.LuneOn;
        }
        break;
    case Evenement::Noms:
        basculeNoms(s, e);
        break;
    }
    return e;
}

QString texteVitesse(int32_t pas) {
    return pas == 1 ? QStringLiteral("1 jour par pas")
                    : QStringLiteral("%1 jours par pas").arg(pas);
}

} // namespace Commandes
