#include "Glissiere.h"

#include "PisteGlissiere.h"
#include "Twips.h"

#include <QLabel>
#include <QPixmap>

namespace {

QRect enPixels(const QRectF& twips) {
    return Twips::rectPixels(twips.left(), twips.top(), twips.width(), twips.height());
}

} // namespace

Glissiere::Glissiere(QWidget* panneau, const QString& nom, const Images& images, const Geometrie& g)
    : QObject(panneau), ImControl(new PisteGlissiere(panneau)), ImBoule(new QLabel(panneau)),
      ImFondSl(new QLabel(panneau)), geoPiste(g.piste), geoBouton(g.bouton), geoFond(g.fond) {
    ImControl->setObjectName(QStringLiteral("Im%1Control").arg(nom));
    ImBoule->setObjectName(QStringLiteral("ImBoule%1").arg(nom));
    ImFondSl->setObjectName(QStringLiteral("ImFondSl%1").arg(nom));

    ImFondSl->setPixmap(images.fond);
    geoFond.setSize(QSizeF(Twips::depuisPixels(images.fond.width()),
                           Twips::depuisPixels(images.fond.height())));
    ImFondSl->setGeometry(enPixels(geoFond));
    ImBoule->setPixmap(images.bouton);
    ImBoule->setScaledContents(true);
    ImBoule->setGeometry(enPixels(geoBouton));
    ImControl->setGeometry(enPixels(geoPiste));

    // Front to back: track, knob, background.
    ImFondSl->lower();
    ImBoule->raise();
    ImControl->raise();
}

void Glissiere::setGaucheBouton(double gauche) {
    geoBouton.moveLeft(gauche);
    ImBoule->move(Twips::enPixels(gauche), ImBoule->y());
}

void Glissiere::centreBoutonSur(double x) {
    setGaucheBouton(ReglesGlissiere::gaucheBoutonSous(x, gaucheFond(), largeurBouton()));
}

int Glissiere::cranDuBouton(const ReglesGlissiere::Geometrie& g, int nbCrans) const {
    return ReglesGlissiere::cranDuBouton(gaucheBouton(), gauchePiste(), g, nbCrans);
}

bool Glissiere::presse(double x, const ReglesGlissiere::Geometrie& g) {
    if (!ReglesGlissiere::dansLesMarges(x, largeurFond())) {
        return false;
    }
    centreBoutonSur(ReglesGlissiere::borne(x, g));
    return true;
}
