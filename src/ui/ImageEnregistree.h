// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QImage;
class QWidget;

// The drawing area's picture kept as a PNG file.
namespace ImageEnregistree {

// The file the user chooses, "sidranes-AAAA-MM-JJ.png" proposed in the pictures
// folder; an existing file is replaced only once the user agrees. Empty: cancelled.
QString demandeChemin(QWidget* parent, const QString& nomPropose);

// Writes `image` as a PNG at `chemin`; a file already there is replaced only once the
// new one is whole. Why it could not, in French, or nothing.
std::optional<QString> ecrit(const QImage& image, const QString& chemin);

} // namespace ImageEnregistree
