// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The fonts of the interface. Tahoma comes from Debian's fonts-wine, which
// installs it outside fontconfig's path; Comic Sans MS is asked for first and
// Comic Neue stands in for it.
// Every font falls back to the system's sans font when its family is missing.
class Polices {
public:
    Polices() = delete;

    // Registers the Tahoma files with the application; call once the
    // QGuiApplication exists. Missing files are skipped.
    static void charge();

    static QFont tahoma(qreal points, bool gras = false);
    static QFont comic(qreal points, bool gras);

    // The family if it is available, otherwise the system's general font.
    static QFont police(const QString& famille, qreal points, bool gras);
    // The families in order of preference, the later ones standing in for the
    // earlier; the system's general font when none of them is available.
    static QFont police(const QStringList& familles, qreal points, bool gras);
};
