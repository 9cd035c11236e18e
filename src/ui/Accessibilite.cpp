// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibilite.h"

#include "AccesGlissiere.h"
#include "AccesLien.h"
#include "Glissiere.h"
#include "LabelCliquable.h"
#include "PisteGlissiere.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// A slider's groove and knob pictures are its look, not objects of their own: a
// screen reader that reviews the panel would otherwise say "image" four times.
class Decor : public QAccessibleWidget {
public:
    explicit Decor(QWidget* image) : QAccessibleWidget(image, QAccessible::Graphic) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    if (classe == QLatin1String("PisteGlissiere")) {
        return new AccesGlissiere(static_cast<PisteGlissiere*>(objet));
    }
    if (classe == QLatin1String("LabelCliquable")) {
        return new AccesLien(static_cast<LabelCliquable*>(objet));
    }
    if (objet->property(Glissiere::ProprieteDecor).toBool()) {
        return new Decor(static_cast<QWidget*>(objet));
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
