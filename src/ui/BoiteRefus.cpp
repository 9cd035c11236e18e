// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoiteRefus.h"

#include "Ecran.h"

#include <QMessageBox>
#include <cstdio>

namespace BoiteRefus {

namespace {

// Break opportunities (zero-width spaces) in runs of text longer than a line, paths
// mostly: after each slash and at least every 30 characters.
QString coupable(const QString& message) {
    constexpr qsizetype Longueur = 30;
    QString resultat;
    resultat.reserve(message.size() + message.size() / Longueur);
    qsizetype debut = 0;
    while (debut < message.size()) {
        qsizetype fin = debut;
        while (fin < message.size() && !message[fin].isSpace()) {
            ++fin;
        }
        const QStringView mot = QStringView(message).mid(debut, fin - debut);
        qsizetype depuis = 0;
        for (qsizetype i = 0; i < mot.size(); ++i) {
            resultat += mot[i];
            const bool cesure = mot[i] == u'/' || ++depuis >= Longueur;
            if (mot.size() > Longueur && cesure && i + 1 < mot.size() &&
                !mot[i].isHighSurrogate()) {
                resultat += QChar(0x200B);
                depuis = 0;
            }
        }
        if (fin < message.size()) {
            resultat += message[fin];
        }
        debut = fin + 1;
    }
    return resultat;
}

} // namespace

std::unique_ptr<QMessageBox> cree(const QString& message) {
    auto boite = std::make_unique<QMessageBox>(QMessageBox::Critical, QStringLiteral("Sidranes"),
                                               coupable(message), QMessageBox::Ok);
    boite->setTextFormat(Qt::PlainText);
    boite->setObjectName(QStringLiteral("BoiteRefus"));
    return boite;
}

void montre(const QString& message) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    std::fflush(stderr);
    // Offscreen, no one could answer the box: the message on stderr is all.
    if (Ecran::visible()) {
        cree(message)->exec();
    }
}

} // namespace BoiteRefus
