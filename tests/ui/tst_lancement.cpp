// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The real executable as a user starts it: the data file it reads, its command line,
// and how it ends when it cannot start. It runs offscreen, where a refusal is said on
// stderr only, so every case ends by itself.

#include "Tableau.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray livrees() {
    QFile f(QStringLiteral(SIDRANES_SOURCE_DIR "/data/sidranes.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The first lines of the shipped file: a file that stops before its sixth body.
QByteArray courtes() {
    return livrees().split('\n').mid(0, 10).join('\n') + '\n';
}

} // namespace

class TestLancement : public QObject {
    Q_OBJECT

private slots:
    void lancement_data() { Tableau::lignes(QStringLiteral("ui/lancement.txt")); }

    void lancement() {
        QFETCH(QStringList, colonnes);
        const QByteArray dossier = Tableau::octets(colonnes.value(0));
        const QByteArray aCote = colonnes.value(1) == QLatin1String("livrees")   ? livrees()
                                 : colonnes.value(1) == QLatin1String("courtes") ? courtes()
                                                                                 : QByteArray();
        const QStringList arguments = Tableau::mots(colonnes.value(2));
        const QStringList variables = Tableau::mots(colonnes.value(3));
        const int statut = colonnes.value(4).toInt();
        const QString sortie =
            Tableau::texte(colonnes.value(5))
                .replace(QStringLiteral("{version}"), QStringLiteral(SIDRANES_VERSION));

        QTemporaryDir racine;
        QVERIFY(QDir(racine.path()).mkpath(QStringLiteral("ici")));
        const auto ecrit = [&](const QString& nom, const QByteArray& octets) {
            QFile f(racine.filePath(nom));
            return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
        };
        QVERIFY(ecrit(QStringLiteral("ici/sidranes.dat"), livrees()));
        QVERIFY(ecrit(QStringLiteral("court.dat"), courtes()));
        QVERIFY(ecrit(QStringLiteral("a-cote.dat"), aCote));
        // The folder's name is made by the shell from printf escapes: its bytes need not
        // be UTF-8, which no QString could carry.
        const QString script = QStringLiteral(
            "d=\"$1/$(printf \"$2\")\"; mkdir \"$d\" && cp \"$3\" \"$d/sidranes\" || exit 99\n"
            "[ -s \"$1/a-cote.dat\" ] && mv \"$1/a-cote.dat\" \"$d/sidranes.dat\"\n"
            "cd \"$1/ici\" && shift 3 && exec \"$d/sidranes\" \"$@\"");
        QProcess programme;
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const QString& v : variables) {
            environnement.insert(v.section(u'=', 0, 0), v.section(u'=', 1));
        }
        programme.setProcessEnvironment(environnement);
        programme.setProcessChannelMode(QProcess::MergedChannels);
        const QString executable = QCoreApplication::applicationDirPath() + "/../sidranes";
        QElapsedTimer chrono;
        chrono.start();
        programme.start(QStringLiteral("/bin/sh"),
                        QStringList{"-c", script, "sh", racine.path(), QString::fromLatin1(dossier),
                                    executable} +
                            arguments);
        // A refusal ends at once; a program that read some other file would run on.
        const bool fini = programme.waitForFinished(10000);
        const QString lu = QString::fromUtf8(programme.readAll()).replace(QChar(0xA0), u' ');
        if (!fini) {
            programme.kill();
            programme.waitForFinished();
        }
        QVERIFY2(fini, qPrintable(lu));
        QVERIFY2(chrono.elapsed() < 2000, qPrintable(QString::number(chrono.elapsed())));
        QCOMPARE(programme.exitStatus(), QProcess::NormalExit);
        QVERIFY2(lu.contains(sortie), qPrintable(lu));
        QCOMPARE(programme.exitCode(), statut);
    }
};

QTEST_GUILESS_MAIN(TestLancement)
#include "tst_lancement.moc"
