#include "SurveillanceEcran.h"

#include "Affichage.h"
#include "Twips.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

Affichage::Cadre enTwips(const QRect& r) {
    return {float(Twips::depuisPixels(r.x())), float(Twips::depuisPixels(r.y())),
            float(Twips::depuisPixels(r.width())), float(Twips::depuisPixels(r.height()))};
}

} // namespace

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
    // Another program has the focus: none of our windows to fit.
    if (QWidget* fenetre = QApplication::activeWindow()) {
        applique(fenetre);
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
    const Affichage::Cadre avant = enTwips(exterieur);
    const Affichage::Cadre apres = Affichage::ajuste(enTwips(ecran->availableGeometry()), avant);
    if (apres == avant) {
        return;
    }
    // Outer position, client size: the border and title bar keep their thickness.
    const QSize bordures = exterieur.size() - fenetre->size();
    fenetre->move(Twips::enPixels(apres.gauche), Twips::enPixels(apres.haut));
    fenetre->resize(Twips::enPixels(apres.largeur) - bordures.width(),
                    Twips::enPixels(apres.hauteur) - bordures.height());
}
