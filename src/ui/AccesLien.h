// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class LabelCliquable;

// A clickable label as a screen reader should hear it: "A propos de" and "Contact"
// are links, and pressing one is the label's click.
class AccesLien : public QAccessibleWidget {
public:
    explicit AccesLien(LabelCliquable* lien);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
};
