// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tablecom.h"

#include "Accessibilite.h"
#include "AjusteLegende.h"
#include "BoutonSable.h"
#include "Glissiere.h"
#include "LabelCliquable.h"
#include "Legendes.h"
#include "MarqueFocus.h"
#include "Polices.h"
#include "Ressources.h"
#include "Twips.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

const QColor Afficheur(221, 205, 174);
const QColor GrisFonce(64, 64, 64);
const QString RegleLaVitesse = QStringLiteral("Règle la vitesse");

void colorie(QWidget* w, QPalette::ColorRole role, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}

} // namespace

QPalette Tablecom::paletteDessinee() {
    const QColor s = sable();
    QPalette p;
    p.setColor(QPalette::Window, s);
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::Button, s);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Light, s.lighter(125));
    p.setColor(QPalette::Midlight, s.lighter(108));
    p.setColor(QPalette::Dark, s.darker(150));
    p.setColor(QPalette::Shadow, s.darker(300));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, s.darker(200));
    return p;
}

Tablecom::Tablecom(QWidget* parent) : QWidget(parent) {
    chargeRessources();
    setObjectName(QStringLiteral("Tablecom"));
    setAccessibleName(QStringLiteral("Commandes"));
    setAutoFillBackground(true);
    setPalette(paletteDessinee());
    setFocusPolicy(Qt::TabFocus);

    LbTitre = label<QLabel>("LbTitre", QStringLiteral("Sidranes - 2007"), {120, 120, 2655, 375});
    LbTitre->setFrameStyle(QFrame::Box | QFrame::Plain);
    LbTitre->setAlignment(Qt::AlignCenter);
    LbTitre->setAutoFillBackground(true);
    colorie(LbTitre, QPalette::Window, QColor(255, 128, 0));
    colorie(LbTitre, QPalette::WindowText, QColor(0, 0, 192));
    LbTitre->setFont(Polices::comic(9.75, true));

    CmdDebut = bouton("CmdDebut", QStringLiteral("Début"), {240, 720, 855, 375});
    CmdStart = bouton("CmdStart", Legendes::Demarrer, {1620, 720, 975, 375});
    CmdTrace = bouton("CmdTrace", Legendes::MontrerTrace, {240, 1440, 2370, 375});
    CmdCls = bouton("CmdCls", QStringLiteral("Effacer les traces"), {240, 1920, 2370, 375});
    CmdLune = bouton("CmdLune", Legendes::MontrerLune, {240, 2400, 2370, 375});
    CmdAffNom = bouton("CmdAffNom", Legendes::AfficherNomsAuDepart, {240, 2880, 2370, 375});
    CmdAffNom->setToolTip(QStringLiteral("toto"));
    // What screen readers say of the button in place of its tooltip.
    CmdAffNom->setAccessibleDescription(
        QStringLiteral("Montre ou cache le nom des planètes du champ"));
    LbOrbite = afficheur("LbOrbite", QString(), {240, 3840, 2370, 255});
    LabDate = label<QLabel>("LabDate", QStringLiteral("Date"), {480, 5400, 495, 255});
    LbTemps = afficheur("LbTemps", QString(), {1080, 5400, 1530, 255});
    Accessibilite::luALaDemande(LbTemps);
    LabCourse = label<QLabel>("LabCourse", QStringLiteral("Distance parcourue par"),
                              {240, 6600, 2415, 255});
    LbVit = afficheur("LbVit", Legendes::VitesseArretee, {480, 6960, 600, 255});
    Labkm = label<QLabel>("Labkm", QStringLiteral("x 1000 km/jour"), {1170, 6975, 1215, 255});
    CmdFin = bouton("CmdFin", QStringLiteral("Quitter Sidranes"), {240, 7440, 2370, 375});
    creeGlissieres();
    creeLiens();
    suitLegendes();
    // Screen readers say each read-out with its caption (labelled-by / label-for).
    LabDate->setBuddy(LbTemps);
    LabCourse->setBuddy(LbVit);
    Labkm->setBuddy(LbVit);
    LbOrbite->setBuddy(CO);
}

void Tablecom::suitLegendes() {
    // No caption is ever cut, whatever fonts the machine has.
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) {
            AjusteLegende::suit(w);
        }
    }
}

QPushButton* Tablecom::bouton(const char* nom, const QString& texte, const QRect& twips) {
    auto* b = new BoutonSable(texte, this);
    b->setObjectName(QLatin1String(nom));
    b->setGeometry(Twips::rectPixels(twips));
    b->setFont(Polices::tahoma(8.25));
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

template <typename Label>
Label* Tablecom::label(const char* nom, const QString& texte, const QRect& twips) {
    auto* l = new Label(texte, this);
    l->setObjectName(QLatin1String(nom));
    // Names from the data file are shown as written, never read as markup.
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(Twips::rectPixels(twips));
    l->setFont(Polices::tahoma(8.25));
    return l;
}

QLabel* Tablecom::afficheur(const char* nom, const QString& texte, const QRect& twips) {
    QLabel* l = label<QLabel>(nom, texte, twips);
    l->setFrameStyle(QFrame::Box | QFrame::Plain);
    l->setAlignment(Qt::AlignCenter);
    l->setAutoFillBackground(true);
    colorie(l, QPalette::Window, Afficheur);
    return l;
}

void Tablecom::creeGlissieres() {
    const QPixmap fond = imageRessource(QStringLiteral(":/fond-glissiere.png"));
    CO = new Glissiere(this, imageRessource(QStringLiteral(":/boule-orange.png")), fond,
                       {{240, 4240, 2370, 495}, {360, 4390, 285, 300}, {240, 4240}});
    CO->setObjectName(QStringLiteral("ImCoControl"));
    CO->setAccessibleName(QStringLiteral("Champ orbital"));
    // The field slider's background says it too, where its track leaves it bare.
    CO->setBulles(QString(), RegleLaVitesse);
    Tp = new Glissiere(this, imageRessource(QStringLiteral(":/boule-verte.png")), fond,
                       {{240, 5880, 2370, 495}, {360, 6030, 285, 300}, {240, 5880}});
    Tp->setObjectName(QStringLiteral("ImTpControl"));
    Tp->setAccessibleName(QStringLiteral("Vitesse"));
    Tp->setBulles(RegleLaVitesse, QString());
}

void Tablecom::creeLiens() {
    LabApropos =
        label<LabelCliquable>("LabApropos", QStringLiteral("A propos de"), {360, 8040, 1095, 255});
    LabContact =
        label<LabelCliquable>("LabContact", QStringLiteral("Contact"), {1680, 8040, 855, 255});
    for (QLabel* lien : {static_cast<QLabel*>(LabApropos), static_cast<QLabel*>(LabContact)}) {
        lien->setFont(Polices::tahoma(8.25, true));
        colorie(lien, QPalette::WindowText, GrisFonce);
        // Reached with Tab only: a click on a link keeps the focus where it was.
        lien->setFocusPolicy(Qt::TabFocus);
    }
    LabContact->setCursor(QCursor(QPixmap(QStringLiteral(":/main.png")), 12, 1));
}

void Tablecom::paintEvent(QPaintEvent*) {
    if (MarqueFocus::visible(this)) {
        QPainter p(this);
        MarqueFocus::dessine(p, rect(), MarqueFocus::surSable());
    }
}
