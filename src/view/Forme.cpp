#include "Forme.h"

#include <QPainter>
#include <algorithm>

void Forme::peint(QPainter* p, const QRectF& pixels) const {
    // A circle shape draws the largest circle its rectangle holds, centred in it.
    const qreal d = std::min(pixels.width(), pixels.height());
    QRectF cercle(0, 0, d, d);
    cercle.moveCenter(pixels.center());
    p->setPen(QPen(BorderColor, 1));
    p->setBrush(FillSolid ? QBrush(FillColor) : Qt::NoBrush);
    // Discs under a pixel still show as a dot.
    if (d < 1.5) {
        p->fillRect(QRectF(pixels.center() - QPointF(0.5, 0.5), QSizeF(1, 1)), FillColor);
        return;
    }
    p->drawEllipse(cercle.adjusted(0.5, 0.5, -0.5, -0.5));
}
