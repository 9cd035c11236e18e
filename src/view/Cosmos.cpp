// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cosmos.h"

#include "Contraste.h"
#include "MarqueFocus.h"
#include "Twips.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

QColor couleurRvb(int32_t couleur) {
    return QColor(couleur & 0xFF, (couleur >> 8) & 0xFF, (couleur >> 16) & 0xFF);
}

Cosmos::Cosmos(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Système solaire"));
    setFocusPolicy(Qt::TabFocus);
    for (int i = 0; i < NbAstres; ++i) {
        auto* label = new QLabel(QStringLiteral("Label1"), this);
        label->setObjectName(QStringLiteral("LbNom%1").arg(i));
        label->setTextFormat(Qt::PlainText); // a name from the file, never markup
        label->setGeometry(i == 0 ? Twips::rectPixels(5280, 600, 735, 240)
                                  : Twips::rectPixels(0, 0, 735, 615));
        label->hide();
        etiquettes[i] = label;
    }
}

void Cosmos::setAstre(int i, const QString& nom, const QColor& couleur) {
    QLabel* label = etiquettes[i];
    label->setText(nom);
    QPalette p = label->palette();
    // The body's colour, lightened where it would be too dark to read on black.
    p.setColor(QPalette::WindowText, Contraste::lisibleSurNoir(couleur));
    label->setPalette(p);
    // One line (240 twips) at the least, as wide and as high as the text needs.
    const QSize texteSeul = label->sizeHint();
    label->resize(std::max(label->width(), texteSeul.width()),
                  std::max(Twips::enPixels(240), texteSeul.height()));
    // A disc shows its border and its fill; a back colour would lie hidden behind them.
    formes[i].BorderColor = couleur;
    formes[i].FillColor = couleur;
    repeindre(zoneAPeindre(i));
}

void Cosmos::montre(const Instantane& vue) {
    if (vue.Echelle != Echelle) {
        setEchelle(vue.Echelle);
    }
    if (vue.efface) {
        traces_.efface();
        update();
    }
    for (int i = 0; i < NbAstres; ++i) {
        place(i, vue.ShSidrane[i]);
        if (vue.LbNom[i] != placesNoms[i]) {
            placesNoms[i] = vue.LbNom[i];
            placeEtiquette(i);
            etiquettes[i]->setVisible(vue.LbNom[i].Visible);
        }
    }
    for (const Cercle& c : vue.cercles) {
        trace(c);
    }
}

void Cosmos::setEchelle(float echelle) {
    Echelle = echelle;
    recalculeTransformation();
    for (int i = 0; i < NbAstres; ++i) {
        placeEtiquette(i);
    }
    update();
}

// (-Echelle, Echelle) at the upper-left corner, (Echelle, -Echelle) at the lower-right.
void Cosmos::recalculeTransformation() {
    const double cote = 2 * double(Echelle);
    const double sx = cote != 0 ? width() / cote : 0;
    const double sy = cote != 0 ? -height() / cote : 0;
    transformation = QTransform(sx, 0, 0, sy, Echelle * sx, -Echelle * sy);
}

QRectF Cosmos::rectanglePixels(int i) const {
    const Forme& f = formes[i];
    const QPointF coin = transformation.map(QPointF(f.Left, f.Top));
    return QRectF(coin, QSizeF(f.Width * std::fabs(transformation.m11()),
                               f.Height * std::fabs(transformation.m22())));
}

QRect Cosmos::zoneAPeindre(int i) const {
    if (!formes[i].Visible) {
        return QRect();
    }
    // Cut to the area first: a disc may lie beyond the range of integers.
    const QRectF visible = rectanglePixels(i) & QRectF(rect().adjusted(-2, -2, 2, 2));
    // One pixel more on each side for the antialiased edge.
    return visible.isEmpty() ? QRect() : visible.toAlignedRect().adjusted(-1, -1, 1, 1);
}

void Cosmos::place(int i, const FormeAstre& forme) {
    if (formes[i] == forme) {
        return;
    }
    const QRect avant = zoneAPeindre(i);
    static_cast<FormeAstre&>(formes[i]) = forme;
    repeindre(avant);
    repeindre(zoneAPeindre(i));
}

void Cosmos::trace(const Cercle& c) {
    const QPointF centre = transformation.map(QPointF(c.x, c.y));
    const double rx = c.rayon * std::fabs(transformation.m11());
    const double ry = c.rayon * std::fabs(transformation.m22());
    if (!std::isfinite(centre.x()) || !std::isfinite(centre.y()) || !std::isfinite(rx)) {
        return;
    }
    const QRect touche = traces_.cercle(centre, rx, ry, couleurRvb(c.couleur));
    repeindre(touche & rect());
}

void Cosmos::placeEtiquette(int i) {
    const QPointF coin = transformation.map(QPointF(placesNoms[i].Left, placesNoms[i].Top));
    if (std::isfinite(coin.x()) && std::isfinite(coin.y())) {
        etiquettes[i]->move(qRound(coin.x()), qRound(coin.y()));
    }
}

QImage Cosmos::photo() {
    QImage image(size() * devicePixelRatio(), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio());
    enPhoto = true;
    render(&image);
    enPhoto = false;
    return image;
}

// Qt's dirty region splits overlapping rectangles into bands, and each band is then
// copied and sent to the display on its own: a moved disc, its old place and its trace
// circle are merged here first into one rectangle.
void Cosmos::repeindre(const QRect& r) {
    if (r.isEmpty()) {
        return;
    }
    QRect fusion = r;
    for (qsizetype i = 0; i < aRepeindre.size();) {
        if (aRepeindre[i]
                .adjusted(-Voisinage, -Voisinage, Voisinage, Voisinage)
                .intersects(fusion)) {
            fusion |= aRepeindre.takeAt(i);
            i = 0;
        } else {
            ++i;
        }
    }
    aRepeindre.append(fusion);
    update(fusion);
}

void Cosmos::paintEvent(QPaintEvent* event) {
    aRepeindre.clear();
    QPainter p(this);
    const QRect zone = event->rect();
    const QImage& image = traces_.image();
    const qreal dpr = image.devicePixelRatio();
    // Rectangle by rectangle: the bounding rectangle of a tick's scattered discs is most
    // of the area, and a copy that large is also split over Qt's thread pool.
    for (const QRect& r : event->region()) {
        p.drawImage(r, image, QRectF(QPointF(r.topLeft()) * dpr, QSizeF(r.size()) * dpr));
    }
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < NbAstres; ++i) {
        if (zoneAPeindre(i).intersects(zone)) {
            formes[i].peint(&p, rectanglePixels(i), zone);
        }
    }
    if (MarqueFocus::visible(this) && !enPhoto) {
        MarqueFocus::dessine(p, rect(), MarqueFocus::surNoir());
    }
}

void Cosmos::resizeEvent(QResizeEvent*) {
    traces_.redimensionne(size(), devicePixelRatioF());
    recalculeTransformation();
    for (int i = 0; i < NbAstres; ++i) {
        placeEtiquette(i);
    }
    update();
}
