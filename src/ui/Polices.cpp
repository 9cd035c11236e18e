// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Polices.h"

#include <QFile>
#include <QFontDatabase>
#include <algorithm>
#include <array>

namespace {

const QString familleTahoma = QStringLiteral("Tahoma");
const QString familleComic = QStringLiteral("Comic Neue");

// Wine's free Tahoma, where Linux and the BSDs install it; Windows and macOS have a
// Tahoma of their own.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
constexpr std::array<const char*, 2> fichiersTahoma = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
};
#else
constexpr std::array<const char*, 0> fichiersTahoma = {};
#endif

} // namespace

void Polices::charge() {
    // A Tahoma already installed, or loaded by an earlier call, is kept as is.
    if (QFontDatabase::hasFamily(familleTahoma)) {
        return;
    }
    for (const char* fichier : fichiersTahoma) {
        const QString chemin = QString::fromUtf8(fichier);
        if (QFile::exists(chemin)) {
            QFontDatabase::addApplicationFont(chemin);
        }
    }
}

QFont Polices::tahoma(qreal points, bool gras) {
    return police(familleTahoma, points, gras);
}

QFont Polices::comic(qreal points, bool gras) {
    // Comic Sans MS where it is installed; Comic Neue, drawn after it, stands in for it.
    return police({QStringLiteral("Comic Sans MS"), familleComic}, points, gras);
}

QFont Polices::police(const QStringList& familles, qreal points, bool gras) {
    const auto presente = [](const QString& famille) { return QFontDatabase::hasFamily(famille); };
    if (std::none_of(familles.begin(), familles.end(), presente)) {
        return police(QString(), points, gras);
    }
    // The whole list is asked for: the font matcher takes the first it finds.
    QFont resultat(familles);
    resultat.setPointSizeF(points);
    resultat.setBold(gras);
    return resultat;
}

QFont Polices::police(const QString& famille, qreal points, bool gras) {
    QFont resultat(QFontDatabase::hasFamily(famille)
                       ? famille
                       : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    resultat.setPointSizeF(points);
    resultat.setBold(gras);
    return resultat;
}
