// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Astre.h"
#include "Forme.h"
#include "SurfaceAstres.h"

#include <QImage>
#include <QList>
#include <QTransform>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QPainter;

// The black drawing area where the Sun, the planets and the Moon move.
//
// Until a scale is set its unit is the pixel; after setScale() its user units
// are kilometres with the origin at the centre and y pointing up. One floating-point
// transform maps user units to pixels (orbit radii exceed the range of integers);
// it is rebuilt only when the scale or the size changes, and the coordinate range
// is kept on resize so the drawing stretches with the area.
//
// Traces are drawn once into a persistent image at the device pixel ratio: they
// survive being covered and are never redrawn from a history. A resize resamples the
// image once from a reference copy kept at the size of the last clearing, never from
// an image already resampled, so dragging a window edge does not blur them away. Until
// the first such resize the image is that reference, and each circle is drawn once.
// The discs (ShSidrane) are painted over it; the name labels (LbNom) are child labels.
class Cosmos : public QWidget, public SurfaceAstres {
    Q_OBJECT

public:
    explicit Cosmos(QWidget* parent = nullptr);

    // User scale with upper-left corner (x1, y1) and lower-right corner (x2, y2).
    void setScale(double x1, double y1, double x2, double y2);
    // Before any scale is set the unit is the pixel and the scale follows the size.
    double ScaleWidth() const { return echelleUtilisateur ? echelle.width() : width(); }

    // Solid: drawn circles are filled with the fill colour; transparent: outlines.
    void setFillSolid(bool plein) { remplissagePlein = plein; }
    void setFillColor(const QColor& c) { couleurRemplissage = c; }
    void Cls();
    // A trace circle centred on (x, y), in user units, kept until the next Cls().
    void cercle(double x, double y, double rayon, const QColor& couleur);

    const Forme& forme(int i) const { return formes[i]; }
    // Sets a disc's width or height and returns the value it now reports.
    float setLargeurForme(int i, float largeur);
    float setHauteurForme(int i, float hauteur);
    void setVisibleForme(int i, bool visible);
    void setCouleursForme(int i, const QColor& bord, const QColor& rempli);
    void setGeometrieForme(int i, const QRectF& rectangle);

    QLabel* nom(int i) const { return etiquettes[i]; }
    // A body's name label: its text in the body's colour, sized to the text at the
    // label's font, so that no name is cut whatever font the desktop uses.
    void setNom(int i, const QString& texte, const QColor& couleur);

    void deplaceForme(int astre, float gauche, float haut) override;
    // The same in the program's colour values, as the placement draws them.
    void cercle(float x, float y, float rayon, int32_t couleur) override;
    void montreNom(int astre, bool visible) override;
    void deplaceNom(int astre, float gauche, float haut) override;

    const QImage& traces() const { return image; }
    // A trace has been drawn since the last clearing.
    bool aDesTraces() const { return tracesDessinees; }
    const QTransform& versPixels() const { return transformation; }
    QRectF rectanglePixels(int i) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void recalculeTransformation();
    void redimensionneImage();
    void modifieForme(int i, const std::function<void(Forme&)>& changement);
    void placeEtiquette(int i);
    void traceCercle(QImage& cible, const QPointF& centre, double rx, double ry,
                     const QColor& couleur) const;
    QRect zoneAPeindre(int i) const;
    void repeindre(const QRect& r);

    QRectF echelle; // left, top, width, height of the user scale (height < 0: y up)
    bool echelleUtilisateur = false;
    QTransform transformation;
    QImage image;
    // The traces at the resolution of the last clearing; null while `image` has it.
    QImage reference;
    bool referenceVierge = true; // nothing drawn since: a resize may change its resolution
    bool remplissagePlein = true;
    bool tracesDessinees = false;
    QColor couleurRemplissage{255, 255, 0};
    // This round's rectangles to repaint, none within Voisinage pixels of another.
    QList<QRect> aRepeindre;
    static constexpr int Voisinage = 8;
    std::array<Forme, NbAstres> formes;
    std::array<QLabel*, NbAstres> etiquettes{};
    std::array<QPointF, NbAstres> positionsNoms{};
};

// The program's colour values are red + 256 * green + 65536 * blue.
QColor couleurRvb(int32_t couleur);
