// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibilite.h"

#include "AccesAnnonce.h"
#include "AccesCosmos.h"
#include "AccesGlissiere.h"
#include "AccesLien.h"
#include "Annonce.h"
#include "Cosmos.h"
#include "Glissiere.h"
#include "LabelCliquable.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

constexpr const char* ProprieteALaDemande = "sidranes-lu-a-la-demande";

// A read-out named by its current text, read whenever a screen reader looks.
class ALaDemande : public QAccessibleWidget {
public:
    explicit ALaDemande(QLabel* afficheur)
        : QAccessibleWidget(afficheur, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return static_cast<QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    if (classe == QLatin1String("Glissiere")) {
        return new AccesGlissiere(static_cast<Glissiere*>(objet));
    }
    if (classe == QLatin1String("LabelCliquable")) {
        return new AccesLien(static_cast<LabelCliquable*>(objet));
    }
    if (classe == QLatin1String("Annonce")) {
        return new AccesAnnonce(static_cast<Annonce*>(objet));
    }
    if (classe == QLatin1String("Cosmos")) {
        return new AccesCosmos(static_cast<Cosmos*>(objet));
    }
    if (objet->property(ProprieteALaDemande).toBool()) {
        return new ALaDemande(static_cast<QLabel*>(objet));
    }
    // The command panel is a Tab stop: heard as the group of the commands.
    if (classe == QLatin1String("Tablecom")) {
        return new QAccessibleWidget(static_cast<QWidget*>(objet), QAccessible::Grouping);
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

void luALaDemande(QLabel* afficheur) {
    // QLabel tells of each change of its text as a name change unless it has an
    // accessible name of its own; this one is never read (the interface reads the text).
    // The mark first: naming the label makes its interface.
    afficheur->setProperty(ProprieteALaDemande, true);
    afficheur->setAccessibleName(afficheur->objectName());
}

} // namespace Accessibilite
