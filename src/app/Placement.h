// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Systeme.h"

#include <vector>

// Turning the day count into positions on the drawing area.
namespace Placement {

// Places planets 1..Champ (and the Moon when it is shown) for day `jour`, moving
// their discs; when traces are on, each leaves a circle, appended to `traces` in the
// order they are drawn. A pass runs to its end without yielding, so a click never
// lands between two planets.
void PlaceAstres(Systeme& s, int32_t jour, std::vector<Cercle>& traces);

// Back to the start date in force: the Sun centred, every body of the field placed,
// and the name labels put beside their bodies when names are shown.
void RemiseAZero(Systeme& s, std::vector<Cercle>& traces);

// Shows and places the name labels of planets 1..Champ beside their stored positions.
void MontreNoms(Systeme& s);

} // namespace Placement
