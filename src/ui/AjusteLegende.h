// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QObject>
#include <QSize>
#include <QString>
#include <optional>

class QWidget;

// Keeps a control's caption inside the control whatever font the machine has: when
// the text does not fit at the control's own font, it is drawn at a smaller point
// size, the control keeping its place and size. A shorter caption gets the control's
// own size back. Works on labels and buttons; captions set at any time are seen,
// since the size is settled just before a painting when the text or the size changed.
class AjusteLegende : public QObject {
    Q_OBJECT

public:
    // Watches `controle`; its font at that moment, and any font set on it later, is
    // the one its captions are drawn at when they fit.
    static void suit(QWidget* controle);
    // `police` reduced by quarter points until `texte` fits in `controle`.
    static QFont quiTient(const QWidget* controle, const QString& texte, const QFont& police);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    explicit AjusteLegende(QWidget* controle);
    void ajuste();

    struct Mesure {
        QString texte;
        QSize taille;
        bool operator==(const Mesure&) const = default;
    };

    QWidget* controle;
    QFont propre;
    std::optional<Mesure> mesure; // what the font was last fitted to
    bool ajustement = false;
};
