// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ReglesGlissiere.h"

#include <QObject>
#include <QRectF>
#include <QString>
#include <QStringList>

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
    // Set on the groove and knob pictures, which screen readers need not hear.
    static constexpr const char* ProprieteDecor = "sidranes-decor";

    struct Noms {
        QString piste; // ImControl
        QString bouton;
        QString fond;
    };
    struct Images {
        const QPixmap& bouton;
        const QPixmap& fond;
    };
    struct Geometrie {
        QRectF piste;  // ImControl
        QRectF bouton; // ImBoule
        QRectF fond;   // ImFondSl: shown at the picture's natural size
    };

    Glissiere(QWidget* panneau, const Noms& noms, const Images& images, const Geometrie& g);

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

    // The notches for the keyboard and for screen readers: their geometry and the
    // text spoken for each (textes[k - 1] for notch k). Until then keys are ignored.
    void setCrans(const ReglesGlissiere::Geometrie& g, const QStringList& textes);
    int nbCrans() const { return static_cast<int>(textesCrans.size()); }
    // The notch the knob stands in; 0 until the notches are known.
    int cran() const { return nbCrans() > 0 ? cranDuBouton(crans, nbCrans()) : 0; }
    QString texteCran() const;
    // The pointer x (twips from the track's left edge) that centres the knob in the
    // middle of notch k, where start-up places it.
    double xTwipsDuCran(int k) const;
    // Acts as a click on the track in the middle of notch k (held to 1..nbCrans),
    // through the track's own mouse signals; nothing when the knob already stands there.
    void choisitCran(int k);
    // Left/Down, Right/Up: one notch; Home, End: the ends. False for any other key.
    bool touche(int cle);

private:
    PisteGlissiere* ImControl;
    QLabel* ImBoule;
    QLabel* ImFondSl;
    QRectF geoPiste;
    QRectF geoBouton;
    QRectF geoFond;
    ReglesGlissiere::Geometrie crans{};
    QStringList textesCrans;
};
