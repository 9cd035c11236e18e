// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Disposition.h"

#include <QObject>

class QScrollBar;
class QWidget;

// Keeps every control of the command panel within reach when the window's client
// area is too small for it: scroll bars beside and below the panel, the mouse wheel
// over the panel and the keyboard focus move it. While the panel fits, the bars are
// hidden and the panel stays where the window's layout puts it.
class DefilementPanneau : public QObject {
    Q_OBJECT

public:
    // `panneau` is a child of the window whose client area it may outgrow.
    explicit DefilementPanneau(QWidget* panneau);

    // After each layout of the window: the bars as the plan has them, and the part of
    // the panel that was in view kept in view.
    void place(const Disposition::Plan& plan);
    QScrollBar* barre() const { return verticale; }
    QScrollBar* barreHorizontale() const { return horizontale; }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void montre(const QWidget* controle);
    void decale();

    QWidget* panneau;
    QScrollBar* verticale;
    QScrollBar* horizontale;
    QPoint coin; // the panel's place when not scrolled
};
