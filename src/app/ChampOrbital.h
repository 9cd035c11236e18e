// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Systeme.h"

// The view of an orbital field: the scale that fits the field's outermost orbit in the
// drawing area, the size of every disc and the offsets that centre it, and which
// discs show.
namespace ChampOrbital {

// The field's orbit fills the area with a tenth of its radius to spare; Mars's with three.
double marge(int champ);
constexpr double MargeMax = 1.3; // the widest of them
float echelle(const Astres& astres, int champ);
// A disc covers the same share, diametre / largeurCosmos, of the area's width in every
// field. The disc keeps its width in single precision and reports that value back.
float largeurDisque(float diametre, float echelle, int32_t largeurCosmos);

// Applies field `champ` to the scale, the discs' sizes and offsets, and which discs
// show. The Moon's disc follows LuneOn only where the Earth is in view.
void FixeEchelle(Systeme& s, int champ);

} // namespace ChampOrbital
