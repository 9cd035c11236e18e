// SPDX-License-Identifier: GPL-3.0-or-later
#include "Polices.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>

class TestPolices : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void tahomaVientDeWine_data();
    void tahomaVientDeWine();
    void comicSansDemandeeComicNeueEnRemplacement();
    void familleAbsenteDonneLaPoliceSysteme();
    void accentsOntDesGlyphes_data();
    void accentsOntDesGlyphes();
};

void TestPolices::initTestCase() {
    Polices::charge();
}

void TestPolices::tahomaVientDeWine_data() {
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("gras");
    QTest::addColumn<QString>("fichier");
    QTest::newRow("boutons") << 8.25 << false << "/usr/share/wine/fonts/tahoma.ttf";
    QTest::newRow("liens") << 8.25 << true << "/usr/share/wine/fonts/tahomabd.ttf";
}

void TestPolices::tahomaVientDeWine() {
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

void TestPolices::comicSansDemandeeComicNeueEnRemplacement() {
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

void TestPolices::familleAbsenteDonneLaPoliceSysteme() {
    const QFont systeme = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const QFont police = Polices::police("Famille Sidranes Inexistante", 9.75, true);
    QCOMPARE(police.family(), systeme.family());
    QCOMPARE(QFontInfo(police).family(), QFontInfo(systeme).family());
    QCOMPARE(police.pointSizeF(), 9.75);
    QVERIFY(police.bold());
}

void TestPolices::accentsOntDesGlyphes_data() {
    QTest::addColumn<QFont>("police");
    QTest::addColumn<QString>("texte");
    const QStringList textes = {"Démarrer", "Début", "planètes", "Règle la vitesse"};
    const QList<QPair<const char*, QFont>> polices = {
        {"tahoma", Polices::tahoma(8.25)},
        {"tahoma gras", Polices::tahoma(8.25, true)},
        {"comic gras", Polices::comic(9.75, true)},
    };
    for (const auto& [nom, police] : polices) {
        for (const QString& texte : textes) {
            QTest::addRow("%s %s", nom, qPrintable(texte)) << police << texte;
        }
    }
}

void TestPolices::accentsOntDesGlyphes() {
    QFETCH(QFont, police);
    QFETCH(QString, texte);
    const QFontMetrics mesure(police);
    for (const QChar c : texte) {
        QVERIFY2(mesure.inFont(c), qPrintable(QString("%1 lacks '%2'").arg(police.family(), c)));
    }
}

QTEST_MAIN(TestPolices)
#include "tst_polices.moc"
