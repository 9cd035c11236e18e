// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

// Every conversion from a real number to a whole one in this program rounds to the
// nearest integer with halves going to the even neighbour (1.5 -> 2, 2.5 -> 2).
inline double arrondiPair(double v) {
    return v - std::remainder(v, 1.0);
}

// The rounded value when it fits the integer type T, nothing otherwise (and for NaN).
template <typename T> std::optional<T> arrondiVers(double v) {
    if (!std::isfinite(v)) {
        return std::nullopt;
    }
    const double r = arrondiPair(v);
    if (r < double(std::numeric_limits<T>::min()) || r > double(std::numeric_limits<T>::max())) {
        return std::nullopt;
    }
    return static_cast<T>(r);
}
