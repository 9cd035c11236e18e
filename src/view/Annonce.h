// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Has screen readers say a short text at once: a toggle's new caption, a slider's new
// notch. Qt 6.4's AT-SPI bridge sends a name or description change with the object in
// place of the new text, which Orca cannot speak; what it does speak is a notification
// that shows. This object is that notification: one per window, never drawn, named by
// the last text it said.
class Annonce : public QObject {
    Q_OBJECT

public:
    // Says `texte` in the window of `depuis`.
    static void dit(QWidget* depuis, const QString& texte);

    const QString& texte() const { return texte_; }
    QWidget* fenetre() const;

private:
    explicit Annonce(QWidget* fenetre);

    QString texte_;
};
