// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChoixDate.h"

#include "Annonce.h"
#include "Calendrier.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ChoixDate::ChoixDate(QWidget* parent, const QDate& proposee, Refus r)
    : QDialog(parent), refus(std::move(r)), champ(new QLineEdit(this)), message(new QLabel(this)) {
    setObjectName(QStringLiteral("ChoixDate"));
    setWindowTitle(QStringLiteral("Aller à la date"));
    auto* legende = new QLabel(QStringLiteral("Date (JJ/MM/AAAA) :"), this);
    legende->setBuddy(champ);
    champ->setText(proposee.toString(QStringLiteral("dd/MM/yyyy")));
    champ->selectAll();
    message->setObjectName(QStringLiteral("message"));
    message->setWordWrap(true);
    message->setTextFormat(Qt::PlainText);
    message->hide();
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aller"));
    boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &ChoixDate::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &ChoixDate::reject);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(legende);
    disposition->addWidget(champ);
    disposition->addWidget(message);
    disposition->addWidget(boutons);
}

void ChoixDate::accept() {
    const auto lue = Calendrier::litDate(champ->text());
    if (const auto* raison = std::get_if<QString>(&lue)) {
        refuse(*raison);
        return;
    }
    if (const auto raison = refus(std::get<QDate>(lue))) {
        refuse(*raison);
        return;
    }
    date_ = std::get<QDate>(lue);
    QDialog::accept();
}

// The reason in a sentence, the field ready to be typed again.
void ChoixDate::refuse(const QString& raison) {
    QString phrase = raison;
    phrase[0] = phrase[0].toUpper();
    message->setText(phrase + u'.');
    message->show();
    champ->setFocus();
    champ->selectAll();
    Annonce::dit(this, message->text());
}
