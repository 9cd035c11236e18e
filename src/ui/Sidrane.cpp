// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sidrane.h"

#include "Accessibilite.h"
#include "Annonce.h"
#include "ChoixDate.h"
#include "Contact.h"
#include "Cosmos.h"
#include "Debut.h"
#include "DefilementPanneau.h"
#include "Glissiere.h"
#include "ImageEnregistree.h"
#include "LabelCliquable.h"
#include "MenuContextuel.h"
#include "Ressources.h"
#include "SurveillanceEcran.h"
#include "Tablecom.h"
#include "Twips.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

Sidrane::Sidrane(Planetaire p) : planetaire(std::move(p)), temps(new QTimer(this)) {
    chargeRessources();
    Accessibilite::installe();
    setObjectName(QStringLiteral("Sidrane"));
    setWindowTitle(QStringLiteral("Sidranes " SIDRANES_VERSION_COURTE));
    QIcon icone(QStringLiteral(":/icone.png"));
    icone.addFile(QStringLiteral(":/icone-128.png"));
    setWindowIcon(icone);
    setPalette(Tablecom::paletteDessinee());
    setAutoFillBackground(true);
    creeControles();
    initAstres();
    relieControles();
    relieMenu();
    montre(planetaire.instantane());
    // Client area as designed: 14805 x 11655 twips.
    resize(Twips::enPixels(14805), Twips::enPixels(11655));
    temps->setObjectName(QStringLiteral("temps"));
    temps->setTimerType(Qt::PreciseTimer);
    Debut_ = std::make_unique<Debut>(this);
}

Sidrane::~Sidrane() = default;

void Sidrane::creeControles() {
    Cosmos_ = new Cosmos(this);
    Cosmos_->setObjectName(QStringLiteral("Cosmos"));
    Cosmos_->setGeometry(Twips::rectPixels(120, 120, 8550, 8550));
    Tablecom_ = new Tablecom(this);
    Tablecom_->setGeometry(Twips::rectPixels(8880, 120, 3000, 8535));
    Defilement_ = new DefilementPanneau(Tablecom_);
    const Tablecom* t = Tablecom_;
    setTabOrder(Cosmos_, Tablecom_);
    setTabOrder(Tablecom_, t->CmdStart);
    setTabOrder(t->CmdStart, t->CmdFin);
    setTabOrder(t->CmdFin, t->CmdAffNom);
    setTabOrder(t->CmdAffNom, t->CmdDebut);
    setTabOrder(t->CmdDebut, t->CmdTrace);
    setTabOrder(t->CmdTrace, t->CmdCls);
    setTabOrder(t->CmdCls, t->CmdLune);
    // Beyond the designed order: the sliders, then the links, for the keyboard alone.
    setTabOrder(t->CmdLune, t->CO);
    setTabOrder(t->CO, t->Tp);
    setTabOrder(t->Tp, t->LabApropos);
    setTabOrder(t->LabApropos, t->LabContact);
}

// The names and colours of the bodies, and what each notch of the sliders stands for.
void Sidrane::initAstres() {
    const Systeme& s = planetaire.etat();
    for (int i = 0; i < NbAstres; ++i) {
        Cosmos_->setAstre(i, s.astres[i].Nom, couleurRvb(s.astres[i].Couleur));
    }
    Tablecom_->CO->setCrans(planetaire.textesChamps(), s.Champ);
    Tablecom_->Tp->setCrans(Planetaire::textesVitesses(), s.IndVitesse);
}

void Sidrane::relie(QPushButton* bouton, Evenement evenement) {
    connect(bouton, &QPushButton::clicked, this,
            [this, evenement] { montre((planetaire.*evenement)()); });
}

void Sidrane::relieControles() {
    const Tablecom* t = Tablecom_;
    connect(temps, &QTimer::timeout, this, [this] { montre(planetaire.temps_Timer()); });
    relie(t->CmdStart, &Planetaire::CmdStart_Click);
    relie(t->CmdDebut, &Planetaire::CmdDebut_Click);
    relie(t->CmdTrace, &Planetaire::CmdTrace_Click);
    relie(t->CmdCls, &Planetaire::CmdCls_Click);
    relie(t->CmdLune, &Planetaire::CmdLune_Click);
    relie(t->CmdAffNom, &Planetaire::CmdAffNom_Click);
    connect(t->CmdFin, &QPushButton::clicked, this, &Sidrane::CmdFin_Click);
    connect(t->LabApropos, &LabelCliquable::clicked, this, &Sidrane::LabApropos_Click);
    connect(t->LabContact, &LabelCliquable::clicked, this, &Sidrane::LabContact_Click);
    connect(t->CO, &Glissiere::glisse, this,
            [this](int cran) { montre(planetaire.champGlisse(cran)); });
    connect(t->CO, &Glissiere::relache, this, [this] { montre(planetaire.champRelache()); });
    connect(t->CO, &Glissiere::clique, this,
            [this](int cran) { montre(planetaire.champClique(cran)); });
    for (auto signal : {&Glissiere::relache, &Glissiere::clique}) {
        connect(t->Tp, signal, this, [this](int cran) { montre(planetaire.vitessePrise(cran)); });
    }
}

namespace {

void applique(QPushButton* bouton, const Bouton& vue) {
    bouton->setText(vue.legende);
    bouton->setEnabled(vue.actif);
}

} // namespace

