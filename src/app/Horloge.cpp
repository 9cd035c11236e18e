// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Horloge.h"

#include "Calendrier.h"

#include <limits>

namespace Horloge {

bool avance(Systeme& s) {
    const auto date = Calendrier::ajouteJours(s.DateCour, s.Pas);
    const int64_t jours = int64_t(s.Jours) + s.Pas;
    if (!date || jours > std::numeric_limits<int32_t>::max()) {
        return false;
    }
    s.Jours = static_cast<int32_t>(jours);
    s.DateCour = *date;
    return true;
}

} // namespace Horloge
