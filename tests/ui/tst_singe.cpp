// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey: the real main window driven by thousands of random user actions (clicks
// and Space on the six buttons, presses, drags and releases on both sliders with any
// button, resizes, clock ticks at every speed), with the window checked after every
// event: it shows the orrery's picture, whole, and lays itself out. The orrery's own
// rules are checked in its own tests.
//
// SIDRANES_SINGE_ACTIONS sets the number of actions of each run, SIDRANES_SINGE_GRAINE
// its seed; a failure names the seed, the step and the action, which replays it.
//
// "Quitter Sidranes", the about box and the contact link are left to their own tests:
// the monkey watches the orrery's window.

#include "AideFenetre.h"
#include "Disposition.h"
#include "Twips.h"

#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <cmath>
#include <random>

using namespace AideFenetre;

namespace {

constexpr quint32 GraineParDefaut = 20070101;
constexpr int ActionsParDefaut = 3000;

// Qt's warnings during a run are faults too (a paint on a null image, a bad geometry).
QStringList* avertissements = nullptr;
QtMessageHandler gestionnairePrecedent = nullptr;

void surMessage(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    if (avertissements && type != QtDebugMsg && type != QtInfoMsg) {
        avertissements->append(message);
    }
    gestionnairePrecedent(type, contexte, message);
}

QString texteBouton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return QStringLiteral("left");
    case Qt::RightButton:
        return QStringLiteral("right");
    default:
        return QStringLiteral("middle");
    }
}

