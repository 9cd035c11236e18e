// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Astre.h"

#include <QDate>
#include <array>
#include <cstdint>

// The state of the orrery's main window: the body table and the variables its
// handlers share. Plain data; the rules that change it live beside it.
struct Systeme {
    static constexpr int NbVitesses = 12;

    Astres astres;
    int32_t Champ = 3;                                // outermost planet in view, 1..9
    float Echelle = 0;                                // half the side of the visible square, km
    int32_t Jours = 0;                                // days since DateDebut
    int32_t Pas = 1;                                  // days per tick
    std::array<int32_t, NbVitesses + 1> TabVitesse{}; // used from index 1
    int32_t IndVitesse = 1;
    QDate DateDebut;
    QDate DateCour;
    int32_t Intervalle = 20; // ms between ticks while running
    float DegRad = 0;
    int32_t LargeurCosmos = 0; // drawing area's designed width, px: reference of disc sizes

    bool EnMarche = false;
    bool TraceOn = false;
    bool LuneOn = false;
    bool NomsOn = false;

    // The sliders' geometry (XMin, XMax, Cran) belongs to the sliders themselves.
    bool GlisseCO = false; // field slider being dragged
    int32_t ChampGlisse = 0;
    bool GlisseTp = false; // speed slider being dragged
};
