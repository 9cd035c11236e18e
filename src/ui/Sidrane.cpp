// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sidrane.h"

#include "Accessibilite.h"
#include "Annonce.h"
#include "Calendrier.h"
#include "ChampOrbital.h"
#include "Commandes.h"
#include "Contact.h"
#include "Cosmos.h"
#include "Debut.h"
#include "DefilementPanneau.h"
#include "Demarrage.h"
#include "Glissiere.h"
#include "Horloge.h"
#include "LabelCliquable.h"
#include "LecteurDonnees.h"
#include "PisteGlissiere.h"
#include "Placement.h"
#include "Ressources.h"
#include "SurveillanceEcran.h"
#include "Tablecom.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

Sidrane::Sidrane(const LecteurDonnees::Chemin& chemin)
    : cheminDonnees(chemin), locale(Calendrier::localeDesDates()),
      formatDate(Calendrier::formatCourt(locale)) {
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
    relieControles();
    // Client area as designed: 14805 x 11655 twips.
    resize(Twips::enPixels(14805), Twips::enPixels(11655));
    temps.setTimerType(Qt::PreciseTimer);
    Debut_ = std::make_unique<Debut>(this);
}

Sidrane::~Sidrane() = default;

// The file beside the executable comes first, as in the build folder. An installed
// program keeps it in its data folder, which the message names when the file is missing.
LecteurDonnees::Chemin Sidrane::cheminParDefaut() {
    const LecteurDonnees::Chemin aCote = LecteurDonnees::cheminAuProgramme();
    const QString installe =
        QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                            .filePath(QStringLiteral(SIDRANES_DONNEES_INSTALLEES)));
    if (aCote.existe() || !QFileInfo::exists(installe)) {
        return aCote;
    }
    return LecteurDonnees::chemin(installe);
}

void Sidrane::creeControles() {
    Cosmos_ = new Cosmos(this);
    Cosmos_->setObjectName(QStringLiteral("Cosmos"));
    Cosmos_->setGeometry(Twips::rectPixels(120, 120, 8550, 8550));
    Cosmos_->setFillColor(QColor(255, 255, 0));
    Cosmos_->setGeometrieForme(Soleil, Twips::rectPixelsExact(360, 840, 300, 300));
    for (int i = 1; i < NbAstres; ++i) {
        Cosmos_->setGeometrieForme(i, Twips::rectPixelsExact(0, 0, 12, 12));
    }
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
    setTabOrder(t->CmdLune, t->CO->piste());
    setTabOrder(t->CO->piste(), t->Tp->piste());
    setTabOrder(t->Tp->piste(), t->LabApropos);
    setTabOrder(t->LabApropos, t->LabContact);
}

void Sidrane::relieControles() {
    const Tablecom* t = Tablecom_;
    connect(&temps, &QTimer::timeout, this, &Sidrane::temps_Timer);
    connect(t->CmdStart, &QPushButton::clicked, this, &Sidrane::CmdStart_Click);
    connect(t->CmdDebut, &QPushButton::clicked, this, &Sidrane::CmdDebut_Click);
    connect(t->CmdTrace, &QPushButton::clicked, this, &Sidrane::CmdTrace_Click);
    connect(t->CmdCls, &QPushButton::clicked, this, &Sidrane::CmdCls_Click);
    connect(t->CmdLune, &QPushButton::clicked, this, &Sidrane::CmdLune_Click);
    connect(t->CmdAffNom, &QPushButton::clicked, this, &Sidrane::CmdAffNom_Click);
    connect(t->CmdFin, &QPushButton::clicked, this, &Sidrane::CmdFin_Click);
    connect(t->LabApropos, &LabelCliquable::clicked, this, &Sidrane::LabApropos_Click);
    connect(t->LabContact, &LabelCliquable::clicked, this, &Sidrane::LabContact_Click);
    const PisteGlissiere* tp = t->Tp->piste();
    connect(tp, &PisteGlissiere::MouseDown, this, &Sidrane::ImTpControl_MouseDown);
    connect(tp, &PisteGlissiere::MouseMove, this, &Sidrane::ImTpControl_MouseMove);
    connect(tp, &PisteGlissiere::MouseUp, this, &Sidrane::ImTpControl_MouseUp);
    connect(tp, &PisteGlissiere::Click, this, &Sidrane::ImTpControl_Click);
    const PisteGlissiere* co = t->CO->piste();
    connect(co, &PisteGlissiere::MouseDown, this, &Sidrane::ImCoControl_MouseDown);
    connect(co, &PisteGlissiere::MouseMove, this, &Sidrane::ImCoControl_MouseMove);
    connect(co, &PisteGlissiere::MouseUp, this, &Sidrane::ImCoControl_MouseUp);
    connect(co, &PisteGlissiere::Click, this, &Sidrane::ImCoControl_Click);
    // Connected last, so that each toggle says its caption once its handler has set it.
    for (QPushButton* b : {t->CmdStart, t->CmdTrace, t->CmdLune, t->CmdAffNom}) {
        connect(b, &QPushButton::clicked, this, [this, b] { annonceBascule(b); });
    }
}

