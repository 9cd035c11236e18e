// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Systeme.h"

#include <QPointF>
#include <QString>
#include <array>
#include <optional>

// What the view shows for an orbital field: the scale that fits the field's outermost
// orbit in the drawing area, the size of every disc and the offsets that centre it,
// which discs show, whether the Moon can, and the captions that name the field.
// Plain arithmetic; the window applies the result to its controls.
namespace ChampOrbital {

// A disc's size in km and the offsets from its centre to its upper-left corner
// (y points up, so the top lies above the centre).
struct TailleDisque {
    float Width = 0;
    float Height = 0;
    float DecalX = 0;
    float DecalY = 0;
};

struct Vue {
    float Echelle = 0; // half the side of the visible square, km
    QPointF coinHautGauche;
    QPointF coinBasDroit;
    std::array<TailleDisque, NbAstres> tailles;       // each disc at its share of the area's width
    std::optional<TailleDisque> soleilReduit;         // far fields: the Sun at a quarter of that
    std::array<bool, DernierePlanete + 1> visibles{}; // Sun and planets
    std::optional<bool> luneVisible;                  // empty: the Moon is left as it is
    bool lunePossible = false;                        // CmdLune enabled
    std::optional<QString> vitesse;                   // LbVit, only while the clock runs
    QString course;                                   // LabCourse
};

// The field's orbit fills the area with a tenth of its radius to spare; Mars's with three.
double marge(int champ);
constexpr double MargeMax = 1.3; // the widest of them
float echelle(const Astres& astres, int champ);
// A disc covers the same share, diametre / largeurCosmos, of the area's width in every
// field. The disc keeps its width in single precision and reports that value back.
float largeurDisque(float diametre, float echelle, int32_t largeurCosmos);
Vue vue(const Systeme& s, int champ);
QString legendeOrbite(const Astres& astres, int champ); // LbOrbite

} // namespace ChampOrbital
