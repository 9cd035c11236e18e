// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPointF>

class QImage;

// Discs too large for QPainter: its ellipse costs about a microsecond per pixel of
// radius (a second at a million pixels) and its fixed-point rasteriser loses them
// beyond a few million. These are computed row by row instead, only over the pixels
// of the target, so the cost follows the part that shows and not the disc's size.
namespace Disque {

// Above this radius in device pixels, discs and circles are drawn here.
constexpr double RayonMaxPeintre = 256;

// Blends into `cible` (RGB32 or premultiplied ARGB32, in its own pixels) an ellipse of
// centre `centre` and radii `rx`, `ry`, edge antialiased by each pixel's distance to it:
// a ring one pixel wide centred on the radius in `bord`, as QPainter strokes it, and the
// inside in `fond` (a transparent `fond` leaves it as is).
void peint(QImage& cible, const QPointF& centre, double rx, double ry, const QColor& bord,
           const QColor& fond);

} // namespace Disque
