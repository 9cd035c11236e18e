// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A command button of the panel painted from the panel's palette, as a classic
// raised button: a bevel that sinks when pressed, the caption engraved when
// disabled, and the panel's focus mark. Enter and keypad Enter press it as Space does.
class BoutonSable : public QPushButton {
    Q_OBJECT

public:
    BoutonSable(const QString& texte, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void peintLibelle(QPainter& p, const QRect& zone) const;
};
