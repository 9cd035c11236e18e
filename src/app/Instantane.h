// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Systeme.h"

#include <QString>
#include <array>
#include <vector>

// A command button as it shows: its caption and whether it can be pressed.
struct Bouton {
    QString legende;
    bool actif = true;

    bool operator==(const Bouton&) const = default;
};

// Everything the main window shows after an event, complete: the window applies all
// of it every time, so the order of the rules never reaches it. The last three fields
// are what the event did beyond the state: the drawing cleared, then the trace circles
// drawn on it, and what a screen reader should say.
struct Instantane {
    Bouton CmdDebut;
    Bouton CmdStart;
    Bouton CmdTrace;
    Bouton CmdCls;
    Bouton CmdLune;
    Bouton CmdAffNom;
    QString LbOrbite;     // "Champ orbital : " and the field's planet
    QString LbTemps;      // the current date
    QString LabCourse;    // "Distance parcourue par " and the field's planet
    QString LbVit;        // thousands of km a day while the clock runs, "0" otherwise
    QString allure;       // a pace slower than the speed slider's, as spoken; empty for none
    int allureLente = 0;  // which of them: 1..3; 0 for the slider's pace
    int intervalle = 0;   // the clock's timer in ms; 0: no ticks
    bool remonte = false; // time runs backward

    // The drawing area's scale: (-Echelle, Echelle) at the upper-left corner,
    // (Echelle, -Echelle) at the lower-right one, in km.
    float Echelle = 0;
    std::array<FormeAstre, NbAstres> ShSidrane{};
    std::array<EtiquetteAstre, NbAstres> LbNom{};

    bool efface = false;
    std::vector<Cercle> cercles;
    QString annonce; // empty: nothing to say
};