// Screen readers are told the new caption of a toggle (see Annonce): "Arrêter" says
// how far the field's planet goes a day, "Démarrer" the date where the clock stopped.
void Sidrane::annonceBascule(QPushButton* bouton) {
    const Tablecom* t = Tablecom_;
    QString texte = bouton->text();
    if (bouton == t->CmdStart) {
        texte += systeme.EnMarche
                     ? QStringLiteral(". %1 : %2 %3")
                           .arg(t->LabCourse->text(), t->LbVit->text(), t->Labkm->text())
                     : QStringLiteral(". %1 : %2").arg(t->LabDate->text(), t->LbTemps->text());
    }
    Annonce::dit(bouton, texte);
}

namespace {

void activeSi(QWidget* w, std::optional<bool> actif) {
    if (actif) {
        w->setEnabled(*actif);
    }
}

template <typename Controle> void legendeSi(Controle* c, const std::optional<QString>& texte) {
    if (texte) {
        c->setText(*texte);
    }
}

} // namespace

// ---- Start-up ----

void Sidrane::Form_Load() {
    chargeSansSplash();
    Debut_->montreSplash();
}

void Sidrane::chargeSansSplash() {
    lit();
    InitSysteme();
    // Small screens: the window opens inside the work area rather than past its edges.
    SurveillanceEcran::appliqueAuPremierAffichage(this);
    show();
    systeme.DateCour = systeme.DateDebut;
    ChangeChamp();
    RemiseAZero();
}

void Sidrane::lit() {
    DonneesSidranes donnees = LecteurDonnees::lit(cheminDonnees);
    systeme.DateDebut = donnees.DateDebut;
    systeme.astres = donnees.astres;
    provenance = std::move(donnees.provenance);
}

void Sidrane::InitSysteme() {
    // Disc sizes are fractions of the drawing area's width as designed, before layout.
    Demarrage::InitSysteme(systeme, Cosmos_->ScaleWidth(), provenance);
    afficheChamp();
    afficheDate(systeme.DateDebut);
    applique(Commandes::apres(systeme, Commandes::Evenement::Ouverture));
    initFormesEtNoms();
    initGlissieres();
}

void Sidrane::initFormesEtNoms() {
    for (int i = 0; i < NbAstres; ++i) {
        const QColor couleur = couleurRvb(systeme.astres[i].Couleur);
        QLabel* nom = Cosmos_->nom(i);
        nom->setAutoFillBackground(false);
        nom->hide();
        Cosmos_->setNom(i, systeme.astres[i].Nom, couleur);
        // A disc shows its border and its fill; a back colour would lie hidden behind them.
        Cosmos_->setCouleursForme(i, couleur, couleur);
    }
}

void Sidrane::initGlissieres() {
    QStringList champs;
    for (int k = 1; k <= DernierePlanete; ++k) {
        champs << systeme.astres[k].Nom;
    }
    Tablecom_->CO->setCrans(champs, systeme.Champ);
    QStringList vitesses;
    for (int k = 1; k <= Systeme::NbVitesses; ++k) {
        vitesses << Commandes::texteVitesse(systeme.TabVitesse[k]);
    }
    Tablecom_->Tp->setCrans(vitesses, systeme.IndVitesse);
}

