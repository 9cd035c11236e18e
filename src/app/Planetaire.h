// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Instantane.h"
#include "LecteurDonnees.h"
#include "Refus.h"
#include "Systeme.h"

#include <QLocale>
#include <QStringList>
#include <optional>
#include <variant>

// The orrery: its state and every rule that changes it, with no window. Start-up
// makes one from the data file; then each event of the main window is one method,
// which returns the complete picture the window must show. Nothing else writes the
// state.
class Planetaire {
public:
    struct Options {
        LecteurDonnees::Chemin fichier = LecteurDonnees::cheminParDefaut();
        std::optional<QDate> depart; // a start date of the user's choice
    };
    using Ouverture = std::variant<Planetaire, ErreurDonnees>;

    // The drawing area's width as designed, 8550 twips: the reference of disc sizes.
    static constexpr int32_t LargeurCosmos = 570;

    // Start-up: the file read and checked, the field 3 applied, the bodies at the
    // start date; or why the file cannot be used.
    static Ouverture ouvre(const Options& options);
    static Ouverture ouvre(const DonneesSidranes& donnees, std::optional<QDate> depart = {});

    // Why `date` cannot be the start date with this file, or nothing.
    std::optional<QString> refusDepart(const QDate& date) const;

    const Systeme& etat() const { return s; }
    const Instantane& instantane() const { return vue; }
    // What each notch of the field and speed sliders stands for, as spoken.
    QStringList textesChamps() const;
    static QStringList textesVitesses();
    static QString texteVitesse(int32_t pas);

    // The events of the main window.
    const Instantane& temps_Timer();
    const Instantane& CmdStart_Click();
    const Instantane& CmdDebut_Click();
    const Instantane& CmdTrace_Click();
    const Instantane& CmdCls_Click();
    const Instantane& CmdLune_Click();
    const Instantane& CmdAffNom_Click();
    // The field slider's knob dragged into another notch, released, clicked on one.
    const Instantane& champGlisse(int cran);
    const Instantane& champRelache();
    const Instantane& champClique(int cran);
    // The speed taken where the speed slider's knob stands: at a click, and at a
    // release wherever the pointer is, so that the knob never shows another speed.
    const Instantane& vitessePrise(int cran);

    // Beyond the panel: a new start date in force, time backward, slower paces.
    const Instantane& changeDepart(const QDate& date);
    const Instantane& remonteLeTemps();
    const Instantane& choisitAllure(int allureLente);
    // One pace slower or faster among the slider's and the slower ones.
    const Instantane& ralentit() { return choisitAllure(s.AllureLente + 1); }
    const Instantane& accelere() { return choisitAllure(s.AllureLente - 1); }
    static int nbAlluresLentes() { return int(Systeme::AlluresLentes.size()) - 1; }

private:
    Planetaire();

    void nouveau();
    const Instantane& compose();
    void ChangeChamp();
    void BasculeNoms();
    void demarre();
    void arrete();
    void cacheNoms(int dernier);
    QString date() const;
    QString texteAllure() const;
    QString annonceDate(const QString& debut) const;

    Systeme s;
    QLocale locale;
    QString formatDate;
    Instantane vue;
};
