#pragma once

#include <QtGlobal>

// The pictures are compiled into the static application library, whose resource
// object the linker would otherwise drop: every window that shows one registers them.
inline void chargeRessources() {
    Q_INIT_RESOURCE(assets);
}
