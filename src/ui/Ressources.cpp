// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ressources.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>

QPixmap imageRessource(const QString& chemin) {
    chargeRessources();
    // QIcon adds "name@Nx.ext" for the application's highest device pixel ratio.
    const QIcon icone(chemin);
    return icone.pixmap(QImageReader(chemin).size(), qApp->devicePixelRatio());
}
