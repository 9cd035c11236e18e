// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The transparent strip laid over a slider that receives every mouse event over it.
// Positions are reported in twips from its left edge; any mouse button counts.
// It is also the slider's keyboard focus stop; its slider reads its keys.
class PisteGlissiere : public QWidget {
    Q_OBJECT

public:
    explicit PisteGlissiere(QWidget* parent);

    // A press and a release at x, as the mouse makes them.
    void cliqueEn(double x);

signals:
    void MouseDown(double x);
    void MouseMove(double x);
    void MouseUp(double x);
    // A press and a release both over the strip; comes after MouseUp.
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool presse = false;
};
