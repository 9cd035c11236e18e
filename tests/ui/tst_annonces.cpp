// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers are told: the accessible events a toggle, a slider and the
// running clock send, caught as the platform's bridge would receive them, and the
// drawing area's description.

#include "AideFenetre.h"
#include "Annonce.h"
#include "Debut.h"
#include "LabelCliquable.h"
#include "Tableau.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

using namespace AideFenetre;

namespace {

// What the bridge received, one line per event of interest: "annonce TEXT",
// "valeur N" for a slider's value, "nom OBJECT" for a name change.
QStringList recus;

void recoit(QAccessibleEvent* e) {
    QAccessibleInterface* i = e->accessibleInterface();
    if (e->type() == QAccessible::ObjectShow && qobject_cast<Annonce*>(e->object())) {
        recus << QStringLiteral("annonce ") + i->text(QAccessible::Name);
    } else if (e->type() == QAccessible::ValueChanged) {
        recus << QStringLiteral("valeur %1")
                     .arg(static_cast<QAccessibleValueChangeEvent*>(e)->value().toInt());
    } else if (e->type() == QAccessible::NameChanged) {
        recus << QStringLiteral("nom ") + e->object()->objectName();
    }
}

void appuie(const Sidrane& f, const QString& bouton) {
    auto* b = f.tablecom()->findChild<QPushButton*>(bouton);
    QVERIFY2(b && b->isEnabled(), qPrintable(bouton));
    QTest::keyClick(b, Qt::Key_Return);
}

// Only the announcements.
QStringList annonces() {
    return recus.filter(QRegularExpression(QStringLiteral("^annonce ")));
}

} // namespace

class TestAnnonces : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // As when a screen reader runs: otherwise Qt sends no accessible event at all.
        QPlatformAccessibility* plateforme =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(plateforme);
        plateforme->setActive(true);
    }

    void init() {
        recus.clear();
        QAccessible::installUpdateHandler(recoit);
    }

    void cleanup() { QAccessible::installUpdateHandler(nullptr); }

    void basculeDitSaLegende_data() { Tableau::lignes(QStringLiteral("ui/annonces.txt")); }

    void basculeDitSaLegende() {
        QFETCH(QStringList, colonnes);
        auto f = ouvre();
        QVERIFY(f);
        recus.clear();
        for (const QString& b : colonnes.value(0).split(u' ')) {
            appuie(*f, b);
        }
        QCOMPARE(annonces().join(QStringLiteral(" ; ")).remove(QStringLiteral("annonce ")),
                 colonnes.value(1));
    }

    void glissiereDitSonCran_data() {
        QTest::addColumn<QString>("glissiere");
        QTest::addColumn<int>("cle");
        QTest::addColumn<QStringList>("attendu");
        using L = QStringList;
        // The field starts at the Earth (notch 3), the speed at 1 day per tick (notch 1).
        // The meaning is said before the bare number the bridge hands on.
        QTest::newRow("champ fin") << "CO" << int(Qt::Key_End) << L{"annonce Pluton", "valeur 9"};
        QTest::newRow("champ début")
            << "CO" << int(Qt::Key_Home) << L{"annonce Mercure", "valeur 1"};
        QTest::newRow("vitesse fin")
            << "Tp" << int(Qt::Key_End) << L{"annonce 100 jours par pas", "valeur 12"};
        QTest::newRow("vitesse droite")
            << "Tp" << int(Qt::Key_Right) << L{"annonce 2 jours par pas", "valeur 2"};
        QTest::newRow("vitesse déjà au début") << "Tp" << int(Qt::Key_Home) << L{};
    }

    void glissiereDitSonCran() {
        QFETCH(QString, glissiere);
        QFETCH(int, cle);
        QFETCH(QStringList, attendu);
        auto f = ouvre();
        QVERIFY(f);
        Glissiere* g = glissiere == QLatin1String("CO") ? f->tablecom()->CO : f->tablecom()->Tp;
        recus.clear();
        QTest::keyClick(g, Qt::Key(cle));
        QCOMPARE(recus.filter(QRegularExpression(QStringLiteral("^(annonce|valeur) "))), attendu);
        // What a review of the slider reads: the notch's text, not a share of the travel.
        if (!attendu.isEmpty()) {
            QAccessibleTextInterface* texte =
                QAccessible::queryAccessibleInterface(g)->textInterface();
            QVERIFY(texte);
            QCOMPARE(QStringLiteral("annonce ") + texte->text(0, texte->characterCount()),
                     attendu.first());
        }
    }

    void horlogeNeDitRienAChaqueTop() {
        auto f = ouvre();
        QVERIFY(f);
        appuie(*f, QStringLiteral("CmdStart"));
        recus.clear();
        tic(*f, 10);
        QCOMPARE(recus, QStringList());
        // The date is there when a screen reader looks: ten days after the start.
        QCOMPARE(
            QAccessible::queryAccessibleInterface(f->tablecom()->LbTemps)->text(QAccessible::Name),
            QStringLiteral("11/01/2025"));
    }

    void cosmosDitCeQuIlMontre_data() {
        QTest::addColumn<QStringList>("etapes"); // buttons pressed, "top" for a tick
        QTest::addColumn<QString>("attendu");
        using L = QStringList;
        const QString terre =
            QStringLiteral("Champ orbital : Terre. En vue : Soleil, Mercure, Vénus, Terre");
        QTest::newRow("au départ") << L{} << terre + ".";
        QTest::newRow("lune et noms")
            << L{"CmdLune", "CmdAffNom"} << terre + ", Lune. Noms des planètes affichés.";
        QTest::newRow("traces") << L{"CmdStart", "CmdTrace", "top"}
                                << terre + ". Traces dessinées.";
        QTest::newRow("traces effacées")
            << L{"CmdStart", "CmdTrace", "top", "CmdCls"} << terre + ".";
    }

    void cosmosDitCeQuIlMontre() {
        QFETCH(QStringList, etapes);
        QFETCH(QString, attendu);
        auto f = ouvre();
        QVERIFY(f);
        for (const QString& e : etapes) {
            if (e == QLatin1String("top")) {
                tic(*f);
            } else {
                appuie(*f, e);
            }
        }
        QAccessibleInterface* cosmos = QAccessible::queryAccessibleInterface(f->cosmos());
        QCOMPARE(cosmos->role(), QAccessible::Canvas);
        QCOMPARE(cosmos->text(QAccessible::Description), attendu);
    }

    // While a screen reader runs, the splash waits for a key or a click: its 40 words take
    // longer than its 5 seconds to say.
    void accueilAttendQuOnLAitLu() {
        Debut debut;
        bool restee = false;
        QTimer::singleShot(0, &debut, [&] {
            QMetaObject::invokeMethod(&debut.Timer1, "timeout");
            restee = debut.isVisible();
            QTest::mouseClick(debut.Image1, Qt::LeftButton);
        });
        debut.montreSplash();
        QVERIFY(restee);
    }
};

QTEST_MAIN(TestAnnonces)
#include "tst_annonces.moc"
