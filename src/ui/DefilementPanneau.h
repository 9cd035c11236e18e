// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QScrollBar;
class QWidget;

// Keeps every control of the command panel within reach when the window's client
// area is lower than the panel: a scroll bar beside the panel, the mouse wheel over
// the panel and the keyboard focus move it up and down. While the panel fits, the
// bar is hidden and the panel stays where the window's layout puts it.
class DefilementPanneau : public QObject {
    Q_OBJECT

public:
    // `panneau` is a child of the window whose client area it may outgrow.
    explicit DefilementPanneau(QWidget* panneau);

    // After each layout of the window (the panel back at Top 0): shows or hides the
    // bar, and keeps the part of the panel that was in view.
    void place();
    QScrollBar* barre() const { return barre_; }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void montre(const QWidget* controle);
    void decale(int valeur);

    QWidget* panneau;
    QScrollBar* barre_;
};
