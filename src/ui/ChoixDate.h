// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;

// "Aller à la date…": a date typed as JJ/MM/AAAA. A date that cannot be used is refused
// in the dialog itself, with the reason written under the field and said to screen
// readers; the dialog stays open until a good date or Annuler.
class ChoixDate : public QDialog {
    Q_OBJECT

public:
    // Why a well-written date still cannot be chosen, or nothing.
    using Refus = std::function<std::optional<QString>(const QDate&)>;

    ChoixDate(QWidget* parent, const QDate& proposee, Refus refus);

    QDate date() const { return date_; }
    void accept() override;

private:
    void refuse(const QString& raison);

    Refus refus;
    QLineEdit* champ;
    QLabel* message;
    QDate date_;
};
