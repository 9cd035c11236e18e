// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Demarrage.h"

#include "Arrondi.h"
#include "Calendrier.h"
#include "ChampOrbital.h"
#include "Orbite.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Demarrage {

namespace {

[[noreturn]] void refuse(const Provenance& p, const Systeme& s, int i, Rubrique r,
                         const QString& permis) {
    throw Refus::horsLimites(p, i, r, s.astres[size_t(i)].Nom, permis);
}

bool fini(double v) {
    return std::isfinite(static_cast<float>(v));
}

// True when the writing itself is a zero ("0", "-0.00", "0e5"), not a tiny number
// that only rounds to one.
bool zeroEcrit(const QString& ecrit) {
    for (const QChar c : ecrit) {
        if (c == u'e' || c == u'E') {
            break;
        }
        if (c >= u'1' && c <= u'9') {
            return false;
        }
    }
    return true;
}

void calculeDivNoms(Astres& astres) {
    for (int i = 1; i <= DernierePlanete; ++i) {
        const bool dessous = i >= 5 && i <= 8; // giants: labels below their discs
        astres[i].DivNomX = dessous ? 25 : 50;
        astres[i].DivNomY = dessous ? -200 : 100;
    }
}

void verifiePeriode(const Systeme& s, int i, const Provenance& p) {
    if (s.astres[i].Periode != 0) {
        return;
    }
    QString permis = QStringLiteral("une période différente de 0");
    if (!zeroEcrit(p.de(i, Rubrique::Periode).texte)) {
        permis += QStringLiteral(", et celle-ci est si petite qu'elle compte pour 0");
    }
    refuse(p, s, i, Rubrique::Periode, permis);
}

void calculeVitesses(Systeme& s, const Provenance& p) {
    for (int i = 1; i < NbAstres; ++i) {
        Astre& a = s.astres[i];
        verifiePeriode(s, i, p);
        if (i <= DernierePlanete) {
            const auto km = arrondiVers<int16_t>(Orbite::vitesseKm(a.RayonOrbite, a.Periode));
            if (!km) {
                refuse(p, s, i, Rubrique::Periode,
                       QStringLiteral("une période plus longue%1avec un rayon d'orbite de %2 km, "
                                      "l'astre parcourrait plus de 32 767 milliers de km par jour")
                           .arg(Refus::PointVirgule,
                                Refus::nombre(p.de(i, Rubrique::RayonOrbite).texte)));
            }
            a.VitesseKm = *km;
        }
        a.VitesseAng = Orbite::vitesseAng(a.Periode);
    }
}

void verifieDiametres(const Systeme& s, const Provenance& p) {
    for (int i = 0; i < NbAstres; ++i) {
        if (s.astres[i].Diametre < 0) {
            refuse(p, s, i, Rubrique::Diametre,
                   QStringLiteral("un nombre de pixels positif ou nul"));
        }
    }
}

void verifieRayons(const Systeme& s, const Provenance& p) {
    for (int champ = 1; champ <= DernierePlanete; ++champ) {
        const Astre& a = s.astres[champ];
        // Every radius is held to the widest margin, whatever its field's own.
        if (!(a.RayonOrbite > 0) || !fini(double(a.RayonOrbite) * ChampOrbital::MargeMax)) {
            refuse(p, s, champ, Rubrique::RayonOrbite,
                   QStringLiteral("un nombre de km plus grand que 0 et d'au plus 2,6 × 10^38"));
        }
        const float echelle = ChampOrbital::echelle(s.astres, champ);
        for (int i = 0; i < NbAstres; ++i) {
            const float largeur =
                ChampOrbital::largeurDisque(s.astres[i].Diametre, echelle, s.LargeurCosmos);
            if (!std::isfinite(largeur)) {
                refuse(p, s, i, Rubrique::Diametre,
                       QStringLiteral(
                           "un diamètre plus petit%1à l'échelle du champ orbital allant jusqu'à "
                           "%2, le disque serait infini")
                           .arg(Refus::PointVirgule, Refus::affichable(a.Nom)));
            }
        }
    }
    const Astre& lune = s.astres[Lune];
    if (!fini(std::fabs(double(lune.RayonOrbite)) + double(s.astres[Terre].RayonOrbite))) {
        refuse(p, s, Lune, Rubrique::RayonOrbite,
               QStringLiteral("une distance à la Terre plus petite%1la position de la Lune "
                              "serait infinie")
                   .arg(Refus::PointVirgule));
    }
}

// The angle grows with the day count and is never reduced: it must stay finite
// up to the last day the calendar can reach.
void verifieAngles(const Systeme& s, const Provenance& p) {
    const double joursMax = s.JoursMax;
    for (int i = 1; i < NbAstres; ++i) {
        const Astre& a = s.astres[i];
        if (!fini(std::fabs(double(a.VitesseAng)) * joursMax + std::fabs(double(a.AngleInitial)))) {
            refuse(p, s, i, Rubrique::Periode,
                   QStringLiteral("une période plus longue%1l'astre tournerait si vite que sa "
                                  "position deviendrait infinie avant le 31 décembre 9999")
                       .arg(Refus::PointVirgule));
        }
    }
}

// Back in time, a file that passed the check above may still turn some body so fast
// that its angle overflows before the calendar's first day: the clock stops sooner.
int32_t joursMin(const Systeme& s) {
    double jours = s.DateDebut.daysTo(Calendrier::premierJour());
    for (int i = 1; i < NbAstres; ++i) {
        const Astre& a = s.astres[i];
        const double v = std::fabs(double(a.VitesseAng));
        if (v > 0) {
            // A hair below the largest float, so that rounding the angle never reaches it.
            const double reste =
                0.999 * std::numeric_limits<float>::max() - std::fabs(a.AngleInitial);
            jours = std::max(jours, std::ceil(-reste / v));
        }
    }
    return static_cast<int32_t>(std::min(jours, 0.0));
}

} // namespace

void InitSysteme(Systeme& s, double largeurCosmos, const Provenance& p) {
    s.DegRad = Orbite::degRad();
    calculeDivNoms(s.astres);
    s.LargeurCosmos = static_cast<int32_t>(arrondiPair(largeurCosmos));
    s.JoursMax = static_cast<int32_t>(s.DateDebut.daysTo(Calendrier::dernierJour()));
    calculeVitesses(s, p);
    verifieDiametres(s, p);
    verifieRayons(s, p);
    verifieAngles(s, p);
    s.JoursMin = joursMin(s);
}

} // namespace Demarrage
