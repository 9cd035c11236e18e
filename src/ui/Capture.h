// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Planetaire.h"

#include <QString>
#include <optional>

// "sidranes --capture IMAGE.png": the picture of the drawing area as the window shows
// it at start-up, written without showing any window; the field and a run of days with
// traces may be chosen first.
namespace Capture {

struct Options {
    QString image;
    std::optional<int> champ; // 1..9
    int joursDeTraces = 0;    // the clock run this many days at one day a step, traces on
};

// Why the picture could not be written, in French, or nothing.
std::optional<QString> ecrit(Planetaire planetaire, const Options& options);

} // namespace Capture
