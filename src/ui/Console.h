// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdio>

// Where the program's words go when it has no window to say them in: the terminal it
// was started from. On Windows a program with windows has no console of its own: it
// writes to the console of the one that started it, if any, and otherwise shows a
// message box, so that --help, a usage message or a refusal never vanish.
namespace Console {

// Before anything is written.
void prepare();

// `texte` and a line end on `flux` (stdout or stderr). False when it could not be
// written (a full disk, a closed pipe).
bool dit(std::FILE* flux, const QString& texte);

} // namespace Console