void souris(QWidget* w, QEvent::Type type, const QPointF& pos, Qt::MouseButton bouton,
            Qt::MouseButtons tenus) {
    QMouseEvent e(type, pos, w->mapToGlobal(pos), bouton, tenus, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void clicSouris(QWidget* w, const QPointF& pos, Qt::MouseButton bouton) {
    souris(w, QEvent::MouseButtonPress, pos, bouton, bouton);
    souris(w, QEvent::MouseButtonRelease, pos, bouton, Qt::NoButton);
}

void espace(QWidget* w) {
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(w, &appui);
    QKeyEvent relache(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(w, &relache);
}

// Events only: ticks come from the monkey, so that a seed always replays the same run.
void traiteEvenements() {
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
}

class Singe {
public:
    Singe(Sidrane& fenetre, quint32 graine)
        : f(fenetre), t(*fenetre.tablecom()), c(*fenetre.cosmos()), graine(graine), alea(graine) {}

    // Runs `n` actions and returns the first fault, empty when there was none.
    QString lance(int n) {
        for (etape = 0; etape < n && echec.isEmpty(); ++etape) {
            action.clear();
            agit();
            traiteEvenements();
            verifie();
            if (!avertissements->isEmpty() && echec.isEmpty()) {
                echec = entete() + QStringLiteral("Qt warned: ") + avertissements->join(" | ");
            }
        }
        return echec;
    }

    QString bilan() const {
        return QStringLiteral("seed=%1: %2 actions, %3 ticks, %4 stops at the calendar's end, "
                              "final date %5, Jours %6")
            .arg(graine)
            .arg(etape)
            .arg(tics)
            .arg(finsDuCalendrier)
            .arg(f.moteur().etat().DateCour().toString(Qt::ISODate))
            .arg(f.moteur().etat().Jours);
    }

private:
    int tirage(int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea); }
    bool chance(double p) { return std::bernoulli_distribution(p)(alea); }

    Qt::MouseButton boutonAuHasard() {
        const int k = tirage(0, 9);
        return k < 6 ? Qt::LeftButton : k < 8 ? Qt::RightButton : Qt::MiddleButton;
    }

    void note(const QString& texte) {
        action += action.isEmpty() ? texte : QStringLiteral(", ") + texte;
    }

    QString entete() const {
        return QStringLiteral("seed=%1 step=%2 action=%3: ").arg(graine).arg(etape).arg(action);
    }

    void verifie() {
        if (echec.isEmpty()) {
            const QString quoi = faute();
            if (!quoi.isEmpty()) {
                echec = entete() + quoi;
            }
        }
    }

    void agit() {
        // While a button is held on a slider, the pointer belongs to that slider.
        if (tenus != Qt::NoButton && chance(0.7)) {
            piste();
            return;
        }
        const int k = tirage(0, 99);
        if (k < 22) {
            tic();
        } else if (k < 50) {
            commande();
        } else if (k < 88) {
            piste();
        } else {
            fenetre();
        }
    }

    // ---- Clock ----

    void tic() {
        if (f.intervalleTemps() == 0) {
            note(QStringLiteral("tick while stopped: none comes"));
            return;
        }
        // Now and then a long run, to reach the end of the calendar at high speed.
        const int n = chance(0.1) ? tirage(1, 500) : tirage(1, 5);
        note(QStringLiteral("%1 ticks at %2 days").arg(n).arg(f.moteur().etat().Pas()));
        for (int i = 0; i < n && f.intervalleTemps() != 0 && echec.isEmpty(); ++i) {
            AideFenetre::tic(f);
            ++tics;
            finsDuCalendrier += f.intervalleTemps() == 0;
            verifie();
        }
    }

    // ---- Buttons and labels ----

    void commande() {
        QPushButton* const boutons[] = {t.CmdStart, t.CmdDebut, t.CmdTrace,
                                        t.CmdCls,   t.CmdLune,  t.CmdAffNom};
        QPushButton* b = boutons[tirage(0, 5)];
        if (chance(0.15)) {
            note(QStringLiteral("Space on %1%2")
                     .arg(b->objectName(), b->isEnabled() ? "" : " (disabled)"));
            espace(b);
            return;
        }
        const Qt::MouseButton bouton = boutonAuHasard();
        note(QStringLiteral("%1 click on %2%3")
                 .arg(texteBouton(bouton), b->objectName(), b->isEnabled() ? "" : " (disabled)"));
        clicSouris(b, b->rect().center(), bouton);
    }

    // ---- Sliders ----

    double xSurPiste(const QWidget* p, bool dedans) {
        const int w = p->width();
        double x;
        switch (tirage(0, dedans ? 5 : 9)) {
        case 0:
            x = tirage(0, 4); // left dead margin
            break;
        case 1:
            x = tirage(w - 4, w - 1); // right dead margin
            break;
        case 6:
        case 7:
            x = tirage(-60, -1); // beyond the left end
            break;
        case 8:
        case 9:
            x = tirage(w, w + 60); // beyond the right end
            break;
        default:
            x = tirage(5, w - 5);
        }
        // Fractional pixels, as on a scaled screen.
        return chance(0.1) ? x + tirage(1, 3) / 4.0 : x;
    }

    QPointF surPiste(const QWidget* p, bool dedans) {
        const int h = p->height();
        const double x = xSurPiste(p, dedans);
        if (dedans || chance(0.7)) {
            return QPointF(x, tirage(0, h - 1));
        }
        return QPointF(x, chance(0.5) ? tirage(-30, -1) : tirage(h, h + 30));
    }

    QString ou(const Glissiere* p, const QPointF& pos) const {
        return QStringLiteral("%1 (%2, %3)").arg(p->objectName()).arg(pos.x()).arg(pos.y());
    }

    void presse(Glissiere* p, const QPointF& pos, Qt::MouseButton b) {
        note(QStringLiteral("%1 press on %2").arg(texteBouton(b), ou(p, pos)));
        tenus |= b;
        pisteTenue = p;
        souris(p, QEvent::MouseButtonPress, pos, b, tenus);
        verifie();
    }

    void bouge(Glissiere* p, const QPointF& pos) {
        note(QStringLiteral("move to %1").arg(ou(p, pos)));
        souris(p, QEvent::MouseMove, pos, Qt::NoButton, tenus);
        verifie();
    }

    void relache(Glissiere* p, const QPointF& pos, Qt::MouseButton b) {
        note(QStringLiteral("%1 release on %2").arg(texteBouton(b), ou(p, pos)));
        tenus &= ~Qt::MouseButtons(b);
        souris(p, QEvent::MouseButtonRelease, pos, b, tenus);
        verifie();
    }

    Qt::MouseButton boutonParmi(Qt::MouseButtons choix) {
        QList<Qt::MouseButton> l;
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            if (choix & b) {
                l << b;
            }
        }
        return l.isEmpty() ? Qt::NoButton : l[tirage(0, int(l.size()) - 1)];
    }

    void piste() {
        if (tenus != Qt::NoButton) {
            Glissiere* p = pisteTenue;
            const int k = tirage(0, 19);
            const Qt::MouseButton libre =
                boutonParmi(~tenus & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
            if (k < 10) {
                bouge(p, surPiste(p, false));
            } else if (k < 17 || libre == Qt::NoButton) {
                relache(p, surPiste(p, false), boutonParmi(tenus));
            } else {
                presse(p, surPiste(p, false), libre);
            }
            return;
        }
        Glissiere* p = chance(0.5) ? t.CO : t.Tp;
        const Qt::MouseButton b = boutonAuHasard();
        const int k = tirage(0, 19);
        if (k < 7) {
            // A press whose release comes in a later action, or never.
            presse(p, surPiste(p, chance(0.95)), b);
        } else if (k < 13) {
            const QPointF pos = surPiste(p, true);
            presse(p, pos, b);
            relache(p, chance(0.7) ? pos : surPiste(p, chance(0.8)), b);
        } else if (k < 18) {
            presse(p, surPiste(p, true), b);
            for (int n = tirage(1, 12); n > 0 && echec.isEmpty(); --n) {
                bouge(p, surPiste(p, chance(0.8)));
            }
            relache(p, surPiste(p, chance(0.7)), b);
        } else {
            bouge(p, surPiste(p, false)); // hovering, no button held
        }
    }

    // ---- Window ----

    void fenetre() {
        const int k = tirage(0, 9);
        if (k < 3) {
            const int w = tirage(0, 1400);
            note(QStringLiteral("resize to %1 x 0").arg(w));
            f.resize(w, 0);
        } else if (k < 5) {
            note(QStringLiteral("resize to 987 x 777"));
            f.resize(987, 777);
        } else if (k < 7) {
            const QSize s(tirage(0, 1600), tirage(0, 1200));
            note(QStringLiteral("resize to %1 x %2").arg(s.width()).arg(s.height()));
            f.resize(s);
        } else if (k < 8) {
            note(QStringLiteral("minimise"));
            f.showMinimized();
        } else if (k < 9) {
            note(QStringLiteral("maximise"));
            f.showMaximized();
        } else {
            note(QStringLiteral("restore"));
            f.showNormal();
        }
    }

    // ---- Invariants ----

    QString faute() const {
        const Instantane& v = f.moteur().instantane();
        const QString panneau = fauteDuPanneau(v);
        if (!panneau.isEmpty()) {
            return panneau;
        }
        for (int i = 0; i < NbAstres; ++i) {
            if (!(static_cast<const FormeAstre&>(c.forme(i)) == v.ShSidrane[i]) ||
                c.nom(i)->isVisibleTo(&c) != v.LbNom[i].Visible) {
                return QStringLiteral("body %1 not as the orrery placed it").arg(i);
            }
        }
        // The view drawn is the one of the current field.
        if (c.width() > 0 &&
            qAbs(c.versPixels().m11() * 2 * double(v.Echelle) - c.width()) > 1e-6) {
            return QStringLiteral("scale %1 px/km for half a side of %2 km")
                .arg(c.versPixels().m11())
                .arg(v.Echelle);
        }
        for (const Glissiere* g : {t.CO, t.Tp}) {
            const double centre = g->gaucheBouton() - g->gauchePiste() + g->largeurBouton() / 2;
            if (centre < g->geometrie().XMin || centre > g->geometrie().XMax) {
                return QStringLiteral("knob of %1 centred at %2 twips")
                    .arg(g->objectName())
                    .arg(centre);
            }
        }
        return fauteDeMiseEnPage();
    }

    // Each control shows its part of the picture.
    QString fauteDuPanneau(const Instantane& v) const {
        const std::pair<const QPushButton*, const Bouton*> boutons[] = {
            {t.CmdDebut, &v.CmdDebut}, {t.CmdStart, &v.CmdStart}, {t.CmdTrace, &v.CmdTrace},
            {t.CmdCls, &v.CmdCls},     {t.CmdLune, &v.CmdLune},   {t.CmdAffNom, &v.CmdAffNom}};
        for (const auto& [b, vue] : boutons) {
            if (b->text() != vue->legende || b->isEnabled() != vue->actif) {
                return QStringLiteral("%1 \"%2\" enabled %3")
                    .arg(b->objectName(), b->text())
                    .arg(b->isEnabled());
            }
        }
        const std::pair<const QLabel*, const QString*> textes[] = {{t.LbOrbite, &v.LbOrbite},
                                                                   {t.LbTemps, &v.LbTemps},
                                                                   {t.LabCourse, &v.LabCourse},
                                                                   {t.LbVit, &v.LbVit}};
        for (const auto& [l, texte] : textes) {
            if (l->text() != *texte) {
                return QStringLiteral("%1 \"%2\", \"%3\" expected")
                    .arg(l->objectName(), l->text(), *texte);
            }
        }
        if (f.intervalleTemps() != v.intervalle) {
            return QStringLiteral("timer at %1 ms, %2 expected")
                .arg(f.intervalleTemps())
                .arg(v.intervalle);
        }
        return {};
    }

    // The window laid out by its rule: the drawing square, the panel as scrolled.
    QString fauteDeMiseEnPage() const {
        const auto* v = f.findChild<QScrollBar*>(QStringLiteral("DefilementPanneau"));
        const auto* h = f.findChild<QScrollBar*>(QStringLiteral("DefilementPanneauLargeur"));
        const Disposition::Plan plan =
            Disposition::calcule({f.size(), t.size(), Twips::enPixels(120),
                                  v->style()->pixelMetric(QStyle::PM_ScrollBarExtent)});
        if (c.geometry() != plan.cosmos ||
            t.pos() != plan.panneau - QPoint(h->value(), v->value())) {
            return QStringLiteral("window %1 x %2: drawing area at (%3, %4) %5 x %6, panel at "
                                  "(%7, %8)")
                .arg(f.width())
                .arg(f.height())
                .arg(c.x())
                .arg(c.y())
                .arg(c.width())
                .arg(c.height())
                .arg(t.x())
                .arg(t.y());
        }
        const QSize image = (QSizeF(c.size()) * c.devicePixelRatioF()).toSize();
        if (!c.size().isEmpty() && c.traces().size() != image) {
            return QStringLiteral("trace image %1 x %2 for a drawing area of %3 x %4")
                .arg(c.traces().width())
                .arg(c.traces().height())
                .arg(image.width())
                .arg(image.height());
        }
        return {};
    }

    Sidrane& f;
    Tablecom& t;
    Cosmos& c;
    const quint32 graine;
    std::mt19937 alea;
    int etape = 0;
    QString action;
    QString echec;
    Qt::MouseButtons tenus = Qt::NoButton;
    Glissiere* pisteTenue = nullptr;
    int tics = 0;
    int finsDuCalendrier = 0;
};

} // namespace

class TestSinge : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { gestionnairePrecedent = qInstallMessageHandler(surMessage); }

    void cleanupTestCase() { qInstallMessageHandler(gestionnairePrecedent); }

    void singe_data() {
        QTest::addColumn<QDate>("depart");
        QTest::addColumn<quint32>("graine");
        QTest::addColumn<int>("actions");

        bool lue = false;
        const quint32 graine = qEnvironmentVariable("SIDRANES_SINGE_GRAINE").toUInt(&lue);
        const quint32 g = lue ? graine : GraineParDefaut;
        const int n = qEnvironmentVariableIsSet("SIDRANES_SINGE_ACTIONS")
                          ? qEnvironmentVariableIntValue("SIDRANES_SINGE_ACTIONS")
                          : ActionsParDefaut;
        QTest::newRow("donnees livrees") << QDate() << g << n;
        // Ten years before the calendar ends, which the clock reaches at high speed.
        QTest::newRow("depart en 9990") << QDate(9990, 1, 1) << g + 1 << n;
    }

    void singe() {
        QFETCH(QDate, depart);
        QFETCH(quint32, graine);
        QFETCH(int, actions);
        auto f = ouvre(donneesLivrees(), depart);
        QVERIFY(f);
        messages.clear();
        avertissements = &messages;
        // Said first, so that a crash can be replayed: a seed always plays the same run.
        qInfo("seed=%u", graine);
        Singe singe(*f, graine);
        const QString echec = singe.lance(actions);
        avertissements = nullptr;
        qInfo().noquote() << singe.bilan();
        QVERIFY2(echec.isEmpty(), qPrintable(echec));
    }

private:
    QStringList messages;
};

QTEST_MAIN(TestSinge)
#include "tst_singe.moc"
