// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The main window's size and place, kept from one run to the next. Nothing else is
// kept: every run starts in the state the program always starts in.
namespace MemoireFenetre {

// Before the first showing: the size and place of the last run, if any, fitted to
// the screens of this one.
void restaure(QWidget* fenetre);
// When the program ends.
void garde(const QWidget* fenetre);

} // namespace MemoireFenetre
