// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Forme.h"
#include "Instantane.h"
#include "Traces.h"

#include <QList>
#include <QTransform>
#include <QWidget>
#include <array>

class QLabel;

// The black drawing area where the Sun, the planets and the Moon move.
//
// Its user units are kilometres with the origin at the centre and y pointing up. One
// floating-point transform maps them to pixels (orbit radii exceed the range of
// integers); it is rebuilt only when the scale or the size changes, and the
// coordinate range is kept on resize so the drawing stretches with the area.
//
// The traces are kept in a Traces image; the discs (ShSidrane) are painted over it;
// the name labels (LbNom) are child labels. Only what changes is repainted.
class Cosmos : public QWidget {
    Q_OBJECT

public:
    explicit Cosmos(QWidget* parent = nullptr);

    // A body's name label and disc in the body's colour (the label's lightened where it
    // would not read on black); the label sized to its text at its font, so that no
    // name is cut whatever font the desktop uses.
    void setAstre(int i, const QString& nom, const QColor& couleur);
    // Shows the orrery's picture: its scale, its discs and labels, and the clearing and
    // trace circles of its last event.
    void montre(const Instantane& vue);

    const Forme& forme(int i) const { return formes[i]; }
    QLabel* nom(int i) const { return etiquettes[i]; }
    const QImage& traces() const { return traces_.image(); }
    bool aDesTraces() const { return traces_.dessinees(); }
    const QTransform& versPixels() const { return transformation; }
    QRectF rectanglePixels(int i) const;
    // The area as shown (traces, discs, names), at the screen's pixels, without the
    // keyboard's focus mark.
    QImage photo();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setEchelle(float echelle);
    void recalculeTransformation();
    void place(int i, const FormeAstre& forme);
    void placeEtiquette(int i);
    void trace(const Cercle& c);
    QRect zoneAPeindre(int i) const;
    void repeindre(const QRect& r);

    float Echelle = 0; // half the side of the visible square, km
    QTransform transformation;
    Traces traces_;
    bool enPhoto = false;
    // This round's rectangles to repaint, none within Voisinage pixels of another.
    QList<QRect> aRepeindre;
    static constexpr int Voisinage = 8;
    std::array<Forme, NbAstres> formes;
    std::array<QLabel*, NbAstres> etiquettes{};
    std::array<EtiquetteAstre, NbAstres> placesNoms{};
};

// The program's colour values are red + 256 * green + 65536 * blue.
QColor couleurRvb(int32_t couleur);
