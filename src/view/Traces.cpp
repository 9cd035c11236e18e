// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Traces.h"

#include "Disque.h"

#include <QPainter>
#include <algorithm>

Traces::Traces() : image_(1, 1, QImage::Format_RGB32) {
    image_.fill(Qt::black);
}

void Traces::efface() {
    dessinees_ = false;
    image_.fill(Qt::black);
    reference = QImage();
    vierge = true;
}

QRect Traces::cercle(const QPointF& centre, double rx, double ry, const QColor& couleur) {
    trace(image_, centre, rx, ry, couleur);
    if (!reference.isNull()) {
        const double fx =
            reference.deviceIndependentSize().width() / image_.deviceIndependentSize().width();
        const double fy =
            reference.deviceIndependentSize().height() / image_.deviceIndependentSize().height();
        trace(reference, QPointF(centre.x() * fx, centre.y() * fy), rx * fx, ry * fy, couleur);
    }
    vierge = false;
    dessinees_ = true;
    return QRectF(centre.x() - rx - 2, centre.y() - ry - 2, 2 * rx + 4, 2 * ry + 4).toAlignedRect();
}

// One painter per circle, opened and closed here, as cheap as a kept one (about 3 us
// for either) and nothing left open between calls.
void Traces::trace(QImage& cible, const QPointF& centre, double rx, double ry,
                   const QColor& couleur) {
    const qreal dpr = cible.devicePixelRatio();
    if (std::max(rx, ry) * dpr > Disque::RayonMaxPeintre) {
        Disque::peint(cible, centre * dpr, rx * dpr, ry * dpr, couleur, Qt::transparent);
        return;
    }
    QPainter peintre(&cible);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(couleur, 1));
    peintre.setBrush(Qt::NoBrush);
    peintre.drawEllipse(centre, rx, ry);
}

void Traces::redimensionne(const QSize& taille, qreal dpr) {
    if (taille.isEmpty()) {
        return;
    }
    const QSize pixels = (QSizeF(taille) * dpr).toSize();
    if (image_.size() == pixels) {
        return;
    }
    if (vierge) {
        // Nothing to keep: the next traces are drawn at the new resolution.
        image_ = QImage(pixels, QImage::Format_RGB32);
        image_.fill(Qt::black);
        image_.setDevicePixelRatio(dpr);
        return;
    }
    if (reference.isNull()) {
        reference = image_;
    }
    if (reference.size() == pixels) {
        // Back at the resolution of the clearing: the reference is the image again.
        image_ = reference;
        reference = QImage();
    } else {
        image_ = reference.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image_.setDevicePixelRatio(dpr);
}
