// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
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
// knob's left edge is kept as set, halves of a twip included. The slider owns its
// track and its notches' geometry; the track only reports the mouse, and its keys
// reach the slider through an event filter.
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

    // One notch per text (textes[k - 1] is spoken for notch k), laid out over the
    // pictures' travel, and the knob in the middle of notch `cran`. Throws
    // std::invalid_argument for a travel too short for its notches. Until then the
    // slider has no notches and ignores keys.
    void setCrans(const QStringList& textes, int cran);
    // XMin, XMax and the notch width, in twips from the track's left edge.
    const ReglesGlissiere::Geometrie& geometrie() const { return crans; }

    // Centres the knob on x (twips from the track's left edge).
    void centreBoutonSur(double x);
    // A press at x: inside the dead margins it centres the knob on x held to its
    // travel and returns true (a drag starts); outside it does nothing.
    bool presse(double x);
    // A drag moves the knob only strictly inside its travel.
    bool dansLaCourse(double x) const { return ReglesGlissiere::dansLaCourse(x, crans); }

    int nbCrans() const { return static_cast<int>(textesCrans.size()); }
    // The notch the knob stands in, 1..nbCrans; 0 until the notches are known.
    int cran() const;
    QString texteCran() const;
    // The pointer x (twips from the track's left edge) that centres the knob in the
    // middle of notch k, where start-up places it.
    double xTwipsDuCran(int k) const;
    // Acts as a click on the track in the middle of notch k (held to 1..nbCrans),
    // through the track's own mouse signals; nothing when the knob already stands there.
    void choisitCran(int k);
    // The slider of a track, for what only knows the track (screen readers).
    static Glissiere* de(const QWidget* piste);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // Left/Down, Right/Up: one notch; Home, End: the ends. False for any other key.
    bool touche(int cle);

    PisteGlissiere* ImControl;
    QLabel* ImBoule;
    QLabel* ImFondSl;
    QRectF geoPiste;
    QRectF geoBouton;
    QRectF geoFond;
    ReglesGlissiere::Geometrie crans{};
    QStringList textesCrans;
};
