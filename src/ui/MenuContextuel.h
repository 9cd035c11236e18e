// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <array>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;
class Tablecom;
struct Instantane;

// Every command of the main window with its shortcut, gathered in the drawing area's
// context menu: the panel's buttons and links again (each triggers its control, so
// nothing runs but what the control runs), then what goes beyond the panel: a start
// date, time backward, slower paces, the orbital field, full screen and the picture
// saved. The shortcuts work anywhere in the main window and never take a key that a
// control of the panel uses.
class MenuContextuel : public QObject {
    Q_OBJECT

public:
    // `champs`: the planets' names, notch by notch of the field slider.
    MenuContextuel(QWidget* fenetre, Tablecom* panneau, const QStringList& champs);

    QMenu* menu() const { return menu_; }
    // Captions, states and checks follow the picture the window shows.
    void montre(const Instantane& vue, bool pleinEcran);

signals:
    void allerALaDate();
    void aujourdhui();
    void remonte();
    void allure(int allureLente);
    void ralentir();
    void accelerer();
    void pleinEcran();
    void enregistre();

private:
    QAction* ajoute(QMenu* menu, const QString& texte, const QKeySequence& touches);
    QAction* miroir(QWidget* controle, const QKeySequence& touches);
    void ajoutePanneau();
    void ajouteTemps();
    void ajouteChamps(const QStringList& champs);
    void ajouteFenetre();

    QWidget* fenetre;
    Tablecom* panneau;
    QMenu* menu_;
    std::array<QAction*, 6> boutons{}; // CmdStart, CmdDebut, CmdTrace, CmdCls, CmdLune, CmdAffNom
    QAction* remonte_ = nullptr;
    QActionGroup* allures = nullptr;
    QAction* pleinEcran_ = nullptr;
};
