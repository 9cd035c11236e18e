// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Systeme.h"

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

// A body's disc on the drawing area: its place and size in the area's user units (km),
// as the orrery sets them, and its colours. A disc keeps its size in km when the area
// changes size.
class Forme : public FormeAstre {
public:
    QColor BorderColor;
    QColor FillColor;

    // Paints the part of the disc inside `zone` (device-independent pixels) into
    // `pixels`, the rectangle it covers on the device, snapped to whole pixels. A disc
    // up to CoteMaxCache device pixels is drawn once and kept until its size or colours
    // change: every tick moves it, and copying is far cheaper than drawing. A larger one
    // is drawn each time, over `zone` only, so no disc ever needs more memory than the
    // part of the area being painted.
    void peint(QPainter* p, const QRectF& pixels, const QRect& zone) const;

    static constexpr int CoteMaxCache = 512;

private:
    void dessine(const QSizeF& taille, qreal dpr) const;
    void peintGrand(QPainter* p, const QRectF& pixels, const QRect& zone, qreal dpr) const;

    mutable QImage image;
    mutable QSizeF tailleImage;
    mutable QColor bordImage;
    mutable QColor fondImage;
};
