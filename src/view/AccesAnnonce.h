// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleObject>

class Annonce;

// What a screen reader sees of an Annonce: a notification in its window, named by the
// text to say. It is no child of the window: nothing reviews it, it is only heard.
class AccesAnnonce : public QAccessibleObject {
public:
    explicit AccesAnnonce(Annonce* annonce);

    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* enfant) const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
};
