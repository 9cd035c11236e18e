// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The data files of tests/data/lecteur and what reading each one gives (its MANIFESTE),
// shared by the reader's tests and start-up's.

#include <QFile>
#include <QList>
#include <QString>

namespace Corpus {

struct Cas {
    QString fichier;
    QString genre;   // date, terre, refus, demarre, demarrage
    QString attendu; // the rest of the line, {f} made the name messages show
    QByteArray octets;
    // A folder name holding argument markers: no message may garble around it.
    QString nomAffiche() const { return QStringLiteral("/d%2i%1r/") + fichier; }
};

inline QList<Cas> cas() {
    const QString dossier = QStringLiteral(SIDRANES_TEST_DATA "/lecteur/");
    QFile manifeste(dossier + QStringLiteral("MANIFESTE"));
    QList<Cas> liste;
    if (!manifeste.open(QIODevice::ReadOnly)) {
        return liste;
    }
    for (const QString& ligne : QString::fromUtf8(manifeste.readAll()).split(u'\n')) {
        if (ligne.isEmpty() || ligne.startsWith(u'#')) {
            continue;
        }
        Cas c;
        c.fichier = ligne.section(u'\t', 0, 0);
        const QString reste = ligne.section(u'\t', 1);
        c.genre = reste.section(u' ', 0, 0);
        c.attendu = reste.section(u' ', 1).replace(QStringLiteral("{f}"), c.nomAffiche());
        QFile f(dossier + c.fichier);
        c.octets = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        liste << c;
    }
    return liste;
}

// Messages use no-break spaces; the manifest is written with plain ones.
inline QString simple(QString texte) {
    return texte.replace(QChar(0xA0), u' ');
}

} // namespace Corpus
