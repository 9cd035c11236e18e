// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoireFenetre.h"

#include <QSettings>
#include <QWidget>

namespace MemoireFenetre {

namespace {

const QString Cle = QStringLiteral("fenetre/geometrie");

} // namespace

void restaure(QWidget* fenetre) {
    const QByteArray geometrie = QSettings().value(Cle).toByteArray();
    // Qt brings a place on a screen that is gone back onto one that is there.
    if (!geometrie.isEmpty()) {
        fenetre->restoreGeometry(geometrie);
    }
}

void garde(const QWidget* fenetre) {
    QSettings reglages;
    reglages.setValue(Cle, fenetre->saveGeometry());
}

} // namespace MemoireFenetre
