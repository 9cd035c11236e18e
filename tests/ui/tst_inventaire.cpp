// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls as built, and the state start-up leaves them in.

#include "AideFenetre.h"
#include "Debut.h"
#include "LabelCliquable.h"
#include "Tableau.h"
#include "Tablecom.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>
#include <QToolTip>

using namespace AideFenetre;

namespace {

QString texte(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        return b->text();
    }
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        return l->text();
    }
    return QString();
}

} // namespace

class TestInventaire : public QObject {
    Q_OBJECT

private slots:
    void controlesALaCreation_data() { Tableau::lignes(QStringLiteral("ui/controles.txt")); }

    // The panel as designed, and the window's two containers before the first layout.
    void controlesALaCreation() {
        QFETCH(QStringList, colonnes);
        const QString nom = colonnes.value(0);
        const QStringList r = colonnes.value(1).split(u' ');
        auto f = cree();
        Tablecom panneau(nullptr);
        const auto* w = nom == QLatin1String("Cosmos") || nom == QLatin1String("Tablecom")
                            ? f->findChild<QWidget*>(nom)
                            : panneau.findChild<QWidget*>(nom);
        QVERIFY2(w, qPrintable(nom));
        QCOMPARE(w->geometry(), QRect(r.value(0).toInt(), r.value(1).toInt(), r.value(2).toInt(),
                                      r.value(3).toInt()));
        QCOMPARE(texte(w), colonnes.value(2));
        QVERIFY(!w->isHidden());
    }

    void fenetreALaCreation() {
        auto proprietaire = cree();
        Sidrane& f = *proprietaire;
        // The release's first two numbers: "Sidranes 1.0" for 1.0.1.
        QCOMPARE(f.windowTitle(), QStringLiteral("Sidranes ") +
                                      QStringLiteral(SIDRANES_VERSION).section(u'.', 0, 1));
        QCOMPARE(f.size(), QSize(987, 777));
        QCOMPARE(f.intervalleTemps(), 0);
        QVERIFY(!f.windowIcon().isNull());
    }

    void couleursDessinees_data() { Tableau::lignes(QStringLiteral("ui/couleurs.txt")); }

    void couleursDessinees() {
        QFETCH(QStringList, colonnes);
        const QString nom = colonnes.value(0);
        const QStringList xy = colonnes.value(1).split(u' ');
        const QPoint fond(xy.value(0).toInt(), xy.value(1).toInt());
        const QColor couleurFond(colonnes.value(2));
        const QColor encre(colonnes.value(3)); // "-": invalid, not checked
        auto f = ouvre();
        QVERIFY(f);
        QWidget* w = nom == QLatin1String("Sidrane") ? f.get() : f->findChild<QWidget*>(nom);
        QVERIFY(w);
        const QImage image = w->grab().toImage();
        QCOMPARE(image.pixelColor(fond), couleurFond);
        if (!encre.isValid()) {
            return;
        }
        // The caption's strokes: some pixels wholly covered by the text colour.
        bool trouvee = false;
        for (int y = 0; y < image.height() && !trouvee; ++y) {
            for (int x = 0; x < image.width() && !trouvee; ++x) {
                trouvee = image.pixelColor(x, y) == encre;
            }
        }
        QVERIFY(trouvee);
    }

