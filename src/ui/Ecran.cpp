// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ecran.h"

#include <QApplication>
#include <QScreen>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Ecran {

namespace {

const char* const SansEcran = "Sidranes ne peut pas démarrer\u00A0: aucun écran n'est disponible";

// What the toolkit says while it opens its platform: kept, and shown only if it works.
QList<QPair<QtMsgType, QString>> recus;
QMessageLogContext contexteVide;

void garde(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        // The platform could not be opened: the toolkit would abort next. Its own words
        // follow ours, for whoever has to find out why.
        std::fprintf(stderr, "%s (le système graphique n'a pas pu être ouvert).\n", SansEcran);
        for (const auto& recu : std::as_const(recus)) {
            std::fprintf(stderr, "  %s\n", qUtf8Printable(recu.second));
        }
        std::fprintf(stderr, "  %s\n", qUtf8Printable(message));
        std::_Exit(1);
    }
    recus.append({type, message});
}

[[noreturn]] void refuse(const QString& raison) {
    std::fprintf(stderr, "Sidranes ne peut pas démarrer\u00A0: %s.\n", qUtf8Printable(raison));
    std::exit(1);
}

} // namespace

bool annonce(const QProcessEnvironment& environnement, const QStringList& arguments) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!environnement.value(QLatin1String(variable)).isEmpty()) {
            return true;
        }
    }
    return arguments.contains(QStringLiteral("-platform"));
#else
    (void)environnement;
    (void)arguments;
    return true;
#endif
}

std::optional<QString> refusFacteur(const QProcessEnvironment& environnement) {
    const QString texte = environnement.value(QStringLiteral("QT_SCALE_FACTOR")).trimmed();
    if (texte.isEmpty()) {
        return std::nullopt;
    }
    bool nombre = false;
    const double facteur = texte.toDouble(&nombre);
    if (!nombre || (facteur > 0 && std::isfinite(facteur))) {
        return std::nullopt; // not a number: the toolkit leaves it aside
    }
    return QStringLiteral("la variable QT_SCALE_FACTOR vaut «\u00A0%1\u00A0»\u00A0; il faut un "
                          "nombre positif, par exemple 1 ou 1.5, ou retirer la variable")
        .arg(texte.left(20));
}

std::optional<QString> refusProfondeur(int profondeur) {
    if (profondeur >= 16) {
        return std::nullopt;
    }
    return QStringLiteral("l'écran n'affiche que %1 couleurs (%2 bits par point)\u00A0; il en "
                          "faut au moins 65\u00A0536 (16 bits)")
        .arg(QString::number(1 << std::clamp(profondeur, 1, 15)), QString::number(profondeur));
}

bool visible() {
    const QString plateforme = QGuiApplication::platformName();
    return plateforme != QLatin1String("offscreen") && plateforme != QLatin1String("minimal");
}

std::unique_ptr<QApplication> ouvre(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    if (!annonce(environnement, arguments)) {
        std::fprintf(stderr, "%s (ni DISPLAY ni WAYLAND_DISPLAY n'est défini).\n", SansEcran);
        std::exit(1);
    }
    if (const auto raison = refusFacteur(environnement)) {
        refuse(*raison);
    }
    const QtMessageHandler avant = qInstallMessageHandler(garde);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(avant);
    for (const auto& [type, message] : std::as_const(recus)) {
        qt_message_output(type, contexteVide, message);
    }
    recus.clear();
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (visible() && ecran != nullptr) {
        if (const auto raison = refusProfondeur(ecran->depth())) {
            refuse(*raison);
        }
    }
    return application;
}

} // namespace Ecran
