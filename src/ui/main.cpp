// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoiteRefus.h"
#include "Capture.h"
#include "Console.h"
#include "Ecran.h"
#include "Francais.h"
#include "LigneDeCommande.h"
#include "MemoireFenetre.h"
#include "Polices.h"
#include "Sidrane.h"
#include "SurveillanceEcran.h"

#include <QApplication>
#include <cstdio>
#include <vector>

namespace {

int fenetre(Planetaire planetaire, const LigneDeCommande::Demande& demande) {
    SurveillanceEcran surveillance;
    Sidrane fenetre(std::move(planetaire));
    MemoireFenetre::restaure(&fenetre);
    // -qwindowgeometry: the window fitted to the screen as it shows, like any other.
    if (demande.taille) {
        fenetre.resize(*demande.taille);
    }
    if (demande.place) {
        fenetre.move(*demande.place);
    }
    fenetre.Form_Load();
    const int statut = QApplication::exec();
    MemoireFenetre::garde(&fenetre);
    return statut;
}

int capture(Planetaire planetaire, const Capture::Options& options) {
    if (const auto erreur = Capture::ecrit(std::move(planetaire), options)) {
        Console::dit(stderr, QStringLiteral("sidranes\u00A0: %1.").arg(*erreur));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const LigneDeCommande::Demande demande = LigneDeCommande::lit(argc, argv);
    const bool enCapture = demande.quoi == LigneDeCommande::Demande::Quoi::Capture;
    // A picture needs no screen: none is looked for, and none is shown.
    if (enCapture && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Only the toolkit's own options: after "--" the arguments are file names.
    std::vector<char*> argvQt;
    for (int i : demande.argumentsQt) {
        argvQt.push_back(argv[i]);
    }
    argvQt.push_back(nullptr);
    int argcQt = int(argvQt.size()) - 1;
    const std::unique_ptr<QApplication> application = Ecran::ouvre(argcQt, argvQt.data());
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
    Planetaire::Ouverture ouverture =
        Planetaire::ouvre({LigneDeCommande::cheminDonnees(demande), demande.depart});
    if (const auto* refus = std::get_if<ErreurDonnees>(&ouverture)) {
        BoiteRefus::montre(refus->message());
        return 1;
    }
    auto& planetaire = std::get<Planetaire>(ouverture);
    try {
        return enCapture ? capture(std::move(planetaire), demande.capture)
                         : fenetre(std::move(planetaire), demande);
    } catch (const std::exception& e) {
        Ecran::arretImprevu(e);
    }
}
