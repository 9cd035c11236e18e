// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SurveillanceEcran.h"

#include "Twips.h"
#include "ZoneDeTravail.h"

#include <QApplication>
#include <QExposeEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

ZoneDeTravail::Cadre enTwips(const QRect& r) {
    return {float(Twips::depuisPixels(r.x())), float(Twips::depuisPixels(r.y())),
            float(Twips::depuisPixels(r.width())), float(Twips::depuisPixels(r.height()))};
}

// Applies the rule once, at the first exposure of a window, then goes away.
class PremierAffichage : public QObject {
public:
    explicit PremierAffichage(QWidget* fenetre) : QObject(fenetre), fenetre(fenetre) {
        fenetre->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::Expose && fenetre->windowHandle()->isExposed()) {
            objet->removeEventFilter(this);
            SurveillanceEcran::applique(fenetre);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* fenetre;
};

} // namespace

void SurveillanceEcran::appliqueAuPremierAffichage(QWidget* fenetre) {
    const QSize zone = fenetre->screen()->availableGeometry().size();
    fenetre->resize(fenetre->size().boundedTo(zone));
    // The native window exists from here on, so its first exposure cannot be missed.
    fenetre->winId();
    new PremierAffichage(fenetre);
}

SurveillanceEcran::SurveillanceEcran(QObject* parent) : QObject(parent) {
    connect(qApp, &QGuiApplication::screenAdded, this, [this](QScreen* ecran) {
        suitEcran(ecran);
        SysInf_DisplayChanged();
    });
    connect(qApp, &QGuiApplication::screenRemoved, this, &SurveillanceEcran::SysInf_DisplayChanged);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this,
            &SurveillanceEcran::SysInf_DisplayChanged);
    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            &SurveillanceEcran::suitFenetreActive);
    for (QScreen* ecran : QGuiApplication::screens()) {
        suitEcran(ecran);
    }
    suitFenetreActive(QGuiApplication::focusWindow());
}

void SurveillanceEcran::suitEcran(QScreen* ecran) {
    connect(ecran, &QScreen::geometryChanged, this, &SurveillanceEcran::SysInf_DisplayChanged);
    connect(ecran, &QScreen::availableGeometryChanged, this,
            &SurveillanceEcran::SysInf_DisplayChanged);
}

void SurveillanceEcran::suitFenetreActive(QWindow* fenetre) {
    disconnect(changementEcran);
    if (fenetre) {
        changementEcran = connect(fenetre, &QWindow::screenChanged, this,
                                  &SurveillanceEcran::SysInf_DisplayChanged);
    }
}

void SurveillanceEcran::SysInf_DisplayChanged() {
    // Every window that shows, active or not: one left past the edge of a smaller
    // screen would otherwise stay there, out of reach.
    for (QWidget* fenetre : QApplication::topLevelWidgets()) {
        if (fenetre->isVisible() && fenetre->windowType() != Qt::Popup &&
            fenetre->windowType() != Qt::ToolTip) {
            applique(fenetre);
        }
    }
}

void SurveillanceEcran::applique(QWidget* fenetre) {
    // The window system places maximized, minimized and full-screen windows
    // itself; moving or sizing them here would only fight it.
    if (fenetre->windowState() &
        (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) {
        return;
    }
    QScreen* ecran = fenetre->screen();
    const QRect exterieur = fenetre->frameGeometry();
    const ZoneDeTravail::Cadre avant = enTwips(exterieur);
    const ZoneDeTravail::Cadre apres =
        ZoneDeTravail::ajuste(enTwips(ecran->availableGeometry()), avant);
    if (apres == avant) {
        return;
    }
    // The border and title bar keep their thickness. One request for place and size:
    // a window manager still busy placing a new window may drop the second of two.
    const QRect client = fenetre->geometry();
    const QMargins bordures(client.left() - exterieur.left(), client.top() - exterieur.top(),
                            exterieur.right() - client.right(),
                            exterieur.bottom() - client.bottom());
    fenetre->setGeometry(Twips::rectPixels(apres.gauche, apres.haut, apres.largeur, apres.hauteur)
                             .marginsRemoved(bordures));
}
