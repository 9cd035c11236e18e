// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoutonSable.h"

#include "MarqueFocus.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <qdrawutil.h>

namespace {

bool estEntree(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// The same key event with Space in place of Enter.
QKeyEvent commeEspace(const QKeyEvent* e) {
    return QKeyEvent(e->type(), Qt::Key_Space, e->modifiers(), QStringLiteral(" "),
                     e->isAutoRepeat(), ushort(e->count()));
}

} // namespace

BoutonSable::BoutonSable(const QString& texte, QWidget* parent) : QPushButton(texte, parent) {}

void BoutonSable::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    const bool enfonce = isDown() || isChecked();
    const bool marque = MarqueFocus::visible(this);
    const int e = marque ? MarqueFocus::Epaisseur : 0;
    qDrawWinButton(&p, rect().adjusted(e, e, -e, -e), palette(), enfonce);
    peintLibelle(p, enfonce ? rect().translated(1, 1) : rect());
    // Last, so that a caption as wide as the button never hides it.
    if (marque) {
        MarqueFocus::dessine(p, rect(), MarqueFocus::surSable());
    }
}

void BoutonSable::peintLibelle(QPainter& p, const QRect& zone) const {
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.rect = zone;
    if (isEnabled()) {
        style()->drawControl(QStyle::CE_PushButtonLabel, &opt, &p, this);
        return;
    }
    // Engraved: a light copy one pixel down and right under the dimmed caption.
    const QColor grise = opt.palette.color(QPalette::Disabled, QPalette::ButtonText);
    opt.palette.setColor(QPalette::Disabled, QPalette::ButtonText,
                         opt.palette.color(QPalette::Disabled, QPalette::Light));
    opt.rect = zone.translated(1, 1);
    style()->drawControl(QStyle::CE_PushButtonLabel, &opt, &p, this);
    opt.palette.setColor(QPalette::Disabled, QPalette::ButtonText, grise);
    opt.rect = zone;
    style()->drawControl(QStyle::CE_PushButtonLabel, &opt, &p, this);
}

void BoutonSable::keyPressEvent(QKeyEvent* event) {
    if (estEntree(event)) {
        QKeyEvent espace = commeEspace(event);
        QPushButton::keyPressEvent(&espace);
        event->setAccepted(espace.isAccepted());
        return;
    }
    QPushButton::keyPressEvent(event);
}

void BoutonSable::keyReleaseEvent(QKeyEvent* event) {
    if (estEntree(event)) {
        QKeyEvent espace = commeEspace(event);
        QPushButton::keyReleaseEvent(&espace);
        event->setAccepted(espace.isAccepted());
        return;
    }
    QPushButton::keyReleaseEvent(event);
}
