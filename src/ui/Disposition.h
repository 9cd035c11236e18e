// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the main window puts its drawing area and its command panel for a client area.
// As long as the window is wide enough, the drawing area is the square of the client
// height in the top-left corner and the panel stands just to its right. A narrower
// window shrinks the square so that the panel stays whole at its right, down to no
// square at all; only then does the panel scroll sideways. A client area lower than
// the panel scrolls it up and down, its bar at the panel's right edge.
namespace Disposition {

struct Mesures {
    QSize client;
    QSize panneau; // the panel as designed
    int ecart = 0; // between the drawing area and the panel
    int barre = 0; // a scroll bar's thickness
};

struct Plan {
    QRect cosmos;
    QPoint panneau;       // before any scrolling
    QRect barreVerticale; // empty: none
    int plageVerticale = 0;
    QRect barreHorizontale;
    int plageHorizontale = 0;

    bool operator==(const Plan&) const = default;
};

Plan calcule(const Mesures& m);

} // namespace Disposition