    void bullesDAide_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("y"); // in the control, for the sliders
        QTest::addColumn<QString>("bulle");
        const QString regle = QStringLiteral("Règle la vitesse");
        QTest::newRow("CmdAffNom") << "CmdAffNom" << 0 << "toto";
        QTest::newRow("CmdStart") << "CmdStart" << 0 << "";
        // Over a slider's track (its top 33 pixels) and over the strip of background below.
        QTest::newRow("ImCoControl, piste") << "ImCoControl" << 20 << "";
        QTest::newRow("ImCoControl, fond") << "ImCoControl" << 35 << regle;
        QTest::newRow("ImTpControl, piste") << "ImTpControl" << 20 << regle;
        QTest::newRow("ImTpControl, fond") << "ImTpControl" << 35 << "";
    }

    void bullesDAide() {
        QFETCH(QString, nom);
        QFETCH(int, y);
        QFETCH(QString, bulle);
        auto f = ouvre();
        QVERIFY(f);
        QWidget* w = f->findChild<QWidget*>(nom);
        QToolTip::hideText();
        QHelpEvent aide(QEvent::ToolTip, QPoint(80, y), w->mapToGlobal(QPoint(80, y)));
        QApplication::sendEvent(w, &aide);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), bulle);
    }

    void ordreDeTabulation() {
        auto proprietaire = cree();
        Sidrane& f = *proprietaire;
        QStringList ordre;
        QWidget* w = f.cosmos();
        do {
            if (w->focusPolicy() & Qt::TabFocus) {
                ordre << w->objectName();
            }
            w = w->nextInFocusChain();
        } while (w != f.cosmos() && ordre.size() < 50);
        // As designed, then the sliders and the links for the keyboard alone.
        QCOMPARE(ordre, QStringList({"Cosmos", "Tablecom", "CmdStart", "CmdFin", "CmdAffNom",
                                     "CmdDebut", "CmdTrace", "CmdCls", "CmdLune", "ImCoControl",
                                     "ImTpControl", "LabApropos", "LabContact"}));
    }

    void curseurDuLienContact() {
        auto proprietaire = cree();
        Sidrane& f = *proprietaire;
        const QCursor c = f.tablecom()->findChild<QWidget*>("LabContact")->cursor();
        QCOMPARE(c.shape(), Qt::BitmapCursor);
        QCOMPARE(c.hotSpot(), QPoint(12, 1));
        QCOMPARE(c.pixmap().size(), QSize(32, 32));
    }

    void nomsAccessibles() {
        auto proprietaire = cree();
        Sidrane& f = *proprietaire;
        auto nomAccessible = [&f](const char* nom) {
            QWidget* w = f.findChild<QWidget*>(QLatin1String(nom));
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
            return i ? i->text(QAccessible::Name) : QString();
        };
        const QStringList sansTexte{nomAccessible("Cosmos"), nomAccessible("ImCoControl"),
                                    nomAccessible("ImTpControl")};
        for (const QString& n : sansTexte) {
            QVERIFY(!n.isEmpty());
            QCOMPARE(sansTexte.count(n), 1);
        }
        // Each read-out is said with its caption.
        for (auto [legende, afficheur] : {std::pair{"LabDate", "LbTemps"},
                                          {"LabCourse", "LbVit"},
                                          {"Labkm", "LbVit"},
                                          {"LbOrbite", "ImCoControl"}}) {
            QAccessibleInterface* a =
                QAccessible::queryAccessibleInterface(f.findChild<QWidget*>(afficheur));
            QStringList noms;
            for (const auto& [autre, genre] : a->relations(QAccessible::Label)) {
                noms << autre->object()->objectName();
            }
            QVERIFY2(noms.contains(QLatin1String(legende)), legende);
        }
        for (const char* bouton :
             {"CmdDebut", "CmdStart", "CmdTrace", "CmdCls", "CmdLune", "CmdAffNom", "CmdFin"}) {
            QCOMPARE(nomAccessible(bouton), texte(f.findChild<QWidget*>(QLatin1String(bouton))));
        }
        // Without its own interface the window reads as a nameless filler.
        QCOMPARE(QAccessible::queryAccessibleInterface(f.tablecom())->role(),
                 QAccessible::Grouping);
        QAccessibleInterface* fenetre = QAccessible::queryAccessibleInterface(&f);
        QCOMPARE(fenetre->role(), QAccessible::Window);
        QCOMPARE(fenetre->text(QAccessible::Name), f.windowTitle());
        for (const char* lien : {"LabApropos", "LabContact"}) {
            auto* l = f.findChild<QLabel*>(QLatin1String(lien));
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(l);
            QCOMPARE(a->role(), QAccessible::Link);
            QCOMPARE(a->text(QAccessible::Name), l->text());
            QVERIFY(a->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        }
        // The names button keeps its tooltip, which screen readers do not give as its
        // description; the splash picture is a picture, not a link.
        QCOMPARE(f.tablecom()->CmdAffNom->toolTip(), QStringLiteral("toto"));
        QVERIFY(!QAccessible::queryAccessibleInterface(f.tablecom()->CmdAffNom)
                     ->text(QAccessible::Description)
                     .contains(QStringLiteral("toto")));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(f.debut()->findChild<QWidget*>("Image1"))->role(),
            QAccessible::Graphic);
        // Pressed, a link clicks as the mouse does.
        LabelCliquable lien(QStringLiteral("Contact"));
        QSignalSpy clics(&lien, &LabelCliquable::clicked);
        QAccessible::queryAccessibleInterface(&lien)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QCOMPARE(clics.count(), 1);
    }

    void miseEnPageAuDemarrage() {
        auto f = ouvre();
        QVERIFY(f);
        QCOMPARE(f->cosmos()->geometry(), QRect(0, 0, 777, 777));
        QCOMPARE(f->tablecom()->pos(), QPoint(785, 0));
        QCOMPARE(f->tablecom()->size(), QSize(200, 569));
        // Disc sizes keep referring to the area's designed width, not to its shown one.
        QCOMPARE(f->moteur().etat().LargeurCosmos, 570);
        // The Sun stands in the middle of the area.
        const QPointF centreSoleil = f->cosmos()->rectanglePixels(Soleil).center();
        QVERIFY(qAbs(centreSoleil.x() - 388.5) < 0.01);
        QVERIFY(qAbs(centreSoleil.y() - 388.5) < 0.01);
    }

    void astresEtNomsAuDemarrage() {
        auto f = ouvre();
        QVERIFY(f);
        const Cosmos* c = f->cosmos();
        // The data file's colours, red + 256 x green + 65536 x blue.
        const QList<QColor> couleurs{{255, 225, 40},  {160, 160, 160}, {240, 220, 150},
                                     {50, 130, 255},  {220, 70, 40},   {225, 170, 110},
                                     {215, 190, 90},  {120, 220, 230}, {70, 80, 235},
                                     {190, 150, 120}, {210, 210, 210}};
        for (int i = 0; i < NbAstres; ++i) {
            const bool visible = i <= Terre;
            QVERIFY2(c->forme(i).Visible == visible, qPrintable(QString::number(i)));
            const QLabel* nom = c->nom(i);
            QVERIFY(!nom->isVisible());
            QCOMPARE(nom->text(), f->moteur().etat().astres[i].Nom);
            // Neptune's blue, 3.61 to 1 on black, lightened to read: 4.53 to 1.
            QCOMPARE(nom->palette().color(QPalette::WindowText).name(),
                     (i == 8 ? QColor(0x5b, 0x65, 0xed) : couleurs[i]).name());
            QCOMPARE(c->forme(i).FillColor, couleurs[i]);
        }
    }

    void valeursAuDemarrage() {
        auto f = ouvre();
        QVERIFY(f);
        const Tablecom* t = f->tablecom();
        QCOMPARE(t->LbOrbite->text(), QStringLiteral("Champ orbital : Terre"));
        QCOMPARE(t->LabCourse->text(), QStringLiteral("Distance parcourue par Terre"));
        for (const ReglesGlissiere::Geometrie& g : {t->CO->geometrie(), t->Tp->geometrie()}) {
            QCOMPARE(g.XMin, 218);
            QCOMPARE(g.XMax, 2152);
        }
        QCOMPARE(t->CO->geometrie().Cran, 215);
        QCOMPARE(t->Tp->geometrie().Cran, 161);
        // Each knob in the middle of its notch: field 3, speed 1.
        QCOMPARE(f->tablecom()->CO->gaucheBouton(), 852.5);
        QCOMPARE(f->tablecom()->Tp->gaucheBouton(), 395.5);
        // Pixels 57 and 26 of the panel.
        QCOMPARE(f->tablecom()->CO->rectangleBouton(), QRect(41, 10, 19, 20));
        QCOMPARE(f->tablecom()->Tp->rectangleBouton(), QRect(10, 10, 19, 20));
        QCOMPARE(f->tablecom()->Tp->rectanglePiste(), QRect(0, 0, 158, 33));
    }
};

QTEST_MAIN(TestInventaire)
#include "tst_inventaire.moc"
