// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Systeme.h"

class SurfaceAstres;

// Turning the day count into positions on the drawing area.
namespace Placement {

// Places planets 1..Champ (and the Moon when it is shown) for day `jour`, moving
// their shapes and leaving a trace circle for each when traces are on. A pass runs
// to its end without yielding, so a click never lands between two planets.
void PlaceAstres(Systeme& s, SurfaceAstres& surface, int32_t jour);

// Day 0: the Sun centred, every body of the field placed, and the name labels put
// beside their bodies when names are shown.
void RemiseAZero(Systeme& s, SurfaceAstres& surface);

// Shows and places the name labels of planets 1..Champ beside their stored positions.
void MontreNoms(const Systeme& s, SurfaceAstres& surface);

} // namespace Placement
