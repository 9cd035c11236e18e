// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccesAnnonce.h"

#include "Annonce.h"

#include <QWidget>

AccesAnnonce::AccesAnnonce(Annonce* annonce) : QAccessibleObject(annonce) {}

QAccessibleInterface* AccesAnnonce::parent() const {
    return QAccessible::queryAccessibleInterface(static_cast<Annonce*>(object())->fenetre());
}

QAccessibleInterface* AccesAnnonce::child(int) const {
    return nullptr;
}

int AccesAnnonce::childCount() const {
    return 0;
}

int AccesAnnonce::indexOfChild(const QAccessibleInterface*) const {
    return -1;
}

QString AccesAnnonce::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? static_cast<Annonce*>(object())->texte() : QString();
}

QAccessible::Role AccesAnnonce::role() const {
    return QAccessible::Notification;
}

QAccessible::State AccesAnnonce::state() const {
    return {};
}
