// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;

// What the program tells screen readers beyond what Qt's widgets say by themselves:
// the sliders' values, the links, the main window as a frame, the drawing area's
// description and the announcements.
namespace Accessibilite {

// Installs the program's accessible interfaces; once per run, later calls do nothing.
void installe();

// A read-out that changes at every tick of the clock: screen readers read its text when
// they look at it, and are not told of each change.
void luALaDemande(QLabel* afficheur);

} // namespace Accessibilite
