// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Planetaire.h"

#include <QTimer>
#include <QWidget>
#include <memory>

class Cosmos;
class Debut;
class DefilementPanneau;
class MenuContextuel;
class QPushButton;
class Tablecom;

// The main window: the drawing area and the command panel. It holds no rule: each of
// its events is handed to the orrery, and the picture the orrery returns is shown
// whole.
class Sidrane : public QWidget {
    Q_OBJECT

public:
    // `planetaire`: the orrery as start-up left it, at the start date.
    explicit Sidrane(Planetaire planetaire);
    ~Sidrane() override;

    // The end of start-up: the window shown with the bodies at the start date, then
    // the splash until it closes.
    void Form_Load();
    // Form_Load without the splash.
    void chargeSansSplash();

    const Planetaire& moteur() const { return planetaire; }
    Cosmos* cosmos() const { return Cosmos_; }
    Tablecom* tablecom() const { return Tablecom_; }
    Debut* debut() const { return Debut_.get(); }
    // The clock's interval: 0 while stopped.
    int intervalleTemps() const { return temps->isActive() ? temps->interval() : 0; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    using Evenement = const Instantane& (Planetaire::*)();

    void creeControles();
    void relieControles();
    void relie(QPushButton* bouton, Evenement evenement);
    void initAstres();
    void montre(const Instantane& vue);
    void regleIntervalle(int intervalle);
    void LabApropos_Click();
    void LabContact_Click();
    void CmdFin_Click();
    // Beyond the panel, from the drawing area's context menu or its shortcuts.
    void relieMenu();
    void allerALaDate();
    void aujourdhui();
    void changeDepart(const QDate& date);
    void basculePleinEcran();
    void enregistreImage();

    Planetaire planetaire;
    Cosmos* Cosmos_;
    Tablecom* Tablecom_;
    // Scrolls the panel only while the client area is lower than it.
    DefilementPanneau* Defilement_;
    MenuContextuel* Menu_;
    QTimer* temps;
    // The splash and about box: a top-level window of its own, alive for the whole run.
    std::unique_ptr<Debut> Debut_;
};
