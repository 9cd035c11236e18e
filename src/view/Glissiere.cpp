// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Glissiere.h"

#include "Annonce.h"
#include "PisteGlissiere.h"
#include "Twips.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <algorithm>

Glissiere::Glissiere(QWidget* panneau, const Noms& noms, const Images& images, const Geometrie& g)
    : QObject(panneau), ImControl(new PisteGlissiere(panneau)), ImBoule(new QLabel(panneau)),
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
    ImControl->installEventFilter(this);
}

Glissiere* Glissiere::de(const QWidget* piste) {
    const QObject* panneau = piste->parent();
    for (Glissiere* g : panneau->findChildren<Glissiere*>(Qt::FindDirectChildrenOnly)) {
        if (g->piste() == piste) {
            return g;
        }
    }
    return nullptr;
}

bool Glissiere::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == ImControl && evenement->type() == QEvent::KeyPress) {
        return touche(static_cast<QKeyEvent*>(evenement)->key());
    }
    return QObject::eventFilter(objet, evenement);
}

void Glissiere::setGaucheBouton(double gauche) {
    const int avant = cran();
    geoBouton.moveLeft(gauche);
    ImBoule->move(Twips::enPixels(gauche), ImBoule->y());
    if (cran() != avant) {
        // Screen readers speak the new notch whoever moved the knob: mouse or keys. The
        // value is its number; its text ("Pluton", "100 jours par pas") is announced.
        QAccessibleValueChangeEvent valeur(ImControl, cran());
        QAccessible::updateAccessibility(&valeur);
        Annonce::dit(ImControl, texteCran());
    }
}

void Glissiere::centreBoutonSur(double x) {
    setGaucheBouton(ReglesGlissiere::gaucheBoutonSous(x, gaucheFond(), largeurBouton()));
}

int Glissiere::cran() const {
    if (nbCrans() == 0) {
        return 0;
    }
    return ReglesGlissiere::cranDuBouton(gaucheBouton(), gauchePiste(), crans, nbCrans());
}

bool Glissiere::presse(double x) {
    if (!ReglesGlissiere::dansLesMarges(x, largeurFond())) {
        return false;
    }
    centreBoutonSur(ReglesGlissiere::borne(x, crans));
    return true;
}

void Glissiere::setCrans(const QStringList& textes, int cran) {
    crans = ReglesGlissiere::geometrie(largeurBouton(), largeurFond(), int(textes.size()));
    // Placed before the texts are known: start-up announces no notch.
    setGaucheBouton(ReglesGlissiere::gaucheBoutonAuCran(gauchePiste(), cran, crans.Cran));
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
