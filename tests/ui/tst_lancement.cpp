// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The real executable as a user starts it: the data file it reads, its command line,
// and how it ends when it cannot start. It runs offscreen, where a refusal is said on
// stderr only, so every case ends by itself.

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
    void lancement_data() {
        QTest::addColumn<QByteArray>("dossier"); // the program's folder, printf(1) escapes
        QTest::addColumn<QByteArray>("aCote");   // the data file beside it; empty: none
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("sortie"); // expected in stdout and stderr

        const QString court = "le fichier se termine avant le nom de l'astre n° 6";
        QTest::newRow("fichier absent")
            << QByteArray("prog") << QByteArray() << QStringList() << QStringList() << 1
            << "/prog/sidranes.dat » est introuvable.";
        // The working directory holds a valid file: it must not be the one read.
        QTest::newRow("dossier au nom Latin-1")
            << QByteArray("prog-\\351t\\351") << courtes() << QStringList() << QStringList() << 1
            << "/prog-été/sidranes.dat », ligne 10 : " + court;
        QTest::newRow("fichier nommé")
            << QByteArray("prog") << livrees() << QStringList{"../court.dat"} << QStringList() << 1
            << "« ../court.dat », ligne 10 : " + court;
        QTest::newRow("--version") << QByteArray("prog") << QByteArray() << QStringList{"--version"}
                                   << QStringList() << 0 << "Sidranes " SIDRANES_VERSION "\n";
        QTest::newRow("--help") << QByteArray("prog") << QByteArray() << QStringList{"--help"}
                                << QStringList() << 0
                                << "Utilisation : sidranes [OPTION…] [FICHIER]\n";
        QTest::newRow("option inconnue")
            << QByteArray("prog") << livrees() << QStringList{"--plein-ecran"} << QStringList() << 2
            << "sidranes : option inconnue « --plein-ecran ».\nUtilisation : sidranes [OPTION…] "
               "[FICHIER] ;";
        QTest::newRow("deux fichiers")
            << QByteArray("prog") << livrees() << QStringList{"a.dat", "b.dat"} << QStringList()
            << 2 << "sidranes : un seul fichier de données à la fois, 2 donnés.";
        QTest::newRow("QT_SCALE_FACTOR=0")
            << QByteArray("prog") << livrees() << QStringList() << QStringList{"QT_SCALE_FACTOR=0"}
            << 1 << "la variable QT_SCALE_FACTOR vaut « 0 » ; il faut un nombre positif";
    }

    void lancement() {
        QFETCH(QByteArray, dossier);
        QFETCH(QByteArray, aCote);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, variables);
        QFETCH(int, statut);
        QFETCH(QString, sortie);

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
