// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibilite.h"

#include "AccesGlissiere.h"
#include "AccesLien.h"
#include "LabelCliquable.h"
#include "PisteGlissiere.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    if (classe == QLatin1String("PisteGlissiere")) {
        return new AccesGlissiere(static_cast<PisteGlissiere*>(objet));
    }
    if (classe == QLatin1String("LabelCliquable")) {
        return new AccesLien(static_cast<LabelCliquable*>(objet));
    }
    // A plain top-level widget is a "filler" to screen readers: the main window is a
    // frame, named by its title.
    if (classe == QLatin1String("Sidrane")) {
        return new QAccessibleWidget(static_cast<QWidget*>(objet), QAccessible::Window);
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
