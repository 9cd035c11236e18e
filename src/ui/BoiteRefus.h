// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QMessageBox;

// How the program tells the user that it cannot start: the message on stderr and in
// a message box. The message is shown as plain text, whatever the file put in it.
namespace BoiteRefus {

std::unique_ptr<QMessageBox> cree(const QString& message);

// Writes the message to stderr, then shows the box and waits until it is answered.
void montre(const QString& message);

} // namespace BoiteRefus
