#include "Cosmos.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
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
        // As designed: 735 x 240 twips for the first, 735 x 615 for the others.
        label->setGeometry(i == 0 ? QRect(352, 40, 49, 16) : QRect(0, 0, 49, 41));
        label->hide();
        etiquettes[i] = label;
    }
    image = QImage(1, 1, QImage::Format_RGB32);
    image.fill(Qt::black);
    reference = image;
}

Cosmos::~Cosmos() {
    fermePeintres();
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
    // One pixel more on each side for the antialiased edge.
    return rectanglePixels(i).toAlignedRect().adjusted(-1, -1, 1, 1);
}

void Cosmos::modifieForme(int i, const std::function<void(Forme&)>& changement) {
    const QRect avant = formes[i].Visible ? zoneAPeindre(i) : QRect();
    changement(formes[i]);
    const QRect apres = formes[i].Visible ? zoneAPeindre(i) : QRect();
    update(avant);
    update(apres);
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

void Cosmos::setCouleursForme(int i, const QColor& fond, const QColor& bord, const QColor& rempli) {
    modifieForme(i, [&](Forme& f) {
        f.BackColor = fond;
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
    fermePeintres();
    image.fill(Qt::black);
    reference = image;
    referenceVierge = true;
    update();
}

void Cosmos::Circle(double x, double y, double rayon, const QColor& couleur) {
    const QPointF centre = transformation.map(QPointF(x, y));
    const double rx = rayon * std::fabs(transformation.m11());
    const double ry = rayon * std::fabs(transformation.m22());
    if (!std::isfinite(centre.x()) || !std::isfinite(centre.y()) || !std::isfinite(rx)) {
        return;
    }
    ouvrePeintres();
    traceCercle(*peintreImage, centre, rx, ry, couleur);
    const double fx =
        reference.deviceIndependentSize().width() / image.deviceIndependentSize().width();
    const double fy =
        reference.deviceIndependentSize().height() / image.deviceIndependentSize().height();
    traceCercle(*peintreReference, QPointF(centre.x() * fx, centre.y() * fy), rx * fx, ry * fy,
                couleur);
    referenceVierge = false;
    if (!enPassage) {
        fermePeintres();
    }
    update(QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry)
               .toAlignedRect()
               .adjusted(-2, -2, 2, 2));
}

void Cosmos::traceCercle(QPainter& peintre, const QPointF& centre, double rx, double ry,
                         const QColor& couleur) const {
    peintre.setPen(QPen(couleur, 1));
    peintre.setBrush(remplissagePlein ? QBrush(couleurRemplissage) : Qt::NoBrush);
    peintre.drawEllipse(centre, rx, ry);
}

// Opening a painter costs more than a small circle: a pass keeps them open.
void Cosmos::ouvrePeintres() {
    if (peintreImage) {
        return;
    }
    peintreImage = std::make_unique<QPainter>(&image);
    peintreReference = std::make_unique<QPainter>(&reference);
    peintreImage->setRenderHint(QPainter::Antialiasing);
    peintreReference->setRenderHint(QPainter::Antialiasing);
}

void Cosmos::fermePeintres() {
    peintreImage.reset();
    peintreReference.reset();
}

void Cosmos::commencePassage() {
    enPassage = true;
}

void Cosmos::terminePassage() {
    enPassage = false;
    fermePeintres();
}

void Cosmos::cercle(float x, float y, float rayon, int32_t couleur) {
    Circle(x, y, rayon, couleurRvb(couleur));
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

void Cosmos::paintEvent(QPaintEvent* event) {
    fermePeintres();
    QPainter p(this);
    const QRect zone = event->rect();
    const qreal dpr = image.devicePixelRatio();
    p.drawImage(zone, image, QRectF(QPointF(zone.topLeft()) * dpr, QSizeF(zone.size()) * dpr));
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < NbAstres; ++i) {
        if (formes[i].Visible && zoneAPeindre(i).intersects(zone)) {
            formes[i].peint(&p, rectanglePixels(i));
        }
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
    fermePeintres();
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
        reference = image;
        return;
    }
    image = reference.scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(dpr);
}
