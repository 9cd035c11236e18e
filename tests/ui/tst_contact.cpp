// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Contact.h"

#include <QDesktopServices>
#include <QtTest>

// Stands for the desktop's browser.

class Navigateur : public QObject {
    Q_OBJECT

public:
    QList<QUrl> ouvertes;

public slots:
    void ouvre(const QUrl& url) { ouvertes.append(url); }
};

class TestContact : public QObject {
    Q_OBJECT

private slots:
    void ouvreLaPageDuProjet() {
        Navigateur navigateur;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &navigateur, "ouvre");
        Contact::ouvre();
        Contact::ouvre();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        const QUrl page(QStringLiteral("https://sidranes.org/"));
        QCOMPARE(navigateur.ouvertes, QList<QUrl>({page, page}));
    }

    void echecSignaleSansArret() {
        // A handler without the slot makes the opening fail without starting anything.
        Navigateur navigateur;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &navigateur, "absent");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("absent"));
        QTest::ignoreMessage(
            QtWarningMsg, "Sidranes : impossible d'ouvrir le navigateur sur https://sidranes.org/");
        Contact::ouvre();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QVERIFY(navigateur.ouvertes.isEmpty());
    }
};

QTEST_MAIN(TestContact)
#include "tst_contact.moc"
