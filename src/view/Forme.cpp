#include "Forme.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

void Forme::peint(QPainter* p, const QRectF& pixels) const {
    const qreal dpr = p->device()->devicePixelRatioF();
    if (image.isNull() || pixels.size() != tailleImage || image.devicePixelRatio() != dpr ||
        BorderColor != bordImage || FillColor != fondImage || FillSolid != pleinImage) {
        dessine(pixels.size(), dpr);
    }
    p->drawImage(pixels.topLeft().toPoint(), image);
}

void Forme::dessine(const QSizeF& taille, qreal dpr) const {
    tailleImage = taille;
    bordImage = BorderColor;
    fondImage = FillColor;
    pleinImage = FillSolid;
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
    p.setBrush(FillSolid ? QBrush(FillColor) : Qt::NoBrush);
    p.drawEllipse(cercle.adjusted(0.5, 0.5, -0.5, -0.5));
}
