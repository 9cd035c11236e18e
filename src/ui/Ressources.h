// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>
#include <QtGlobal>

// The pictures are compiled into the static application library, whose resource
// object the linker would otherwise drop: every window that shows one registers them.
inline void chargeRessources() {
    Q_INIT_RESOURCE(assets);
}

// A picture of the resources for the densest screen: on a screen scaled by 2 the
// drawing "name@2x.png" beside "name.png", found by Qt's own lookup, with its device
// pixel ratio set, so that it shows at the same logical size, only sharper.
QPixmap imageRessource(const QString& chemin);
