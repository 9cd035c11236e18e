// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Systeme.h"

namespace Horloge {

// One tick's arithmetic: Pas days added to Jours and to DateCour together, or
// nothing at all when the date would pass the calendar's last day. Returns
// whether the tick advanced; DateCour - DateDebut = Jours holds either way.
bool avance(Systeme& s);

} // namespace Horloge