void Sidrane::afficheChamp() {
    Tablecom_->LbOrbite->setText(ChampOrbital::legendeOrbite(systeme.astres, systeme.Champ));
}

void Sidrane::afficheDate(const QDate& date) {
    Tablecom_->LbTemps->setText(locale.toString(date, formatDate));
}

void Sidrane::resizeEvent(QResizeEvent*) {
    // Form_Resize: the drawing area is the square of the client height, the panel beside it.
    const int h = height();
    Cosmos_->setGeometry(0, 0, h, h);
    Tablecom_->move(Cosmos_->width() + Twips::enPixels(120), 0);
    // A client area lower than the panel would cut its last controls off.
    Defilement_->place();
}

// ---- Scale and field ----

void Sidrane::FixeEchelle(int champ) {
    const ChampOrbital::Vue v = ChampOrbital::vue(systeme, champ);
    systeme.Echelle = v.Echelle;
    Cosmos_->setScale(v.coinHautGauche.x(), v.coinHautGauche.y(), v.coinBasDroit.x(),
                      v.coinBasDroit.y());
    Cosmos_->setFillSolid(false);
    for (int i = 0; i < NbAstres; ++i) {
        dimensionne(i, v.tailles[i]);
    }
    for (int i = 0; i <= DernierePlanete; ++i) {
        if (v.visibles[i]) {
            Cosmos_->setVisibleForme(i, true);
        }
    }
    if (v.luneVisible) {
        Cosmos_->setVisibleForme(Lune, *v.luneVisible);
    }
    Tablecom_->CmdLune->setEnabled(v.lunePossible);
    for (int i = 0; i <= DernierePlanete; ++i) {
        if (!v.visibles[i]) {
            Cosmos_->setVisibleForme(i, false);
        }
    }
    if (v.soleilReduit) {
        dimensionne(Soleil, *v.soleilReduit);
    }
    if (v.vitesse) {
        Tablecom_->LbVit->setText(*v.vitesse);
    }
    Tablecom_->LabCourse->setText(v.course);
}

void Sidrane::dimensionne(int astre, const ChampOrbital::TailleDisque& taille) {
    Cosmos_->setLargeurForme(astre, taille.Width);
    Cosmos_->setHauteurForme(astre, taille.Height);
    systeme.astres[astre].DecalX = taille.DecalX;
    systeme.astres[astre].DecalY = taille.DecalY;
}

void Sidrane::ChangeChamp() {
    FixeEchelle(systeme.Champ);
    Cosmos_->Cls();
    Cosmos_->deplaceForme(Soleil, systeme.astres[Soleil].DecalX, systeme.astres[Soleil].DecalY);
    cacheNoms(NbAstres - 1);
    PlaceAstres(systeme.Jours);
}

void Sidrane::PlaceAstres(int32_t jour) {
    Placement::PlaceAstres(systeme, *Cosmos_, jour);
}

void Sidrane::RemiseAZero() {
    Placement::RemiseAZero(systeme, *Cosmos_);
}

void Sidrane::cacheNoms(int dernier) {
    for (int i = 1; i <= dernier; ++i) {
        Cosmos_->montreNom(i, false);
    }
}

// ---- Clock ----

void Sidrane::regleIntervalle(int intervalle) {
    if (intervalle == 0) {
        temps.stop();
    } else {
        temps.start(intervalle);
    }
}

void Sidrane::temps_Timer() {
    // The calendar ends on 31 December 9999: a step past it stops the clock instead.
    if (!Horloge::avance(systeme)) {
        applique(Commandes::apres(systeme, Commandes::Evenement::FinDuCalendrier));
        return;
    }
    afficheDate(systeme.DateCour);
    PlaceAstres(systeme.Jours);
}

void Sidrane::CmdStart_Click() {
    applique(Commandes::apres(systeme, Commandes::Evenement::Start));
}

