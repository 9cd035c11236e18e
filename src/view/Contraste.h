// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// Texts readable on the black drawing area: the contrast ratio of the accessibility
// guidelines, (L1 + 0.05) / (L2 + 0.05) of the relative luminances, at least 4.5 to 1.
namespace Contraste {

constexpr double Minimum = 4.5;

double surNoir(const QColor& couleur);
// `couleur` itself when it is readable on black; otherwise its hue and saturation
// with the least lightness that is.
QColor lisibleSurNoir(const QColor& couleur);

} // namespace Contraste
