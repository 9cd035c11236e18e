// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Contact.h"

#include <QDesktopServices>
#include <QUrl>
#include <QtDebug>

namespace Contact {

bool ouvre() {
    if (QDesktopServices::openUrl(QUrl(Adresse))) {
        return true;
    }
    qWarning().noquote()
        << QStringLiteral("Sidranes : impossible d'ouvrir le navigateur sur %1").arg(Adresse);
    return false;
}

} // namespace Contact
