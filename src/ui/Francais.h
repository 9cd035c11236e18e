// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program speaks French whatever the desktop's language: the toolkit's own texts
// (a field's context menu, the file dialog, standard buttons) too, where the system
// has Qt's French translation; without it they stay as the toolkit writes them.
namespace Francais {

void charge();

} // namespace Francais
