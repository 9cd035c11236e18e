// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ecran.h"

#include <QApplication>
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

} // namespace

bool annonce(const QProcessEnvironment& environnement, const QStringList& arguments) {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!environnement.value(QLatin1String(variable)).isEmpty()) {
            return true;
        }
    }
    return arguments.contains(QStringLiteral("-platform"));
}

std::unique_ptr<QApplication> ouvre(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (!annonce(QProcessEnvironment::systemEnvironment(), arguments)) {
        std::fprintf(stderr, "%s (ni DISPLAY ni WAYLAND_DISPLAY n'est défini).\n", SansEcran);
        std::exit(1);
    }
    const QtMessageHandler avant = qInstallMessageHandler(garde);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(avant);
    for (const auto& [type, message] : std::as_const(recus)) {
        qt_message_output(type, contexteVide, message);
    }
    recus.clear();
    return application;
}

} // namespace Ecran
