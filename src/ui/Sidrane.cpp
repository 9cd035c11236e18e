// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sidrane.h"

#include "Accessibilite.h"
#include "Calendrier.h"
#include "ChampOrbital.h"
#include "Contact.h"
#include "Cosmos.h"
#include "Debut.h"
#include "Demarrage.h"
#include "Glissiere.h"
#include "Horloge.h"
#include "LabelCliquable.h"
#include "LecteurDonnees.h"
#include "Legendes.h"
#include "PisteGlissiere.h"
#include "Placement.h"
#include "Ressources.h"
#include "SurveillanceEcran.h"
#include "Tablecom.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

Sidrane::Sidrane(const QString& chemin)
    : cheminDonnees(chemin), locale(Calendrier::localeDesDates()),
      formatDate(Calendrier::formatCourt(locale)) {
    chargeRessources();
    Accessibilite::installe();
    setObjectName(QStringLiteral("Sidrane"));
    setWindowTitle(QStringLiteral("Sidranes " SIDRANES_VERSION_COURTE));
    QIcon icone(QStringLiteral(":/icone.png"));
    icone.addFile(QStringLiteral(":/icone-128.png"));
    setWindowIcon(icone);
    QPalette p = palette();
    p.setColor(QPalette::Window, Tablecom::sable());
    setPalette(p);
    setAutoFillBackground(true);
    creeControles();
    relieControles();
    // Client area as designed: 14805 x 11655 twips.
    resize(Twips::enPixels(14805), Twips::enPixels(11655));
    temps.setTimerType(Qt::PreciseTimer);
    Debut_ = std::make_unique<Debut>(this);
}

Sidrane::~Sidrane() = default;

QString Sidrane::cheminParDefaut() {
    return LecteurDonnees::chemin(QCoreApplication::applicationDirPath());
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
}

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
    const auto largeur = static_cast<int32_t>(arrondiPair(Cosmos_->ScaleWidth()));
    Demarrage::InitSysteme(systeme, largeur, provenance);
    afficheChamp();
    afficheDate(systeme.DateDebut);
    Tablecom_->CmdTrace->setText(Legendes::MontrerTrace);
    Tablecom_->CmdTrace->setEnabled(false);
    Tablecom_->CmdCls->setEnabled(false);
    Tablecom_->CmdDebut->setEnabled(false);
    initFormesEtNoms();
    initGlissieres();
}

void Sidrane::initFormesEtNoms() {
    for (int i = 0; i < NbAstres; ++i) {
        const QColor couleur = couleurRvb(systeme.astres[i].Couleur);
        QLabel* nom = Cosmos_->nom(i);
        nom->setText(systeme.astres[i].Nom);
        nom->setAutoFillBackground(false);
        nom->hide();
        // A name is never cut: the label widens to its text.
        nom->resize(std::max(nom->width(), nom->sizeHint().width()), 16);
        QPalette p = nom->palette();
        p.setColor(QPalette::WindowText, couleur);
        nom->setPalette(p);
        // A disc shows its border and its fill; a back colour would lie hidden behind them.
        Cosmos_->setCouleursForme(i, couleur, couleur);
    }
}

void Sidrane::initGlissieres() {
    Glissiere* co = Tablecom_->CO;
    systeme.GeometrieCO =
        ReglesGlissiere::geometrie(co->largeurBouton(), co->largeurFond(), NbAstres - 2);
    co->setGaucheBouton(ReglesGlissiere::gaucheBoutonAuCran(co->gauchePiste(), systeme.Champ,
                                                            systeme.GeometrieCO.Cran));
    Glissiere* tp = Tablecom_->Tp;
    systeme.GeometrieTp =
        ReglesGlissiere::geometrie(tp->largeurBouton(), tp->largeurFond(), Systeme::NbVitesses);
    tp->setGaucheBouton(ReglesGlissiere::gaucheBoutonAuCran(tp->gauchePiste(), systeme.IndVitesse,
                                                            systeme.GeometrieTp.Cran));
    annonceCrans();
}

void Sidrane::annonceCrans() {
    QStringList champs;
    for (int k = 1; k <= DernierePlanete; ++k) {
        champs << ChampOrbital::legendeOrbite(systeme.astres, k);
    }
    Tablecom_->CO->setCrans(systeme.GeometrieCO, champs);
    QStringList vitesses;
    for (int k = 1; k <= Systeme::NbVitesses; ++k) {
        const int pas = systeme.TabVitesse[k];
        vitesses << (pas == 1 ? QStringLiteral("Vitesse : 1 jour par pas")
                              : QStringLiteral("Vitesse : %1 jours par pas").arg(pas));
    }
    Tablecom_->Tp->setCrans(systeme.GeometrieTp, vitesses);
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
        arreteHorloge(BoutonTrace::Desactive);
        return;
    }
    afficheDate(systeme.DateCour);
    PlaceAstres(systeme.Jours);
}