void Sidrane::CmdDebut_Click() {
    applique(Commandes::apres(systeme, Commandes::Evenement::Debut));
    systeme.DateCour = systeme.DateDebut;
    afficheDate(systeme.DateCour);
    RemiseAZero();
}

// An event's effect: the switches, then the controls in the order the effect lists them.
void Sidrane::applique(const Commandes::Effet& e) {
    systeme.EnMarche = e.EnMarche;
    systeme.TraceOn = e.TraceOn;
    systeme.LuneOn = e.LuneOn;
    systeme.NomsOn = e.NomsOn;
    const Tablecom* t = Tablecom_;
    activeSi(t->CmdTrace, e.traceActif);
    activeSi(t->CmdDebut, e.debutActif);
    activeSi(t->CmdCls, e.clsActif);
    if (e.nomsVisibles == true) {
        Placement::MontreNoms(systeme, *Cosmos_);
    } else if (e.nomsVisibles == false) {
        cacheNoms(systeme.Champ);
    }
    if (e.intervalle) {
        regleIntervalle(*e.intervalle);
    }
    legendeSi(t->CmdStart, e.legendeStart);
    legendeSi(t->CmdAffNom, e.legendeNoms);
    legendeSi(t->CmdTrace, e.legendeTrace);
    legendeSi(t->CmdLune, e.legendeLune);
    if (e.luneVisible) {
        Cosmos_->setVisibleForme(Lune, *e.luneVisible);
    }
    legendeSi(t->LbVit, e.vitesse);
}

// ---- Speed slider ----

void Sidrane::ImTpControl_MouseDown(double x) {
    if (Tablecom_->Tp->presse(x)) {
        systeme.GlisseTp = true;
    }
}

void Sidrane::ImTpControl_MouseMove(double x) {
    if (systeme.GlisseTp && Tablecom_->Tp->dansLaCourse(x)) {
        Tablecom_->Tp->centreBoutonSur(x);
    }
}

void Sidrane::ImTpControl_MouseUp() {
    systeme.GlisseTp = false;
}

void Sidrane::ImTpControl_Click() {
    systeme.IndVitesse = Tablecom_->Tp->cran();
    systeme.Pas = systeme.TabVitesse[systeme.IndVitesse];
}

// ---- Orbital field slider ----

void Sidrane::ImCoControl_MouseDown(double x) {
    if (Tablecom_->CO->presse(x)) {
        systeme.GlisseCO = true;
    }
}

void Sidrane::ImCoControl_MouseMove(double x) {
    if (!(systeme.GlisseCO && Tablecom_->CO->dansLaCourse(x))) {
        return;
    }
    Tablecom_->CO->centreBoutonSur(x);
    systeme.ChampGlisse = Tablecom_->CO->cran();
    if (systeme.ChampGlisse != systeme.Champ) {
        systeme.Champ = systeme.ChampGlisse;
        afficheChamp();
        ChangeChamp();
    }
}

void Sidrane::ImCoControl_MouseUp() {
    systeme.GlisseCO = false;
    ChangeChamp();
}

void Sidrane::ImCoControl_Click() {
    systeme.Champ = Tablecom_->CO->cran();
    afficheChamp();
    ChangeChamp();
}

// ---- Overlays ----

void Sidrane::CmdTrace_Click() {
    applique(Commandes::apres(systeme, Commandes::Evenement::Trace));
}

void Sidrane::CmdCls_Click() {
    Cosmos_->Cls();
    applique(Commandes::apres(systeme, Commandes::Evenement::Cls));
}

void Sidrane::CmdLune_Click() {
    applique(Commandes::apres(systeme, Commandes::Evenement::Lune));
    PlaceAstres(systeme.Jours);
}

void Sidrane::CmdAffNom_Click() {
    BasculeNoms();
}

void Sidrane::BasculeNoms() {
    applique(Commandes::apres(systeme, Commandes::Evenement::Noms));
}

void Sidrane::LabApropos_Click() {
    Debut_->montreAPropos();
}

void Sidrane::LabContact_Click() {
    Contact::ouvre();
}

void Sidrane::CmdFin_Click() {
    QCoreApplication::exit(0);
}
