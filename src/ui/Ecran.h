// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <exception>
#include <memory>
#include <optional>

class QApplication;

// Whether the program has a screen to show its windows on, told to the user in French
// instead of the toolkit's own abort, silence or flood of warnings.
namespace Ecran {

// True when the environment names a display (DISPLAY, WAYLAND_DISPLAY) or the user
// chose a platform himself (QT_QPA_PLATFORM, or -platform on the command line). Only
// X11 and Wayland systems need one; elsewhere the system's own screen is always there.
bool ecranDesigne(const QProcessEnvironment& environnement, const QStringList& arguments);

// Why QT_SCALE_FACTOR or one of QT_SCREEN_SCALE_FACTORS, when set, cannot be used:
// the toolkit opens no window with 0, a negative or an infinite factor, and a huge one
// leaves the pictures less than a pixel.
std::optional<QString> refusFacteur(const QProcessEnvironment& environnement);

// The scale that honours a desktop font larger than usual, as a larger DPI would be
// honoured: its size in points over 10, from 1.2 up (a slightly larger font, as
// GNOME's 11 points, changes nothing), at most 4. Nothing when the font is usual or
// when the user set a scale or a font DPI himself.
std::optional<double> facteurDePolice(double points, const QProcessEnvironment& environnement);

// Why the screen the application opened cannot show the program: fewer than 16 bits
// per pixel, where painting fails. Nothing when it can.
std::optional<QString> refusProfondeur(int profondeur);

// The platform shows windows to someone: not offscreen, not minimal.
bool visible();

// An exception no one caught: said in French, and the end (status 1).
[[noreturn]] void arretImprevu(const std::exception& e);

// The application, or, when no usable screen can be had, a French message on stderr
// and the end of the program with status 1 (no abort, no core dump).
std::unique_ptr<QApplication> ouvre(int& argc, char** argv);

} // namespace Ecran
