// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cosmos.h"

#include "Disque.h"
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
    image = QImage(1, 1, QImage::Format_RGB32);
    image.fill(Qt::black);
}

void Cosmos::setScale(double x1, double y1, double x2, double y2) {
    echelle = QRectF(x1, y1, x2 - x1, y2 - y1);
    echelleUtilisateur = true;
    recalculeTransformation();
    for (int i = 0; i < NbAstres; ++i) {
        placeEtiquette(i);
    }
    update();
}

void Cosmos::recalculeTransformation() {
    if (!echelleUtilisateur) {
        // The pixel unit: the scale follows the size.
        echelle = QRectF(0, 0, width(), height());
    }
    const double sx = echelle.width() != 0 ? width() / echelle.width() : 0;
    const double sy = echelle.height() != 0 ? height() / echelle.height() : 0;
    transformation = QTransform(sx, 0, 0, sy, -echelle.left() * sx, -echelle.top() * sy);
}

QRectF Cosmos::rectanglePixels(int i) const {
    const Forme& f = formes[i];
    const QPointF coin = transformation.map(QPointF(f.Left, f.Top));
    return QRectF(coin, QSizeF(f.Width * std::fabs(transformation.m11()),
                               f.Height * std::fabs(transformation.m22())));
}

QRect Cosmos::zoneAPeindre(int i) const {
    // Cut to the area first: a disc may lie beyond the range of integers.
    const QRectF visible = rectanglePixels(i) & QRectF(rect().adjusted(-2, -2, 2, 2));
    // One pixel more on each side for the antialiased edge.
    return visible.isEmpty() ? QRect() : visible.toAlignedRect().adjusted(-1, -1, 1, 1);
}

void Cosmos::modifieForme(int i, const std::function<void(Forme&)>& changement) {
    const QRect avant = formes[i].Visible ? zoneAPeindre(i) : QRect();
    changement(formes[i]);
    const QRect apres = formes[i].Visible ? zoneAPeindre(i) : QRect();
    repeindre(avant);
    repeindre(apres);
}

float Cosmos::setLargeurForme(int i, float largeur) {
    modifieForme(i, [largeur](Forme& f) { f.Width = largeur; });
    return formes[i].Width;
}

float Cosmos::setHauteurForme(int i, float hauteur) {
    modifieForme(i, [hauteur](Forme& f) { f.Height = hauteur; });
    return formes[i].Height;
}

void Cosmos::setVisibleForme(int i, bool visible) {
    modifieForme(i, [visible](Forme& f) { f.Visible = visible; });
}

void Cosmos::setCouleursForme(int i, const QColor& bord, const QColor& rempli) {
    modifieForme(i, [&](Forme& f) {
        f.BorderColor = bord;
        f.FillColor = rempli;
    });
}

void Cosmos::setGeometrieForme(int i, const QRectF& r) {
    modifieForme(i, [&r](Forme& f) {
        f.Left = float(r.left());
        f.Top = float(r.top());
        f.Width = float(r.width());
        f.Height = float(r.height());
    });
}

void Cosmos::deplaceForme(int astre, float gauche, float haut) {
    modifieForme(astre, [=](Forme& f) {
        f.Left = gauche;
        f.Top = haut;
    });
}

void Cosmos::Cls() {
    tracesDessinees = false;
    image.fill(Qt::black);
    reference = QImage();
    referenceVierge = true;
    update();
}

void Cosmos::cercle(double x, double y, double rayon, const QColor& couleur) {
    const QPointF centre = transformation.map(QPointF(x, y));
    const double rx = rayon * std::fabs(transformation.m11());
    const double ry = rayon * std::fabs(transformation.m22());
    if (!std::isfinite(centre.x()) || !std::isfinite(centre.y()) || !std::isfinite(rx)) {
        return;
    }
    traceCercle(image, centre, rx, ry, couleur);
    if (!reference.isNull()) {
        const double fx =
            reference.deviceIndependentSize().width() / image.deviceIndependentSize().width();
        const double fy =
            reference.deviceIndependentSize().height() / image.deviceIndependentSize().height();
        traceCercle(reference, QPointF(centre.x() * fx, centre.y() * fy), rx * fx, ry * fy,
                    couleur);
    }
    referenceVierge = false;
    const QRectF touche(centre.x() - rx - 2, centre.y() - ry - 2, 2 * rx + 4, 2 * ry + 4);
    repeindre((touche & QRectF(rect())).toAlignedRect());
}

