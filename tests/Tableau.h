// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tables of test rows kept as text files under tests/data: one row a line, columns
// separated by " | ", "#" starting a comment line. In a column, \r \n \t \| \\ and \xHH
// stand for their bytes, \uHHHH for a character of the first plane.

#include <QFile>
#include <QStringDecoder>
#include <QStringList>
#include <QtTest>

namespace Tableau {

// One QTest row per line of tests/data/`nom`, in a QStringList column "colonnes",
// named by its line number and its first column.
inline void lignes(const QString& nom) {
    QTest::addColumn<QStringList>("colonnes");
    QFile f(QStringLiteral(SIDRANES_TEST_DATA "/") + nom);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
    const QStringList toutes = QString::fromUtf8(f.readAll()).split(u'\n');
    int rangees = 0;
    for (qsizetype i = 0; i < toutes.size(); ++i) {
        // An empty last column survives an editor that strips the line's end.
        QString ligne = toutes[i];
        if (ligne.endsWith(QLatin1String(" |"))) {
            ligne += u' ';
        }
        if (ligne.trimmed().isEmpty() || ligne.startsWith(u'#')) {
            continue;
        }
        QStringList colonnes;
        QString colonne;
        for (qsizetype k = 0; k < ligne.size(); ++k) {
            if (ligne.mid(k, 3) == QLatin1String(" | ")) {
                colonnes << colonne;
                colonne.clear();
                k += 2;
            } else {
                colonne += ligne[k];
                if (ligne[k] == u'\\' && k + 1 < ligne.size()) {
                    colonne += ligne[++k];
                }
            }
        }
        colonnes << colonne;
        QTest::addRow("l.%d %s", int(i + 1), qPrintable(colonnes.first().left(40))) << colonnes;
        ++rangees;
    }
    // A table emptied by mistake would pass unseen.
    QVERIFY2(rangees > 0, qPrintable(f.fileName()));
}

// A column's bytes, its escapes decoded (the text is UTF-8).
inline QByteArray octets(const QString& colonne) {
    const QByteArray e = colonne.toUtf8();
    QByteArray o;
    for (qsizetype i = 0; i < e.size(); ++i) {
        if (e[i] != '\\' || i + 1 == e.size()) {
            o += e[i];
            continue;
        }
        const char c = e[++i];
        if (c == 'x' && i + 2 < e.size()) {
            o += char(e.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else if (c == 'u' && i + 4 < e.size()) {
            o += QString(QChar(e.mid(i + 1, 4).toUShort(nullptr, 16))).toUtf8();
            i += 4;
        } else {
            o += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
    }
    return o;
}

// A column of words separated by spaces, "-" for none.
inline QStringList mots(const QString& colonne) {
    return colonne == u'-' ? QStringList() : colonne.split(u' ');
}

// A leading U+FEFF kept: it may be what a row is about.
inline QString texte(const QString& colonne) {
    return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
        .decode(octets(colonne));
}

} // namespace Tableau
