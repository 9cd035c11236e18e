// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Disque.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace Disque {

namespace {

struct Teinte {
    double r, g, b, a; // premultiplied, 0..1
};

Teinte teinte(const QColor& c) {
    const double a = c.alphaF();
    return {c.redF() * a, c.greenF() * a, c.blueF() * a, a};
}

// Source-over of `t` with weight `w` (0..1) on one pixel.
void melange(QRgb& pixel, const Teinte& t, double w, bool opaque) {
    if (w <= 0) {
        return;
    }
    const double k = 1 - t.a * w;
    auto canal = [&](int d, double s) { return int(std::lround(s * w * 255 + d * k)); };
    const int a = opaque ? 255 : canal(qAlpha(pixel), t.a);
    pixel = qRgba(canal(qRed(pixel), t.r), canal(qGreen(pixel), t.g), canal(qBlue(pixel), t.b), a);
}

double couverture(double d) {
    return std::clamp(d, 0.0, 1.0);
}

} // namespace

void peint(QImage& cible, const QPointF& centre, double rx, double ry, const QColor& bord,
           const QColor& fond) {
    if (!(rx > 0) || !(ry > 0) || cible.isNull()) {
        return;
    }
    const bool opaque = !cible.hasAlphaChannel();
    const Teinte tBord = teinte(bord);
    const Teinte tFond = teinte(fond);
    const double k = rx / ry; // rows are measured in the horizontal radius' pixels
    const int y0 = int(std::clamp(std::floor(centre.y() - ry - 1), 0.0, double(cible.height())));
    const int y1 = int(std::clamp(std::ceil(centre.y() + ry + 1), 0.0, double(cible.height())));
    for (int y = y0; y < y1; ++y) {
        const double dy = (y + 0.5 - centre.y()) * k;
        // The ring is a pen one pixel wide centred on the radius, as QPainter strokes it.
        const double exterieur = rx + 1;
        if (std::fabs(dy) >= exterieur) {
            continue;
        }
        const double demi = std::sqrt(exterieur * exterieur - dy * dy);
        const double interieur = rx - 1; // wholly inside the ring from here on
        const double demiPlein =
            std::fabs(dy) < interieur ? std::sqrt(interieur * interieur - dy * dy) : 0;
        auto colonne = [&](double x) {
            return int(std::clamp(std::floor(x), 0.0, double(cible.width())));
        };
        const int xa = colonne(centre.x() - demi);
        const int xb = colonne(centre.x() + demi + 1);
        const int pa = colonne(centre.x() - demiPlein + 1);
        const int pb = std::max(pa, colonne(centre.x() + demiPlein));
        auto* ligne = reinterpret_cast<QRgb*>(cible.scanLine(y));
        auto bordure = [&](int x) {
            const double d = std::hypot(x + 0.5 - centre.x(), dy);
            const double dedans = couverture(rx - d); // inside the ring
            melange(ligne[x], tFond, dedans, opaque);
            melange(ligne[x], tBord, couverture(rx + 1 - d) - dedans, opaque);
        };
        for (int x = xa; x < std::min(pa, xb); ++x) {
            bordure(x);
        }
        if (tFond.a > 0) {
            for (int x = pa; x < pb; ++x) {
                melange(ligne[x], tFond, 1, opaque);
            }
        }
        for (int x = std::max(pb, xa); x < xb; ++x) {
            bordure(x);
        }
    }
}

} // namespace Disque
