// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <memory>

class QApplication;

// Whether the program has a screen to show its windows on, told to the user in French
// instead of the toolkit's own abort.
namespace Ecran {

// True when the environment names a display (DISPLAY, WAYLAND_DISPLAY) or the user
// chose a platform himself (QT_QPA_PLATFORM, or -platform on the command line).
bool annonce(const QProcessEnvironment& environnement, const QStringList& arguments);

// The application, or, when no screen can be had, a French message on stderr and the
// end of the program with status 1 (no abort, no core dump).
std::unique_ptr<QApplication> ouvre(int& argc, char** argv);

} // namespace Ecran
