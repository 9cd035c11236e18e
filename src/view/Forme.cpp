// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Forme.h"

#include "Disque.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

void Forme::peint(QPainter* p, const QRectF& pixels, const QRect& zone) const {
    const qreal dpr = p->device()->devicePixelRatioF();
    if (std::max(pixels.width(), pixels.height()) * dpr > CoteMaxCache) {
        image = QImage();
        peintGrand(p, pixels, zone, dpr);
        return;
    }
    if (image.isNull() || pixels.size() != tailleImage || image.devicePixelRatio() != dpr ||
        BorderColor != bordImage || FillColor != fondImage) {
        dessine(pixels.size(), dpr);
    }
    p->drawImage(pixels.topLeft().toPoint(), image);
}

void Forme::peintGrand(QPainter* p, const QRectF& pixels, const QRect& zone, qreal dpr) const {
    const QRect part = pixels.intersected(QRectF(zone)).toAlignedRect();
    // The largest circle the rectangle holds, as the cached discs draw it.
    const double d = std::min(pixels.width(), pixels.height());
    const double r = (d / 2 - 0.5) * dpr;
    // In bands of a few rows: a whole-area image would double the memory of the area.
    constexpr int Bande = 64;
    for (int y = part.top(); y <= part.bottom(); y += Bande) {
        const QRect bande(part.left(), y, part.width(), std::min(Bande, part.bottom() + 1 - y));
        QImage morceau((QSizeF(bande.size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
        morceau.fill(Qt::transparent);
        const QPointF centre = (pixels.center() - QPointF(bande.topLeft())) * dpr;
        Disque::peint(morceau, centre, r, r, BorderColor, FillColor);
        morceau.setDevicePixelRatio(dpr);
        p->drawImage(bande.topLeft(), morceau);
    }
}

void Forme::dessine(const QSizeF& taille, qreal dpr) const {
    tailleImage = taille;
    bordImage = BorderColor;
    fondImage = FillColor;
    const QSize pixels(std::max(1, int(std::ceil(taille.width() * dpr))),
                       std::max(1, int(std::ceil(taille.height() * dpr))));
    image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // A circle shape draws the largest circle its rectangle holds, centred in it.
    const qreal d = std::min(taille.width(), taille.height());
    QRectF cercle(0, 0, d, d);
    cercle.moveCenter(QRectF(QPointF(0, 0), taille).center());
    if (d < 1.5) {
        // Discs under a pixel still show as a dot.
        p.fillRect(QRectF(cercle.center() - QPointF(0.5, 0.5), QSizeF(1, 1)), FillColor);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(BorderColor, 1));
    p.setBrush(FillColor);
    p.drawEllipse(cercle.adjusted(0.5, 0.5, -0.5, -0.5));
}
