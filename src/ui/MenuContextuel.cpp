// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuContextuel.h"

#include "Glissiere.h"
#include "Instantane.h"
#include "LabelCliquable.h"
#include "Tablecom.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPushButton>

namespace {

// A text from the data file shown as written: '&' would otherwise underline a letter.
QString sansMnemonique(QString texte) {
    return texte.replace(u'&', QStringLiteral("&&"));
}

} // namespace

MenuContextuel::MenuContextuel(QWidget* fenetre, Tablecom* panneau, const QStringList& champs)
    : QObject(fenetre), fenetre(fenetre), panneau(panneau), menu_(new QMenu(fenetre)) {
    menu_->setObjectName(QStringLiteral("MenuContextuel"));
    ajoutePanneau();
    menu_->addSeparator();
    ajouteTemps();
    ajouteChamps(champs);
    menu_->addSeparator();
    ajouteFenetre();
}

QAction* MenuContextuel::ajoute(QMenu* menu, const QString& texte, const QKeySequence& touches) {
    auto* action = new QAction(texte, fenetre);
    action->setShortcut(touches);
    action->setShortcutContext(Qt::WindowShortcut);
    // Added to the window too: its shortcut works wherever the focus is in it.
    fenetre->addAction(action);
    menu->addAction(action);
    return action;
}

// An action that clicks a control of the panel, the mouse's way.
QAction* MenuContextuel::miroir(QWidget* controle, const QKeySequence& touches) {
    QAction* action = ajoute(menu_, QString(), touches);
    if (auto* bouton = qobject_cast<QAbstractButton*>(controle)) {
        action->setText(bouton->text());
        connect(action, &QAction::triggered, bouton, &QAbstractButton::click);
    } else {
        auto* lien = static_cast<LabelCliquable*>(controle);
        action->setText(lien->text());
        connect(action, &QAction::triggered, lien, &LabelCliquable::clicked);
    }
    return action;
}

void MenuContextuel::ajoutePanneau() {
    const Tablecom* t = panneau;
    const QKeySequence touches[] = {Qt::CTRL | Qt::Key_D, Qt::CTRL | Qt::SHIFT | Qt::Key_D,
                                    Qt::CTRL | Qt::Key_T, Qt::CTRL | Qt::Key_E,
                                    Qt::CTRL | Qt::Key_L, Qt::CTRL | Qt::Key_N};
    const std::array<QWidget*, 6> controles{t->CmdStart, t->CmdDebut, t->CmdTrace,
                                            t->CmdCls,   t->CmdLune,  t->CmdAffNom};
    for (size_t i = 0; i < controles.size(); ++i) {
        boutons[i] = miroir(controles[i], touches[i]);
    }
}

void MenuContextuel::ajouteTemps() {
    connect(ajoute(menu_, QStringLiteral("Aller à la date…"), Qt::CTRL | Qt::Key_G),
            &QAction::triggered, this, &MenuContextuel::allerALaDate);
    connect(ajoute(menu_, QStringLiteral("Aujourd'hui"), Qt::CTRL | Qt::Key_J), &QAction::triggered,
            this, &MenuContextuel::aujourdhui);
    remonte_ = ajoute(menu_, QStringLiteral("Remonter le temps"), Qt::CTRL | Qt::Key_R);
    remonte_->setCheckable(true);
    connect(remonte_, &QAction::triggered, this, &MenuContextuel::remonte);
    QMenu* sousMenu = menu_->addMenu(QStringLiteral("Allure"));
    allures = new QActionGroup(this);
    const QString textes[] = {QStringLiteral("Celle de la glissière"),
                              QStringLiteral("1 jour toutes les 0,1 seconde"),
                              QStringLiteral("1 jour toutes les 0,5 seconde"),
                              QStringLiteral("1 jour toutes les 2 secondes")};
    for (int k = 0; k < 4; ++k) {
        QAction* a = sousMenu->addAction(textes[k]);
        a->setCheckable(true);
        allures->addAction(a);
        connect(a, &QAction::triggered, this, [this, k] { emit allure(k); });
    }
    sousMenu->addSeparator();
    QAction* ralentir_ = ajoute(sousMenu, QStringLiteral("Ralentir"), Qt::CTRL | Qt::Key_Minus);
    connect(ralentir_, &QAction::triggered, this, &MenuContextuel::ralentir);
    QAction* accelerer_ = ajoute(sousMenu, QStringLiteral("Accélérer"), Qt::CTRL | Qt::Key_Plus);
    // Where "+" needs Shift, "=" is on the same key.
    accelerer_->setShortcuts({Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal});
    connect(accelerer_, &QAction::triggered, this, &MenuContextuel::accelerer);
}

// Each field as a click on its notch of the field slider.
void MenuContextuel::ajouteChamps(const QStringList& champs) {
    QMenu* sousMenu = menu_->addMenu(QStringLiteral("Champ orbital"));
    for (int k = 1; k <= champs.size(); ++k) {
        QAction* a = ajoute(sousMenu, sansMnemonique(champs[k - 1]),
                            QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + k)));
        connect(a, &QAction::triggered, panneau->CO, [this, k] { panneau->CO->choisitCran(k); });
    }
}

void MenuContextuel::ajouteFenetre() {
    pleinEcran_ = ajoute(menu_, QStringLiteral("Plein écran"), Qt::Key_F11);
    pleinEcran_->setCheckable(true);
    connect(pleinEcran_, &QAction::triggered, this, &MenuContextuel::pleinEcran);
    connect(ajoute(menu_, QStringLiteral("Enregistrer l'image…"), Qt::CTRL | Qt::Key_S),
            &QAction::triggered, this, &MenuContextuel::enregistre);
    menu_->addSeparator();
    miroir(panneau->LabApropos, Qt::Key_F1);
    miroir(panneau->LabContact, Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    miroir(panneau->CmdFin, Qt::CTRL | Qt::Key_Q);
}

void MenuContextuel::montre(const Instantane& vue, bool pleinEcran) {
    const Bouton* etats[] = {&vue.CmdStart, &vue.CmdDebut, &vue.CmdTrace,
                             &vue.CmdCls,   &vue.CmdLune,  &vue.CmdAffNom};
    for (size_t i = 0; i < boutons.size(); ++i) {
        boutons[i]->setText(etats[i]->legende);
        boutons[i]->setEnabled(etats[i]->actif);
    }
    remonte_->setChecked(vue.remonte);
    allures->actions().at(vue.allureLente)->setChecked(true);
    pleinEcran_->setChecked(pleinEcran);
}
