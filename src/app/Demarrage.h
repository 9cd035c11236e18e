#pragma once

#include "Systeme.h"

#include <QString>

// The one-time initialisation of the state that needs no window: constants, the
// speed table and the values derived from the data file. Bad values that would
// divide by zero, overflow or put a body at an infinite place are refused here
// with an ErreurDonnees naming the file, the body and the value.
namespace Demarrage {

void InitSysteme(Systeme& s, int32_t largeurCosmos, const QString& fichier);

} // namespace Demarrage
