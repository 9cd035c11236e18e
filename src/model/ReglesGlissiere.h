// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Arithmetic of the program's two sliders, in twips of the command panel. A slider
// is a background picture with a groove, a knob, and a transparent track laid over
// the background that receives the mouse; x is measured from the track's left edge.
// The groove leaves a dead margin of 75 twips at each end.
namespace ReglesGlissiere {

constexpr int Marge = 75;

struct Geometrie {
    int32_t XMin; // lowest knob-centre position
    int32_t XMax; // highest knob-centre position
    int32_t Cran; // width of one notch
};

// Limits of the knob's centre and notch width for `nbCrans` notches. A slider too
// short for its notches, whose notch would round to less than one twip, is refused
// with std::invalid_argument: reading a notch back divides by its width.
Geometrie geometrie(double largeurBouton, double largeurFond, int nbCrans);

// Left edge of the knob standing in the middle of notch `cran` (1-based).
double gaucheBoutonAuCran(double gaucheTrack, int cran, int32_t largeurCran);

// A press is taken only between the two dead margins (the right bound in single precision).
bool dansLesMarges(double x, double largeurFond);

// The press position held to the knob's travel.
double borne(double x, const Geometrie& g);

// A drag moves the knob only strictly inside its travel.
bool dansLaCourse(double x, const Geometrie& g);

// Left edge of a knob centred on x.
double gaucheBoutonSous(double x, double gaucheFond, double largeurBouton);

// The notch (1-based) the knob's left edge falls in, held to 1..nbCrans: at the
// right end of the travel the raw formula can give one notch more than there are.
int cranDuBouton(double gaucheBouton, double gaucheTrack, const Geometrie& g, int nbCrans);

} // namespace ReglesGlissiere
