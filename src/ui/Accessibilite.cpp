#include "Accessibilite.h"

#include "AccesGlissiere.h"
#include "PisteGlissiere.h"

#include <QAccessible>

namespace {

QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    if (classe == QLatin1String("PisteGlissiere")) {
        return new AccesGlissiere(static_cast<PisteGlissiere*>(objet));
    }
    return nullptr;
}

} // namespace

namespace Accessibilite {

void installe() {
    static const bool fait = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    (void)fait;
}

} // namespace Accessibilite
