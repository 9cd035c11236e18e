#pragma once

#include <cstdint>

// What placing the bodies needs of the drawing area, in its user units (km, y up).
class SurfaceAstres {
public:
    virtual ~SurfaceAstres() = default;
    // A placement pass runs between these two calls; drawing may be batched inside.
    virtual void commencePassage() {}
    virtual void terminePassage() {}
    virtual void deplaceForme(int astre, float gauche, float haut) = 0;
    virtual void cercle(float x, float y, float rayon, int32_t couleur) = 0;
    virtual void montreNom(int astre, bool visible) = 0;
    virtual void deplaceNom(int astre, float gauche, float haut) = 0;
};