// The whole picture, every time: a caption or a state that did not change is left as
// it is by the controls themselves.
void Sidrane::montre(const Instantane& vue) {
    const Tablecom* t = Tablecom_;
    applique(t->CmdDebut, vue.CmdDebut);
    applique(t->CmdStart, vue.CmdStart);
    applique(t->CmdTrace, vue.CmdTrace);
    applique(t->CmdCls, vue.CmdCls);
    applique(t->CmdLune, vue.CmdLune);
    applique(t->CmdAffNom, vue.CmdAffNom);
    t->LbOrbite->setText(vue.LbOrbite);
    t->LbTemps->setText(vue.LbTemps);
    t->LabCourse->setText(vue.LabCourse);
    t->LbVit->setText(vue.LbVit);
    t->Tp->setTexteImpose(vue.allure);
    Cosmos_->montre(vue);
    Menu_->montre(vue, isFullScreen());
    if (vue.intervalle != intervalleTemps()) {
        regleIntervalle(vue.intervalle);
    }
    if (!vue.annonce.isEmpty()) {
        Annonce::dit(this, vue.annonce);
    }
}

void Sidrane::regleIntervalle(int intervalle) {
    if (intervalle == 0) {
        temps->stop();
    } else {
        temps->start(intervalle);
    }
}

// ---- Start-up and layout ----

void Sidrane::Form_Load() {
    chargeSansSplash();
    Debut_->montreSplash();
}

void Sidrane::chargeSansSplash() {
    // Small screens: the window opens inside the work area rather than past its edges.
    SurveillanceEcran::appliqueAuPremierAffichage(this);
    show();
}

void Sidrane::resizeEvent(QResizeEvent*) {
    // Form_Resize: the drawing area is the square of the client height, the panel beside
    // it; a window too narrow for both shrinks the square rather than cut the panel.
    const Disposition::Plan plan = Disposition::calcule(
        {size(), Tablecom_->size(), Twips::enPixels(120),
         style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Defilement_->barre())});
    Cosmos_->setGeometry(plan.cosmos);
    Defilement_->place(plan);
}

// ---- Leading out of the simulation ----

void Sidrane::LabApropos_Click() {
    Debut_->montreAPropos();
}

void Sidrane::LabContact_Click() {
    Annonce::dit(this, Contact::ouvre()
                           ? QStringLiteral("Ouverture de la page du projet dans le navigateur")
                           : QStringLiteral("Aucun navigateur n'a pu ouvrir la page du projet"));
}

void Sidrane::CmdFin_Click() {
    QCoreApplication::exit(0);
}

// ---- Beyond the panel ----

void Sidrane::relieMenu() {
    Menu_ = new MenuContextuel(this, Tablecom_, planetaire.textesChamps());
    QMenu* menu = Menu_->menu();
    Cosmos_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Cosmos_, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint& p) { menu->popup(Cosmos_->mapToGlobal(p)); });
    // From the keyboard, wherever the focus is: over the middle of the drawing area.
    auto* ouvre = new QAction(this);
    ouvre->setShortcuts({Qt::SHIFT | Qt::Key_F10, Qt::Key_Menu});
    addAction(ouvre);
    connect(ouvre, &QAction::triggered, this,
            [this, menu] { menu->popup(Cosmos_->mapToGlobal(Cosmos_->rect().center())); });
    const MenuContextuel* m = Menu_;
    connect(m, &MenuContextuel::allerALaDate, this, &Sidrane::allerALaDate);
    connect(m, &MenuContextuel::aujourdhui, this, &Sidrane::aujourdhui);
    connect(m, &MenuContextuel::remonte, this, [this] { montre(planetaire.remonteLeTemps()); });
    connect(m, &MenuContextuel::allure, this,
            [this](int k) { montre(planetaire.choisitAllure(k)); });
    connect(m, &MenuContextuel::ralentir, this, [this] { montre(planetaire.ralentit()); });
    connect(m, &MenuContextuel::accelerer, this, [this] { montre(planetaire.accelere()); });
    connect(m, &MenuContextuel::pleinEcran, this, &Sidrane::basculePleinEcran);
    connect(m, &MenuContextuel::enregistre, this, &Sidrane::enregistreImage);
}

void Sidrane::allerALaDate() {
    ChoixDate choix(this, planetaire.etat().DateCour(),
                    [this](const QDate& d) { return planetaire.refusDepart(d); });
    if (choix.exec() == QDialog::Accepted) {
        changeDepart(choix.date());
    }
}

void Sidrane::aujourdhui() {
    const QDate date = QDate::currentDate();
    if (const auto refus = planetaire.refusDepart(date)) {
        QMessageBox::warning(this, QStringLiteral("Aujourd'hui"), *refus + u'.');
        return;
    }
    changeDepart(date);
}

void Sidrane::changeDepart(const QDate& date) {
    montre(planetaire.changeDepart(date));
}

void Sidrane::basculePleinEcran() {
    if (isFullScreen()) {
        showNormal();
    } else {
        showFullScreen();
    }
    Menu_->montre(planetaire.instantane(), isFullScreen());
}

// The picture as shown when it was asked for: the clock may run on behind the dialog.
void Sidrane::enregistreImage() {
    const QImage photo = Cosmos_->photo();
    const QString nom =
        QStringLiteral("sidranes-%1.png")
            .arg(planetaire.etat().DateCour().toString(QStringLiteral("yyyy-MM-dd")));
    const QString chemin = ImageEnregistree::demandeChemin(this, nom);
    if (chemin.isEmpty()) {
        return;
    }
    if (const auto erreur = ImageEnregistree::ecrit(photo, chemin)) {
        QString phrase = *erreur;
        phrase[0] = phrase[0].toUpper();
        QMessageBox::warning(this, QStringLiteral("Enregistrer l'image"), phrase + u'.');
    }
}