void Sidrane::CmdStart_Click() {
    if (systeme.EnMarche) {
        arreteHorloge(BoutonTrace::Desactive);
        return;
    }
    systeme.EnMarche = true;
    Tablecom_->CmdTrace->setEnabled(true);
    Tablecom_->CmdDebut->setEnabled(true);
    cacheNoms(systeme.Champ);
    regleIntervalle(systeme.Intervalle);
    Tablecom_->CmdStart->setText(Legendes::Arreter);
    if (systeme.NomsOn) {
        systeme.NomsOn = false;
        Tablecom_->CmdAffNom->setText(Legendes::AfficherNoms);
    }
    Tablecom_->LbVit->setText(QString::number(systeme.astres[systeme.Champ].VitesseKm));
}

// Every way of stopping the clock: start/stop, the reset, the names and the end of the
// calendar. Only the names keep the traces button, which otherwise acts only while running.
void Sidrane::arreteHorloge(BoutonTrace trace) {
    systeme.EnMarche = false;
    if (trace == BoutonTrace::Desactive) {
        Tablecom_->CmdTrace->setEnabled(false);
    }
    regleIntervalle(0);
    Tablecom_->CmdStart->setText(Legendes::Demarrer);
    Tablecom_->LbVit->setText(Legendes::VitesseArretee);
}

void Sidrane::CmdDebut_Click() {
    arreteHorloge(BoutonTrace::Desactive);
    Tablecom_->CmdDebut->setEnabled(false);
    systeme.DateCour = systeme.DateDebut;
    afficheDate(systeme.DateCour);
    RemiseAZero();
}

// ---- Speed slider ----

void Sidrane::ImTpControl_MouseDown(double x) {
    if (Tablecom_->Tp->presse(x, systeme.GeometrieTp)) {
        systeme.GlisseTp = true;
    }
}

void Sidrane::ImTpControl_MouseMove(double x) {
    if (systeme.GlisseTp && ReglesGlissiere::dansLaCourse(x, systeme.GeometrieTp)) {
        Tablecom_->Tp->centreBoutonSur(x);
    }
}

void Sidrane::ImTpControl_MouseUp() {
    systeme.GlisseTp = false;
}

void Sidrane::ImTpControl_Click() {
    systeme.IndVitesse = Tablecom_->Tp->cranDuBouton(systeme.GeometrieTp, Systeme::NbVitesses);
    systeme.Pas = systeme.TabVitesse[systeme.IndVitesse];
}

// ---- Orbital field slider ----

void Sidrane::ImCoControl_MouseDown(double x) {
    if (Tablecom_->CO->presse(x, systeme.GeometrieCO)) {
        systeme.GlisseCO = true;
    }
}

void Sidrane::ImCoControl_MouseMove(double x) {
    if (!(systeme.GlisseCO && ReglesGlissiere::dansLaCourse(x, systeme.GeometrieCO))) {
        return;
    }
    Tablecom_->CO->centreBoutonSur(x);
    systeme.ChampGlisse = Tablecom_->CO->cranDuBouton(systeme.GeometrieCO, DernierePlanete);
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
    systeme.Champ = Tablecom_->CO->cranDuBouton(systeme.GeometrieCO, DernierePlanete);
    afficheChamp();
    ChangeChamp();
}

// ---- Overlays ----

void Sidrane::CmdTrace_Click() {
    systeme.TraceOn = !systeme.TraceOn;
    Tablecom_->CmdTrace->setText(systeme.TraceOn ? Legendes::SuspendreTrace
                                                 : Legendes::MontrerTrace);
    Tablecom_->CmdCls->setEnabled(true);
}

void Sidrane::CmdCls_Click() {
    Cosmos_->Cls();
    Tablecom_->CmdCls->setEnabled(false);
}

void Sidrane::CmdLune_Click() {
    systeme.LuneOn = !systeme.LuneOn;
    Tablecom_->CmdLune->setText(systeme.LuneOn ? Legendes::CacherLune : Legendes::MontrerLune);
    if (systeme.Champ > 2) {
        Cosmos_->setVisibleForme(Lune, systeme.LuneOn);
    }
    PlaceAstres(systeme.Jours);
}

void Sidrane::CmdAffNom_Click() {
    BasculeNoms();
}

void Sidrane::BasculeNoms() {
    if (systeme.EnMarche) {
        // Names belong to the stopped clock: asking for them stops it.
        arreteHorloge(BoutonTrace::Garde);
        Tablecom_->CmdAffNom->setText(Legendes::MasquerNoms);
        Placement::MontreNoms(systeme, *Cosmos_);
        systeme.NomsOn = true;
        return;
    }
    systeme.NomsOn = !systeme.NomsOn;
    if (systeme.NomsOn) {
        Tablecom_->CmdAffNom->setText(Legendes::MasquerNoms);
        Placement::MontreNoms(systeme, *Cosmos_);
    } else {
        Tablecom_->CmdAffNom->setText(Legendes::AfficherNoms);
        cacheNoms(systeme.Champ);
    }
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
