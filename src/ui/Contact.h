// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The "Contact" link: the project's web page in the user's browser.
namespace Contact {

inline const QString Adresse = QStringLiteral("https://sidranes.org/");

// Hands the address to the desktop's browser without waiting for it. When no
// browser can be started, says so on stderr, carries on and returns false.
bool ouvre();

} // namespace Contact
