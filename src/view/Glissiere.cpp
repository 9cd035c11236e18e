// SPDX-License-Identifier: GPL-3.0-or-later
#include "Glissiere.h"

#include "PisteGlissiere.h"
#include "Twips.h"

#include <QAccessible>
#include <QLabel>
#include <QPixmap>
#include <algorithm>

Glissiere::Glissiere(QWidget* panneau, const Noms& noms, const Images& images, const Geometrie& g)
    : QObject(panneau), ImControl(new PisteGlissiere(panneau, this)), ImBoule(new QLabel(panneau)),
      ImFondSl(new QLabel(panneau)), geoPiste(g.piste), geoBouton(g.bouton), geoFond(g.fond) {
    ImControl->setObjectName(noms.piste);
    ImBoule->setObjectName(noms.bouton);
    ImFondSl->setObjectName(noms.fond);

    ImBoule->setProperty(ProprieteDecor, true);
    ImFondSl->setProperty(ProprieteDecor, true);
    ImFondSl->setPixmap(images.fond);
    // Logical pixels: a double-density picture covers the same place.
    const QSizeF naturelle = images.fond.deviceIndependentSize();
    geoFond.setSize(
        QSizeF(Twips::depuisPixels(naturelle.width()), Twips::depuisPixels(naturelle.height())));
    ImFondSl->setGeometry(Twips::rectPixels(geoFond));
    ImBoule->setPixmap(images.bouton);
    ImBoule->setScaledContents(true);
    ImBoule->setGeometry(Twips::rectPixels(geoBouton));
    ImControl->setGeometry(Twips::rectPixels(geoPiste));

    // Front to back: track, knob, background.
    ImFondSl->lower();
    ImBoule->raise();
    ImControl->raise();
}

void Glissiere::setGaucheBouton(double gauche) {
    const int avant = cran();
    geoBouton.moveLeft(gauche);
    ImBoule->move(Twips::enPixels(gauche), ImBoule->y());
    if (cran() != avant) {
        // Screen readers speak the new notch whoever moved the knob: mouse or keys.
        QAccessibleValueChangeEvent annonce(ImControl, cran());
        QAccessible::updateAccessibility(&annonce);
    }
}

void Glissiere::centreBoutonSur(double x) {
    setGaucheBouton(ReglesGlissiere::gaucheBoutonSous(x, gaucheFond(), largeurBouton()));
}

int Glissiere::cranDuBouton(const ReglesGlissiere::Geometrie& g, int nbCrans) const {
    return ReglesGlissiere::cranDuBouton(gaucheBouton(), gauchePiste(), g, nbCrans);
}

bool Glissiere::presse(double x, const ReglesGlissiere::Geometrie& g) {
    if (!ReglesGlissiere::dansLesMarges(x, largeurFond())) {
        return false;
    }
    centreBoutonSur(ReglesGlissiere::borne(x, g));
    return true;
}

void Glissiere::setCrans(const ReglesGlissiere::Geometrie& g, const QStringList& textes) {
    crans = g;
    textesCrans = textes;
}

QString Glissiere::texteCran() const {
    return cran() > 0 ? textesCrans.at(cran() - 1) : QString();
}

double Glissiere::xTwipsDuCran(int k) const {
    const double gauche = ReglesGlissiere::gaucheBoutonAuCran(gauchePiste(), k, crans.Cran);
    return gauche - gaucheFond() + largeurBouton() / 2;
}

void Glissiere::choisitCran(int k) {
    if (nbCrans() == 0) {
        return;
    }
    const double x = xTwipsDuCran(std::clamp(k, 1, nbCrans()));
    // Another click where the knob stands would only redraw (and erase the traces).
    if (gaucheBouton() == ReglesGlissiere::gaucheBoutonSous(x, gaucheFond(), largeurBouton())) {
        return;
    }
    ImControl->cliqueEn(x);
}

bool Glissiere::touche(int cle) {
    if (nbCrans() == 0) {
        return false;
    }
    switch (cle) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        choisitCran(cran() - 1);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Up:
        choisitCran(cran() + 1);
        return true;
    case Qt::Key_Home:
        choisitCran(1);
        return true;
    case Qt::Key_End:
        choisitCran(nbCrans());
        return true;
    default:
        return false;
    }
}
