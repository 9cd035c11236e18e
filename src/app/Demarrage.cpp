#include "Demarrage.h"

#include "Arrondi.h"
#include "Calendrier.h"
#include "LecteurDonnees.h"
#include "Orbite.h"

#include <cmath>

namespace Demarrage {

namespace {

constexpr std::array<int32_t, Systeme::NbVitesses> Vitesses{1,  2,  3,  4,  6,  8,
                                                            10, 15, 20, 40, 60, 100};

[[noreturn]] void refuse(const QString& fichier, int i, const Astre& a, const QString& quoi) {
    throw ErreurDonnees(QStringLiteral("Fichier de données « %1 » : l'astre n° %2 (« %3 ») %4")
                            .arg(fichier)
                            .arg(i)
                            .arg(a.Nom, quoi));
}

bool fini(double v) {
    return std::isfinite(static_cast<float>(v));
}

void calculeDivNoms(Astres& astres) {
    for (int i = 1; i <= DernierePlanete; ++i) {
        const bool dessous = i >= 5 && i <= 8; // giants: labels below their discs
        astres[i].DivNomX = dessous ? 25 : 50;
        astres[i].DivNomY = dessous ? -200 : 100;
    }
}

void calculeVitesses(Systeme& s, const QString& fichier) {
    for (int i = 1; i < NbAstres; ++i) {
        Astre& a = s.astres[i];
        if (a.Periode == 0) {
            refuse(fichier, i, a, QStringLiteral("a une période de 0 jour."));
        }
        if (i <= DernierePlanete) {
            const auto km = arrondiVers<int16_t>(Orbite::vitesseKm(a.RayonOrbite, a.Periode));
            if (!km) {
                refuse(fichier, i, a,
                       QStringLiteral("parcourrait plus de 32 767 milliers de km par jour "
                                      "(rayon %1 km, période %2 jours).")
                           .arg(a.RayonOrbite)
                           .arg(a.Periode));
            }
            a.VitesseKm = *km;
        }
        a.VitesseAng = Orbite::vitesseAng(a.Periode);
    }
}

} // namespace

namespace {

void verifieRayons(const Systeme& s, const QString& fichier) {
    for (int champ = 1; champ <= DernierePlanete; ++champ) {
        const Astre& a = s.astres[champ];
        if (!(a.RayonOrbite > 0) || !fini(double(a.RayonOrbite) * 1.3)) {
            refuse(fichier, champ, a,
                   QStringLiteral("a un rayon d'orbite de %1 km : il faut un nombre positif "
                                  "et moins grand.")
                       .arg(a.RayonOrbite));
        }
        const double echelle = static_cast<float>(double(a.RayonOrbite) * 1.3);
        for (int i = 0; i < NbAstres; ++i) {
            if (!fini(double(s.astres[i].Diametre) * 2 * echelle / s.LargeurCosmos)) {
                refuse(fichier, i, s.astres[i],
                       QStringLiteral("a un diamètre trop grand (%1).").arg(s.astres[i].Diametre));
            }
        }
    }
    const Astre& lune = s.astres[Lune];
    if (!fini(std::fabs(double(lune.RayonOrbite)) + double(s.astres[Terre].RayonOrbite))) {
        refuse(fichier, Lune, lune,
               QStringLiteral("est trop loin de la Terre (%1 km).").arg(lune.RayonOrbite));
    }
}

// The angle grows with the day count and is never reduced: it must stay finite
// up to the last day the calendar can reach.
void verifieAngles(const Systeme& s, const QString& fichier) {
    const double joursMax = double(s.DateDebut.daysTo(Calendrier::dernierJour()));
    for (int i = 1; i < NbAstres; ++i) {
        const Astre& a = s.astres[i];
        if (!fini(std::fabs(double(a.VitesseAng)) * joursMax + std::fabs(double(a.AngleInitial)))) {
            refuse(fichier, i, a,
                   QStringLiteral("a une période trop courte (%1 jours) : sa position "
                                  "deviendrait infinie.")
                       .arg(a.Periode));
        }
    }
}

} // namespace

void InitSysteme(Systeme& s, int32_t largeurCosmos, const QString& fichier) {
    s.Intervalle = 20;
    s.Champ = 3;
    s.IndVitesse = 1;
    s.DegRad = Orbite::degRad();
    calculeDivNoms(s.astres);
    std::copy(Vitesses.begin(), Vitesses.end(), s.TabVitesse.begin() + 1);
    s.Pas = s.TabVitesse[s.IndVitesse];
    s.LargeurCosmos = largeurCosmos;
    calculeVitesses(s, fichier);
    verifieRayons(s, fichier);
    verifieAngles(s, fichier);
}

} // namespace Demarrage
