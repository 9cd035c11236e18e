// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LecteurDonnees.h"
#include "Refus.h"
#include "Systeme.h"

#include <QLocale>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace ChampOrbital {
struct TailleDisque;
}
namespace Commandes {
struct Effet;
}
class Cosmos;
class Debut;
class DefilementPanneau;
class QPushButton;
class Tablecom;

// The main window: the drawing area, the command panel and the handlers that tie
// them to the simulation state. Rules live in the model and in Placement/Horloge;
// the handlers call them and update the controls.
class Sidrane : public QWidget {
    Q_OBJECT

public:
    // `cheminDonnees`: the data file, by default the one beside the executable.
    explicit Sidrane(const LecteurDonnees::Chemin& cheminDonnees = cheminParDefaut());
    ~Sidrane() override;
    static LecteurDonnees::Chemin cheminParDefaut();

    // The whole start-up: reads the data file, initialises, shows the window with
    // the bodies at day 0, then the splash. Throws ErreurDonnees before showing
    // anything when the data file cannot be used.
    void Form_Load();
    // Form_Load without the splash: the window shown with the bodies at day 0.
    void chargeSansSplash();

    const Systeme& etat() const { return systeme; }
    Cosmos* cosmos() const { return Cosmos_; }
    Tablecom* tablecom() const { return Tablecom_; }
    Debut* debut() const { return Debut_.get(); }
    // The clock's interval: 0 while stopped.
    int intervalleTemps() const { return temps.isActive() ? temps.interval() : 0; }

public slots:
    void temps_Timer();
    void CmdStart_Click();
    void CmdDebut_Click();
    void ImTpControl_MouseDown(double x);
    void ImTpControl_MouseMove(double x);
    void ImTpControl_MouseUp();
    void ImTpControl_Click();
    void ImCoControl_MouseDown(double x);
    void ImCoControl_MouseMove(double x);
    void ImCoControl_MouseUp();
    void ImCoControl_Click();
    void CmdTrace_Click();
    void CmdCls_Click();
    void CmdLune_Click();
    void CmdAffNom_Click();
    void CmdFin_Click();
    void LabApropos_Click();
    void LabContact_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void creeControles();
    void relieControles();
    void lit();
    void InitSysteme();
    void initFormesEtNoms();
    // The sliders' notches, their spoken texts and the knobs' places at start-up.
    void initGlissieres();
    void annonceBascule(QPushButton* bouton);
    void FixeEchelle(int champ);
    void dimensionne(int astre, const ChampOrbital::TailleDisque& taille);
    void ChangeChamp();
    void PlaceAstres(int32_t jour);
    void RemiseAZero();
    void BasculeNoms();
    void applique(const Commandes::Effet& e);
    void regleIntervalle(int intervalle);
    void cacheNoms(int dernier);
    void afficheDate(const QDate& date);
    void afficheChamp();

    LecteurDonnees::Chemin cheminDonnees;
    Provenance provenance; // where each value of the file was read, for refusals
    Systeme systeme;
    Cosmos* Cosmos_;
    Tablecom* Tablecom_;
    // Scrolls the panel only while the client area is lower than it.
    DefilementPanneau* Defilement_;
    QTimer temps;
    // The date is shown at every tick: the locale's format is looked up once.
    QLocale locale;
    QString formatDate;
    // The splash and about box: a top-level window of its own, alive for the whole run.
    std::unique_ptr<Debut> Debut_;
};
