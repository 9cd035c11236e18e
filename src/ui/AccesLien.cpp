// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccesLien.h"

#include "LabelCliquable.h"

// The splash picture is clickable too: a picture that can be pressed, not a link.
AccesLien::AccesLien(LabelCliquable* lien)
    : QAccessibleWidget(lien, lien->pixmap().isNull() ? QAccessible::Link : QAccessible::Graphic) {}

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
