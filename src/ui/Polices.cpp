#include "Polices.h"

#include <QFile>
#include <QFontDatabase>

namespace {

const QString familleTahoma = QStringLiteral("Tahoma");
const QString familleComic = QStringLiteral("Comic Neue");

constexpr const char* fichiersTahoma[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
};

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
    return police(familleComic, points, gras);
}

QFont Polices::police(const QString& famille, qreal points, bool gras) {
    QFont resultat(QFontDatabase::hasFamily(famille)
                       ? famille
                       : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    resultat.setPointSizeF(points);
    resultat.setBold(gras);
    return resultat;
}
