// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program tells screen readers beyond what Qt's widgets say by themselves:
// the sliders' values, the links and the main window as a frame.
namespace Accessibilite {

// Installs the program's accessible interfaces; once per run, later calls do nothing.
void installe();

} // namespace Accessibilite
