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

QScrollBar* nouvelleBarre(Qt::Orientation sens, QWidget* fenetre, const char* nom) {
    auto* b = new QScrollBar(sens, fenetre);
    b->setObjectName(QLatin1String(nom));
    b->setFocusPolicy(Qt::NoFocus);
    b->hide();
    // One row of buttons, or a third of the panel's width, per step.
    b->setSingleStep(Twips::enPixels(sens == Qt::Vertical ? 480 : 1000));
    return b;
}

void regle(QScrollBar* b, const QRect& place, int plage, int page) {
    if (place.isEmpty()) {
        b->hide();
        b->setValue(0);
        return;
    }
    b->setGeometry(place);
    b->setRange(0, plage);
    b->setPageStep(page);
    b->show();
    b->raise();
}

// The scroll value that brings [debut, fin) into a view of `vue` from `valeur`.
int enVue(int valeur, int debut, int fin, int vue) {
    if (debut < valeur) {
        return debut;
    }
    return fin > valeur + vue ? fin - vue : valeur;
}

} // namespace

DefilementPanneau::DefilementPanneau(QWidget* panneau)
    : QObject(panneau), panneau(panneau),
      verticale(nouvelleBarre(Qt::Vertical, panneau->parentWidget(), "DefilementPanneau")),
      horizontale(
          nouvelleBarre(Qt::Horizontal, panneau->parentWidget(), "DefilementPanneauLargeur")) {
    for (QScrollBar* b : {verticale, horizontale}) {
        connect(b, &QScrollBar::valueChanged, this, &DefilementPanneau::decale);
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* maintenant) {
        if (maintenant && this->panneau->isAncestorOf(maintenant)) {
            montre(maintenant);
        }
    });
    panneau->installEventFilter(this);
}

void DefilementPanneau::place(const Disposition::Plan& plan) {
    coin = plan.panneau;
    regle(verticale, plan.barreVerticale, plan.plageVerticale, plan.barreVerticale.height());
    regle(horizontale, plan.barreHorizontale, plan.plageHorizontale, plan.barreHorizontale.width());
    decale();
}

void DefilementPanneau::decale() {
    panneau->move(coin - QPoint(horizontale->value(), verticale->value()));
}

void DefilementPanneau::montre(const QWidget* controle) {
    const QRect r = QRect(controle->mapTo(panneau, QPoint()), controle->size())
                        .adjusted(-Marge, -Marge, Marge, Marge);
    if (!verticale->isHidden()) {
        verticale->setValue(
            enVue(verticale->value(), r.top(), r.bottom() + 1, verticale->pageStep()));
    }
    if (!horizontale->isHidden()) {
        horizontale->setValue(
            enVue(horizontale->value(), r.left(), r.right() + 1, horizontale->pageStep()));
    }
}

bool DefilementPanneau::eventFilter(QObject*, QEvent* evenement) {
    // The wheel anywhere over the panel: no control of the panel takes it.
    if (evenement->type() != QEvent::Wheel) {
        return false;
    }
    QScrollBar* b = !verticale->isHidden() ? verticale : horizontale;
    if (b->isHidden()) {
        return false;
    }
    QCoreApplication::sendEvent(b, evenement);
    return true;
}
