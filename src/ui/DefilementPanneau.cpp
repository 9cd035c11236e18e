// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefilementPanneau.h"

#include "Twips.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace {

// Room kept around a focused control: its focus mark and, under a slider's track,
// the strip of its background.
const int Marge = Twips::enPixels(120);

} // namespace

DefilementPanneau::DefilementPanneau(QWidget* panneau)
    : QObject(panneau), panneau(panneau),
      barre_(new QScrollBar(Qt::Vertical, panneau->parentWidget())) {
    barre_->setObjectName(QStringLiteral("DefilementPanneau"));
    barre_->setFocusPolicy(Qt::NoFocus);
    barre_->hide();
    // One row of buttons per step of the wheel or the arrows.
    barre_->setSingleStep(Twips::enPixels(480));
    connect(barre_, &QScrollBar::valueChanged, this, &DefilementPanneau::decale);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* maintenant) {
        if (maintenant && this->panneau->isAncestorOf(maintenant)) {
            montre(maintenant);
        }
    });
    panneau->installEventFilter(this);
}

void DefilementPanneau::place() {
    const QWidget* fenetre = panneau->parentWidget();
    const int hauteur = fenetre->height();
    const int depassement = panneau->height() - hauteur;
    if (depassement <= 0) {
        barre_->hide();
        barre_->setValue(0);
        return;
    }
    const int largeur = barre_->sizeHint().width();
    // Beside the panel, or over its right margin when the window ends too close to it.
    const int gauche = std::min(panneau->geometry().right() + 1, fenetre->width() - largeur);
    barre_->setGeometry(gauche, 0, largeur, hauteur);
    barre_->setRange(0, depassement);
    barre_->setPageStep(hauteur);
    barre_->show();
    barre_->raise();
    decale(barre_->value());
}

void DefilementPanneau::decale(int valeur) {
    panneau->move(panneau->x(), -valeur);
}

void DefilementPanneau::montre(const QWidget* controle) {
    if (barre_->isHidden()) {
        return;
    }
    const int haut = controle->mapTo(panneau, QPoint()).y() - Marge;
    const int bas = haut + controle->height() + 2 * Marge;
    const int vue = barre_->pageStep();
    if (haut < barre_->value()) {
        barre_->setValue(haut);
    } else if (bas > barre_->value() + vue) {
        barre_->setValue(bas - vue);
    }
}

bool DefilementPanneau::eventFilter(QObject*, QEvent* evenement) {
    // The wheel anywhere over the panel: no control of the panel takes it.
    if (evenement->type() == QEvent::Wheel && !barre_->isHidden()) {
        QCoreApplication::sendEvent(barre_, evenement);
        return true;
    }
    return false;
}
