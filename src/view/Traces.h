// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>

// The traces of the drawing area: circles drawn once into a persistent image at the
// device pixel ratio, so that they survive being covered and are never redrawn from a
// history. A resize resamples the image once from a reference copy kept at the size of
// the last clearing, never from an image already resampled, so that dragging a window
// edge does not blur them away; until the first such resize the image is that
// reference, and each circle is drawn once.
class Traces {
public:
    Traces();

    const QImage& image() const { return image_; }
    // A circle has been drawn since the last clearing.
    bool dessinees() const { return dessinees_; }

    void efface();
    // A circle's outline centred on `centre`, radii in device-independent pixels;
    // returns the rectangle it touched, in the same pixels.
    QRect cercle(const QPointF& centre, double rx, double ry, const QColor& couleur);
    // The area's new size in device-independent pixels, at `dpr` device pixels each.
    // An empty size (a minimised window) keeps the traces as they are.
    void redimensionne(const QSize& taille, qreal dpr);

private:
    static void trace(QImage& cible, const QPointF& centre, double rx, double ry,
                      const QColor& couleur);

    QImage image_;
    // The traces at the resolution of the last clearing; null while image_ has it.
    QImage reference;
    bool vierge = true; // nothing drawn since the clearing: a resize may change resolution
    bool dessinees_ = false;
};
