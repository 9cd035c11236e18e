#pragma once

#include "ReglesGlissiere.h"

#include <QObject>
#include <QRectF>

class QLabel;
class QPixmap;
class QWidget;
class PisteGlissiere;

// A slider of the command panel made of three pictures stacked front to back: the
// transparent track (ImControl) that takes the mouse, the knob (ImBoule) and the
// background with its groove (ImFondSl). Geometry is in twips of the panel; the
// knob's left edge is kept as set, halves of a twip included.
class Glissiere : public QObject {
    Q_OBJECT

public:
    struct Images {
        const QPixmap& bouton;
        const QPixmap& fond;
    };
    struct Geometrie {
        QRectF piste;  // ImControl
        QRectF bouton; // ImBoule
        QRectF fond;   // ImFondSl: shown at the picture's natural size
    };

    Glissiere(QWidget* panneau, const QString& nom, const Images& images, const Geometrie& g);

    PisteGlissiere* piste() const { return ImControl; }
    QLabel* bouton() const { return ImBoule; }
    QLabel* fond() const { return ImFondSl; }

    double gauchePiste() const { return geoPiste.left(); }
    double gaucheFond() const { return geoFond.left(); }
    double largeurFond() const { return geoFond.width(); }
    double largeurBouton() const { return geoBouton.width(); }
    double gaucheBouton() const { return geoBouton.left(); }
    void setGaucheBouton(double gauche);

    // Centres the knob on x (twips from the track's left edge).
    void centreBoutonSur(double x);
    // The notch the knob stands in, 1..nbCrans.
    int cranDuBouton(const ReglesGlissiere::Geometrie& g, int nbCrans) const;
    // A press at x: inside the dead margins it centres the knob on x held to its
    // travel and returns true (a drag starts); outside it does nothing.
    bool presse(double x, const ReglesGlissiere::Geometrie& g);

private:
    PisteGlissiere* ImControl;
    QLabel* ImBoule;
    QLabel* ImFondSl;
    QRectF geoPiste;
    QRectF geoBouton;
    QRectF geoFond;
};