// One painter per circle, opened and closed here, as cheap as a kept one (about 3 us
// for either) and nothing left open between calls.
void Cosmos::traceCercle(QImage& cible, const QPointF& centre, double rx, double ry,
                         const QColor& couleur) const {
    const QColor fond = remplissagePlein ? couleurRemplissage : QColor(Qt::transparent);
    const qreal dpr = cible.devicePixelRatio();
    if (std::max(rx, ry) * dpr > Disque::RayonMaxPeintre) {
        Disque::peint(cible, centre * dpr, rx * dpr, ry * dpr, couleur, fond);
        return;
    }
    QPainter peintre(&cible);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(couleur, 1));
    peintre.setBrush(fond);
    peintre.drawEllipse(centre, rx, ry);
}

void Cosmos::cercle(float x, float y, float rayon, int32_t couleur) {
    cercle(double(x), double(y), double(rayon), couleurRvb(couleur));
    tracesDessinees = true;
}

void Cosmos::setNom(int i, const QString& texte, const QColor& couleur) {
    QLabel* nom = etiquettes[i];
    nom->setText(texte);
    QPalette p = nom->palette();
    p.setColor(QPalette::WindowText, couleur);
    nom->setPalette(p);
    // One line (240 twips) at the least, as wide and as high as the text needs.
    const QSize texteSeul = nom->sizeHint();
    nom->resize(std::max(nom->width(), texteSeul.width()),
                std::max(Twips::enPixels(240), texteSeul.height()));
}

void Cosmos::montreNom(int astre, bool visible) {
    etiquettes[astre]->setVisible(visible);
}

void Cosmos::deplaceNom(int astre, float gauche, float haut) {
    positionsNoms[astre] = QPointF(gauche, haut);
    placeEtiquette(astre);
}

void Cosmos::placeEtiquette(int i) {
    const QPointF coin = transformation.map(positionsNoms[i]);
    if (std::isfinite(coin.x()) && std::isfinite(coin.y())) {
        etiquettes[i]->move(qRound(coin.x()), qRound(coin.y()));
    }
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
    const qreal dpr = image.devicePixelRatio();
    // Rectangle by rectangle: the bounding rectangle of a tick's scattered discs is most
    // of the area, and a copy that large is also split over Qt's thread pool.
    for (const QRect& r : event->region()) {
        p.drawImage(r, image, QRectF(QPointF(r.topLeft()) * dpr, QSizeF(r.size()) * dpr));
    }
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < NbAstres; ++i) {
        if (formes[i].Visible && zoneAPeindre(i).intersects(zone)) {
            formes[i].peint(&p, rectanglePixels(i), zone);
        }
    }
    if (MarqueFocus::visible(this)) {
        MarqueFocus::dessine(p, rect(), MarqueFocus::surNoir());
    }
}

void Cosmos::resizeEvent(QResizeEvent*) {
    redimensionneImage();
    recalculeTransformation();
    for (int i = 0; i < NbAstres; ++i) {
        placeEtiquette(i);
    }
    update();
}

void Cosmos::redimensionneImage() {
    // A minimised window has no area: keep the traces as they are until it comes back.
    if (width() <= 0 || height() <= 0) {
        return;
    }
    const qreal dpr = devicePixelRatioF();
    const QSize taille = (QSizeF(size()) * dpr).toSize();
    if (image.size() == taille) {
        return;
    }
    if (referenceVierge) {
        // Nothing to keep: the next traces are drawn at the new resolution.
        image = QImage(taille, QImage::Format_RGB32);
        image.fill(Qt::black);
        image.setDevicePixelRatio(dpr);
        return;
    }
    if (reference.isNull()) {
        reference = image;
    }
    if (reference.size() == taille) {
        // Back at the resolution of the clearing: the reference is the image again.
        image = reference;
        reference = QImage();
    } else {
        image = reference.scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(dpr);
}
