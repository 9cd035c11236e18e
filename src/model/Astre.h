// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>

// One body of the orrery. The field order is that of the body record the program
// has always used; the data file fills Nom, Diametre, Couleur, RayonOrbite,
// AngleInitial, Reserve and Periode, start-up and the view derive the rest.
struct Astre {
    QString Nom;
    float Diametre = 0;    // disc diameter, in pixels of the drawing area at its designed width
    int32_t Couleur = 0;   // red + 256 * green + 65536 * blue
    float RayonOrbite = 0; // km; for the Moon its distance from the Earth
    float DecalX = 0;      // centre -> left edge of the shape (negative), drawing units
    float DecalY = 0;      // centre -> top edge of the shape (positive: y points up)
    float DivNomX = 0;     // name label offset = Echelle / DivNomX (0: never labelled)
    float DivNomY = 0;
    float Angle = 0;      // degrees, never reduced modulo 360
    float VitesseAng = 0; // degrees per day
    float PosX = 0;       // km, centre of the body
    float PosY = 0;
    float AngleInitial = 0; // degrees at day 0
    float Reserve = 0;      // read from the file, used by nothing
    float Periode = 0;      // days
    int16_t VitesseKm = 0;  // thousands of km travelled per day
};

constexpr int NbAstres = 11;
constexpr int Soleil = 0;
constexpr int Terre = 3;
constexpr int DernierePlanete = 9;
constexpr int Lune = 10;

using Astres = std::array<Astre, NbAstres>;
