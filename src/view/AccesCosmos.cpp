// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccesCosmos.h"

#include "Cosmos.h"

#include <QLabel>

AccesCosmos::AccesCosmos(Cosmos* cosmos) : QAccessibleWidget(cosmos, QAccessible::Canvas) {}

QString AccesCosmos::text(QAccessible::Text t) const {
    if (t == QAccessible::Description) {
        return description();
    }
    return QAccessibleWidget::text(t);
}

// "Champ orbital : Terre. En vue : Soleil, Mercure, Vénus, Terre, Lune. Noms des
// planètes affichés. Traces dessinées." The field is the outermost planet in view.
QString AccesCosmos::description() const {
    const auto* cosmos = static_cast<const Cosmos*>(widget());
    QStringList enVue;
    QString champ;
    bool noms = false;
    for (int i = 0; i < NbAstres; ++i) {
        if (cosmos->forme(i).Visible) {
            enVue << cosmos->nom(i)->text();
            champ = i >= 1 && i <= DernierePlanete ? cosmos->nom(i)->text() : champ;
        }
        noms = noms || !cosmos->nom(i)->isHidden();
    }
    QStringList phrases;
    if (!champ.isEmpty()) {
        phrases << QStringLiteral("Champ orbital : %1").arg(champ);
    }
    phrases << QStringLiteral("En vue : %1").arg(enVue.join(QStringLiteral(", ")));
    if (noms) {
        phrases << QStringLiteral("Noms des planètes affichés");
    }
    if (cosmos->aDesTraces()) {
        phrases << QStringLiteral("Traces dessinées");
    }
    return phrases.join(QStringLiteral(". ")) + QLatin1Char('.');
}
