// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoiteRefus.h"
#include "Ecran.h"
#include "Francais.h"
#include "LecteurDonnees.h"
#include "LigneDeCommande.h"
#include "MemoireFenetre.h"
#include "Polices.h"
#include "Sidrane.h"
#include "SurveillanceEcran.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    LigneDeCommande::repondSansEcran(argc, argv);
    const std::unique_ptr<QApplication> application = Ecran::ouvre(argc, argv);
    const LecteurDonnees::Chemin chemin = LigneDeCommande::cheminDonnees(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(SIDRANES_VERSION));
    // Where the window's size and place are kept: ~/.config/Sidranes/sidranes.conf.
    QApplication::setOrganizationName(QStringLiteral("Sidranes"));
    QApplication::setApplicationName(QStringLiteral("sidranes"));
    // Wayland ignores window icons: the desktop ties the window to its menu entry,
    // and so to its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.sidranes.Sidranes"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    Polices::charge();
    Francais::charge();
    SurveillanceEcran surveillance;
    Planetaire::Ouverture ouverture = Planetaire::ouvre({chemin, {}});
    if (const auto* refus = std::get_if<ErreurDonnees>(&ouverture)) {
        BoiteRefus::montre(refus->message());
        return 1;
    }
    Sidrane fenetre(std::get<Planetaire>(std::move(ouverture)));
    MemoireFenetre::restaure(&fenetre);
    fenetre.Form_Load();
    const int statut = QApplication::exec();
    MemoireFenetre::garde(&fenetre);
    return statut;
}
