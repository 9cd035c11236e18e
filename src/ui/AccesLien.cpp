// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccesLien.h"

#include "LabelCliquable.h"

AccesLien::AccesLien(LabelCliquable* lien) : QAccessibleWidget(lien, QAccessible::Link) {}

// The splash picture is clickable too: a picture that can be pressed, not a link. Asked
// each time, for the interface may be made before the picture is set.
QAccessible::Role AccesLien::role() const {
    const bool image = !static_cast<LabelCliquable*>(widget())->pixmap().isNull();
    return image ? QAccessible::Graphic : QAccessible::Link;
}

// Named by its caption, as Qt names a plain label.
QString AccesLien::text(QAccessible::Text t) const {
    QString texte = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && texte.isEmpty()) {
        return static_cast<LabelCliquable*>(widget())->text();
    }
    return texte;
}

QStringList AccesLien::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void AccesLien::doAction(const QString& action) {
    if (action == pressAction()) {
        emit static_cast<LabelCliquable*>(widget())->clicked();
        return;
    }
    QAccessibleWidget::doAction(action);
}
