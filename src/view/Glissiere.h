// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ReglesGlissiere.h"

#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>

// A slider of the command panel: a background picture with its groove, a knob, and
// over them a transparent track, the top part of the background, that takes the mouse.
// The slider owns its drag and its knob: a press inside the dead margins centres the
// knob on the pointer and starts a drag, a drag moves it strictly inside its travel,
// and the slider reports the notch under the knob as it is dragged, released and
// clicked. Geometry is in twips of the panel; the knob's left edge is kept as set,
// halves of a twip included.
class Glissiere : public QWidget {
    Q_OBJECT

public:
    struct Geometrie {
        QRectF piste;  // the track, at the background's top left and as wide
        QRectF bouton; // the knob
        QPointF fond;  // the background's top left: it shows at the picture's own size
    };

    Glissiere(QWidget* panneau, const QPixmap& bouton, const QPixmap& fond, const Geometrie& g);

    // Over the track (and the knob on it), and over the strip of background below it.
    void setBulles(const QString& piste, const QString& fond);

    double gauchePiste() const { return geoPiste.left(); }
    double largeurFond() const;
    double largeurBouton() const { return geoBouton.width(); }
    double gaucheBouton() const { return geoBouton.left(); }
    QRect rectanglePiste() const;
    QRect rectangleBouton() const;

    // One notch per text (textes[k - 1] is spoken for notch k), laid out over the
    // travel, and the knob in the middle of notch `cran`. Throws std::invalid_argument
    // for a travel too short for its notches. Until then the slider ignores keys.
    void setCrans(const QStringList& textes, int cran);
    // XMin, XMax and the notch width, in twips from the track's left edge.
    const ReglesGlissiere::Geometrie& geometrie() const { return crans; }
    int nbCrans() const { return static_cast<int>(textesCrans.size()); }
    // The notch the knob stands in, 1..nbCrans; 0 until the notches are known.
    int cran() const;
    // What the slider's value is spoken as: the knob's notch, unless a text is imposed
    // (a pace that no notch stands for).
    QString texteValeur() const;
    void setTexteImpose(const QString& texte);
    // The pointer x (twips from the track's left edge) that centres the knob in the
    // middle of notch k.
    double xTwipsDuCran(int k) const;
    // A press and a release in the middle of notch k (held to 1..nbCrans), as the
    // mouse makes them; nothing when the knob already stands there.
    void choisitCran(int k);

signals:
    // The knob moved under a dragging pointer, into notch `cran`.
    void glisse(int cran);
    // The button was released, wherever the pointer was.
    void relache(int cran);
    // A press and a release both over the track; comes after relache().
    void clique(int cran);

protected:
    bool event(QEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void setGaucheBouton(double gauche);
    void centreBoutonSur(double x);
    bool surPiste(const QPointF& pixels) const;
    // Left/Down, Right/Up: one notch; Page Up/Down: a page; Home, End: the ends. False
    // for any other key.
    bool touche(int cle);
    int pas() const;

    QPixmap imageBouton;
    QPixmap imageFond;
    mutable QPixmap boutonAEchelle;
    QRectF geoPiste;
    QRectF geoBouton;
    QPointF coinFond;
    ReglesGlissiere::Geometrie crans{};
    QStringList textesCrans;
    QString texteImpose;
    QString bullePiste;
    QString bulleFond;
    bool presseSurPiste = false; // the press came down on the track
    bool glisse_ = false;        // a drag is under way
};
