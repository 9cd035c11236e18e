// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QWidget>

// The keyboard focus mark shared by every focus stop of the main window: a frame
// two pixels wide along the inside of the control's edge, in a colour that stands
// out from the control's background.
namespace MarqueFocus {

constexpr int Epaisseur = 2;

// Shown once the keyboard has moved the focus in the window: a mouse user never sees
// the drawing area framed just because it holds the focus when the window opens.
inline bool visible(const QWidget* w) {
    return w->hasFocus() && w->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

// On the sand panel, its buttons and the slider backgrounds.
inline QColor surSable() {
    return QColor(0, 0, 192);
}

// On the black drawing area.
inline QColor surNoir() {
    return QColor(255, 128, 0);
}

inline void dessine(QPainter& p, const QRect& bord, const QColor& couleur) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen crayon(couleur, Epaisseur);
    crayon.setJoinStyle(Qt::MiterJoin);
    p.setPen(crayon);
    p.setBrush(Qt::NoBrush);
    // The pen straddles the path: half a width inside keeps both pixels within `bord`.
    const double d = Epaisseur / 2.0;
    p.drawRect(QRectF(bord).adjusted(d, d, -d, -d));
    p.restore();
}

} // namespace MarqueFocus
