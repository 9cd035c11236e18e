// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class Cosmos;

// What a screen reader sees of the drawing area: a canvas, described by what it shows
// (the field, the bodies in view, the names, the traces). The description is made when
// asked, so that the clock's ticks cost nothing.
class AccesCosmos : public QAccessibleWidget {
public:
    explicit AccesCosmos(Cosmos* cosmos);

    QString text(QAccessible::Text t) const override;

private:
    QString description() const;
};
