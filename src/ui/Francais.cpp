// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Francais.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Francais {

void charge() {
    auto* traduction = new QTranslator(QCoreApplication::instance());
    if (traduction->load(QStringLiteral("qtbase_fr"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(traduction);
    }
}

} // namespace Francais
