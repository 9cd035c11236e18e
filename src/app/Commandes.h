// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Systeme.h"

#include <QString>
#include <optional>

// The command panel's rules: for each button or clock event, the new switches of the
// state and what the panel must show. Plain data; the window applies the result, in
// the order of the fields below, then does the drawing the event asks for.
namespace Commandes {

enum class Evenement {
    Ouverture,       // start-up: the clock at the start date
    Start,           // CmdStart: starts a stopped clock, stops a running one
    Debut,           // CmdDebut: back to the start date
    FinDuCalendrier, // a tick that would pass the calendar's last day
    Trace,           // CmdTrace
    Cls,             // CmdCls
    Lune,            // CmdLune
    Noms,            // CmdAffNom
};

// Empty fields leave their control as it is.
struct Effet {
    bool EnMarche = false;
    bool TraceOn = false;
    bool LuneOn = false;
    bool NomsOn = false;
    std::optional<bool> traceActif;   // CmdTrace enabled
    std::optional<bool> debutActif;   // CmdDebut enabled
    std::optional<bool> clsActif;     // CmdCls enabled
    std::optional<bool> nomsVisibles; // name labels 1..Champ: shown and placed, or hidden
    std::optional<int> intervalle;    // the clock's timer, 0 = no ticks
    std::optional<QString> legendeStart;
    std::optional<QString> legendeNoms; // CmdAffNom
    std::optional<QString> legendeTrace;
    std::optional<QString> legendeLune;
    std::optional<bool> luneVisible; // the Moon's disc
    std::optional<QString> vitesse;  // LbVit
};

Effet apres(const Systeme& s, Evenement e);

// The spoken text of a speed notch.
QString texteVitesse(int32_t pas);

} // namespace Commandes
