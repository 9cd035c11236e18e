// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Astre.h"

#include <QDate>
#include <array>
#include <cstdint>

// A body's disc on the drawing area, as its shape control holds it: the upper-left
// corner and the size in km (y points up, so the top lies above the centre).
struct FormeAstre {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    bool Visible = false;

    bool operator==(const FormeAstre&) const = default;
};

// A body's name label: its upper-left corner in km, placed once when it is shown.
struct EtiquetteAstre {
    float Left = 0;
    float Top = 0;
    bool Visible = false;

    bool operator==(const EtiquetteAstre&) const = default;
};

// A trace circle in the body's colour, centred on (x, y) in km.
struct Cercle {
    float x = 0;
    float y = 0;
    float rayon = 0;
    int32_t couleur = 0;

    bool operator==(const Cercle&) const = default;
};

// The orrery's state: the body table, the discs and labels as placed, and the
// variables the rules share. Each fact is kept once: the current date and the days
// per tick are derived. Plain data; Planetaire owns it and its rules.
struct Systeme {
    static constexpr int NbVitesses = 12;
    // Days per tick at each notch of the speed slider, used from index 1.
    static constexpr std::array<int32_t, NbVitesses + 1> TabVitesse{0,  1,  2,  3,  4,  6,  8,
                                                                    10, 15, 20, 40, 60, 100};
    // Paces slower than the slider's: one day per tick of this many ms (index 0 unused).
    static constexpr std::array<int32_t, 4> AlluresLentes{0, 100, 500, 2000};

    Astres astres;
    std::array<FormeAstre, NbAstres> ShSidrane{};
    std::array<EtiquetteAstre, NbAstres> LbNom{};
    int32_t Champ = 3;       // outermost planet in view, 1..9
    float Echelle = 0;       // half the side of the visible square, km
    int32_t Jours = 0;       // days since DateDebut, negative before it
    int32_t IndVitesse = 1;  // the speed slider's notch
    int32_t AllureLente = 0; // 0: the slider's pace; 1..3: one of AlluresLentes
    int32_t Sens = 1;        // 1: time runs forward, -1: backward
    int32_t JoursDepart = 0; // Jours of the start date in force, where CmdDebut returns
    int32_t JoursMin = 0;    // the calendar's reach for this file, in days
    int32_t JoursMax = 0;    // from DateDebut, backward and forward
    QDate DateDebut;         // the data file's date: day 0 of the motion
    int32_t Intervalle = 20; // ms between ticks at the slider's paces
    float DegRad = 0;
    int32_t LargeurCosmos = 0; // drawing area's designed width, px: reference of disc sizes

    bool EnMarche = false;
    bool TraceOn = false;
    bool LuneOn = false;
    bool NomsOn = false;
    bool traceActif = false; // CmdTrace enabled
    bool debutActif = false; // CmdDebut enabled
    bool clsActif = false;   // CmdCls enabled
    // CmdAffNom still shows its designed caption, with a capital N.
    bool nomsLegendeDessinee = true;

    int32_t Pas() const { return AllureLente > 0 ? 1 : TabVitesse[size_t(IndVitesse)]; }
    int32_t intervalle() const {
        return AllureLente > 0 ? AlluresLentes[size_t(AllureLente)] : Intervalle;
    }
    QDate DateCour() const { return DateDebut.addDays(Jours); }
};
