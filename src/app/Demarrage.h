// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Refus.h"
#include "Systeme.h"

// The one-time initialisation of the state that needs no window: constants, the
// speed table and the values derived from the data file. Bad values that would
// divide by zero, overflow, put a body at an infinite place or draw a disc of
// negative size are refused here with an ErreurDonnees that quotes the value as the
// file writes it, at its line (from `p`).
namespace Demarrage {

// `largeurCosmos`: the drawing area's width as designed, the reference of disc sizes,
// kept rounded to a whole unit. Also sets how far back and forth the clock can go.
void InitSysteme(Systeme& s, double largeurCosmos, const Provenance& p);

} // namespace Demarrage
