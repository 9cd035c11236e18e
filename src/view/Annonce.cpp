// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Annonce.h"

#include <QAccessible>
#include <QWidget>

Annonce::Annonce(QWidget* fenetre) : QObject(fenetre) {}

QWidget* Annonce::fenetre() const {
    return static_cast<QWidget*>(parent());
}

void Annonce::dit(QWidget* depuis, const QString& texte) {
    QWidget* fenetre = depuis->window();
    auto* annonce = fenetre->findChild<Annonce*>(QString(), Qt::FindDirectChildrenOnly);
    if (annonce == nullptr) {
        annonce = new Annonce(fenetre);
    }
    annonce->texte_ = texte;
    QAccessibleEvent montre(annonce, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&montre);
}
