// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AideFenetre.h"
#include "Polices.h"
#include "Sidrane.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

class TestPolices : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Polices::charge(); }

    void tahomaVientDeWine_data() {
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("gras");
        QTest::addColumn<QString>("fichier");
        QTest::newRow("boutons") << 8.25 << false << "/usr/share/wine/fonts/tahoma.ttf";
        QTest::newRow("liens") << 8.25 << true << "/usr/share/wine/fonts/tahomabd.ttf";
    }

    void tahomaVientDeWine() {
        QFETCH(qreal, points);
        QFETCH(bool, gras);
        QFETCH(QString, fichier);
        if (!QFile::exists(fichier)) {
            QSKIP("fonts-wine is not installed");
        }
        const QFont police = Polices::tahoma(points, gras);
        const QFontInfo info(police);
        QCOMPARE(info.family(), QStringLiteral("Tahoma"));
        QCOMPARE(info.bold(), gras);
        QCOMPARE(police.pointSizeF(), points);
    }

    void comicSansDemandeeComicNeueEnRemplacement() {
        if (!QFontDatabase::hasFamily("Comic Neue")) {
            QSKIP("fonts-comic-neue is not installed");
        }
        const QFont police = Polices::comic(9.75, true);
        const bool comicSans = QFontDatabase::hasFamily("Comic Sans MS");
        QCOMPARE(police.families(), QStringList({"Comic Sans MS", "Comic Neue"}));
        QCOMPARE(QFontInfo(police).family(), comicSans ? "Comic Sans MS" : "Comic Neue");
        QVERIFY(QFontInfo(police).bold());
        QCOMPARE(police.pointSizeF(), 9.75);
    }

    void familleAbsenteDonneLaPoliceSysteme() {
        const QFont systeme = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        const QFont police = Polices::police("Famille Sidranes Inexistante", 9.75, true);
        QCOMPARE(police.family(), systeme.family());
        QCOMPARE(QFontInfo(police).family(), QFontInfo(systeme).family());
        QCOMPARE(police.pointSizeF(), 9.75);
        QVERIFY(police.bold());
    }

    void policesDuPanneau_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("famille");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("gras");
        const QString tahoma = QStringLiteral("Tahoma");
        QTest::newRow("bouton") << "CmdStart" << tahoma << 8.25 << false;
        QTest::newRow("quitter") << "CmdFin" << tahoma << 8.25 << false;
        QTest::newRow("étiquette") << "LabCourse" << tahoma << 8.25 << false;
        QTest::newRow("afficheur") << "LbVit" << tahoma << 8.25 << false;
        QTest::newRow("lien") << "LabApropos" << tahoma << 8.25 << true;
        QTest::newRow("contact") << "LabContact" << tahoma << 8.25 << true;
        QTest::newRow("titre") << "LbTitre"
                               << "Comic Sans MS" << 9.75 << true;
    }

    void policesDuPanneau() {
        QFETCH(QString, nom);
        QFETCH(QString, famille);
        QFETCH(qreal, points);
        QFETCH(bool, gras);
        auto proprietaire = AideFenetre::cree();
        Sidrane& f = *proprietaire;
        const auto* w = f.findChild<QWidget*>(nom);
        QVERIFY(w);
        // Asked for by name where the machine has Tahoma and Comic Sans's stand-in.
        if (QFontDatabase::hasFamily(QStringLiteral("Tahoma")) &&
            QFontDatabase::hasFamily(QStringLiteral("Comic Neue"))) {
            QCOMPARE(w->font().families().value(0), famille);
        }
        QCOMPARE(w->font().pointSizeF(), points);
        QCOMPARE(w->font().bold(), gras);
    }
};

QTEST_MAIN(TestPolices)
#include "tst_polices.moc"
