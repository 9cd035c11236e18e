// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Glissiere.h"

#include "Annonce.h"
#include "MarqueFocus.h"
#include "Twips.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

Glissiere::Glissiere(QWidget* panneau, const QPixmap& bouton, const QPixmap& fond,
                     const Geometrie& g)
    : QWidget(panneau), imageBouton(bouton), imageFond(fond), geoPiste(g.piste),
      geoBouton(g.bouton), coinFond(g.fond) {
    setAttribute(Qt::WA_NoSystemBackground);
    // Reached with Tab only: a press of the mouse moves the knob and leaves the focus alone.
    setFocusPolicy(Qt::TabFocus);
    // Logical pixels: a double-density picture covers the same place.
    const QSizeF naturelle = fond.deviceIndependentSize();
    setGeometry(Twips::rectPixels(coinFond.x(), coinFond.y(),
                                  Twips::depuisPixels(naturelle.width()),
                                  Twips::depuisPixels(naturelle.height())));
}

void Glissiere::setBulles(const QString& piste, const QString& fond) {
    bullePiste = piste;
    bulleFond = fond;
}

double Glissiere::largeurFond() const {
    return Twips::depuisPixels(imageFond.deviceIndependentSize().width());
}

// The pictures are placed as the panel's pixels round them, each from its own twips.
QRect Glissiere::rectanglePiste() const {
    return Twips::rectPixels(geoPiste).translated(-pos());
}

QRect Glissiere::rectangleBouton() const {
    return Twips::rectPixels(geoBouton).translated(-pos());
}

bool Glissiere::surPiste(const QPointF& pixels) const {
    return rectanglePiste().contains(pixels.toPoint());
}

void Glissiere::setGaucheBouton(double gauche) {
    const int avant = cran();
    const QRect ancien = rectangleBouton();
    geoBouton.moveLeft(gauche);
    update(ancien | rectangleBouton());
    if (cran() != avant) {
        // Screen readers speak the new notch whoever moved the knob: mouse or keys. Its
        // meaning first: the bridge gives them only the number, which follows.
        Annonce::dit(this, texteValeur());
        QAccessibleValueChangeEvent valeur(this, cran());
        QAccessible::updateAccessibility(&valeur);
    }
}

void Glissiere::centreBoutonSur(double x) {
    setGaucheBouton(ReglesGlissiere::gaucheBoutonSous(x, coinFond.x(), largeurBouton()));
}

int Glissiere::cran() const {
    if (nbCrans() == 0) {
        return 0;
    }
    return ReglesGlissiere::cranDuBouton(gaucheBouton(), gauchePiste(), crans, nbCrans());
}

void Glissiere::setCrans(const QStringList& textes, int cran) {
    crans = ReglesGlissiere::geometrie(largeurBouton(), largeurFond(), int(textes.size()));
    // Placed before the texts are known: start-up announces no notch.
    setGaucheBouton(ReglesGlissiere::gaucheBoutonAuCran(gauchePiste(), cran, crans.Cran));
    textesCrans = textes;
}

QString Glissiere::texteValeur() const {
    if (!texteImpose.isEmpty()) {
        return texteImpose;
    }
    return cran() > 0 ? textesCrans.at(cran() - 1) : QString();
}

void Glissiere::setTexteImpose(const QString& texte) {
    texteImpose = texte;
}

double Glissiere::xTwipsDuCran(int k) const {
    const double gauche = ReglesGlissiere::gaucheBoutonAuCran(gauchePiste(), k, crans.Cran);
    return gauche - coinFond.x() + largeurBouton() / 2;
}

void Glissiere::choisitCran(int k) {
    if (nbCrans() == 0) {
        return;
    }
    const double x = xTwipsDuCran(std::clamp(k, 1, nbCrans()));
    // Another click where the knob stands would only redraw (and erase the traces).
    if (gaucheBouton() == ReglesGlissiere::gaucheBoutonSous(x, coinFond.x(), largeurBouton())) {
        return;
    }
    centreBoutonSur(ReglesGlissiere::borne(x, crans));
    emit relache(cran());
    emit clique(cran());
}

// ---- Mouse ----

void Glissiere::mousePressEvent(QMouseEvent* evenement) {
    // Any button. A press on the strip of background below the track is not the slider's.
    if (evenement->buttons() == evenement->button()) {
        presseSurPiste = surPiste(evenement->position());
    }
    const double x = Twips::depuisPixels(evenement->position().x());
    if (presseSurPiste && ReglesGlissiere::dansLesMarges(x, largeurFond())) {
        glisse_ = true;
        centreBoutonSur(ReglesGlissiere::borne(x, crans));
    }
}

void Glissiere::mouseMoveEvent(QMouseEvent* evenement) {
    const double x = Twips::depuisPixels(evenement->position().x());
    // No pinning at the ends: a pointer beyond them leaves the knob where it last was.
    if (glisse_ && ReglesGlissiere::dansLaCourse(x, crans)) {
        centreBoutonSur(x);
        emit glisse(cran());
    }
}

void Glissiere::mouseReleaseEvent(QMouseEvent* evenement) {
    if (!presseSurPiste) {
        return;
    }
    glisse_ = false;
    const bool dernier = evenement->buttons() == Qt::NoButton;
    // Only the last button released ends the press, and clicks if it is over the track.
    presseSurPiste = !dernier;
    emit relache(cran());
    if (dernier && surPiste(evenement->position())) {
        emit clique(cran());
    }
}

// ---- Keys, tooltips, painting ----

void Glissiere::keyPressEvent(QKeyEvent* evenement) {
    if (!touche(evenement->key())) {
        QWidget::keyPressEvent(evenement);
    }
}

// A page of a quarter of the notches, as a standard slider steps by a page.
int Glissiere::pas() const {
    return (nbCrans() + 3) / 4;
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
    case Qt::Key_PageUp:
        choisitCran(cran() + pas());
        return true;
    case Qt::Key_PageDown:
        choisitCran(cran() - pas());
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

bool Glissiere::event(QEvent* evenement) {
    if (evenement->type() == QEvent::ToolTip) {
        const auto* aide = static_cast<QHelpEvent*>(evenement);
        const QString& bulle = surPiste(aide->pos()) ? bullePiste : bulleFond;
        if (bulle.isEmpty()) {
            QToolTip::hideText();
            evenement->ignore();
        } else {
            QToolTip::showText(aide->globalPos(), bulle, this);
        }
        return true;
    }
    return QWidget::event(evenement);
}

void Glissiere::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, imageFond);
    // Stretched to the knob's size as a scaled label draws it, at the device's pixels.
    const QRect bouton = rectangleBouton();
    const QSize taille = bouton.size() * devicePixelRatio();
    if (boutonAEchelle.size() != taille) {
        boutonAEchelle =
            imageBouton.scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        boutonAEchelle.setDevicePixelRatio(devicePixelRatio());
    }
    p.drawPixmap(bouton.topLeft(), boutonAEchelle);
    if (MarqueFocus::visible(this)) {
        MarqueFocus::dessine(p, rectanglePiste(), MarqueFocus::surSable());
    }
}
