// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ecran.h"

#include "Console.h"

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace Ecran {

namespace {

// No screen to show the program on: said, with why, and the end.
[[noreturn]] void sansEcran(const QString& pourquoi, const QStringList& details = {}) {
    QString texte =
        QStringLiteral("Sidranes ne peut pas démarrer\u00A0: aucun écran n'est disponible (%1).")
            .arg(pourquoi);
    for (const QString& d : details) {
        texte += QStringLiteral("\n  ") + d;
    }
    Console::dit(stderr, texte);
    std::_Exit(1);
}

// What the toolkit says while it opens its platform: kept, and shown only if it works.
QList<QPair<QtMsgType, QString>> recus;
QMessageLogContext contexteVide;

void garde(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        // The platform could not be opened: the toolkit would abort next. Its own words
        // follow ours, for whoever has to find out why.
        QStringList details;
        for (const auto& recu : std::as_const(recus)) {
            details << recu.second;
        }
        sansEcran(QStringLiteral("le système graphique n'a pas pu être ouvert"),
                  details << message);
    }
    recus.append({type, message});
}

// No exception may leave the event loop: it would abort with an English message.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* objet, QEvent* evenement) override {
        try {
            return QApplication::notify(objet, evenement);
        } catch (const std::exception& e) {
            arretImprevu(e);
        }
    }
};

} // namespace

void arretImprevu(const std::exception& e) {
    Console::dit(stderr, QStringLiteral("Sidranes s'arrête sur une erreur imprévue\u00A0: %1.")
                             .arg(QString::fromLocal8Bit(e.what())));
    std::_Exit(1);
}

namespace {

[[noreturn]] void refuse(const QString& raison) {
    Console::dit(stderr, QStringLiteral("Sidranes ne peut pas démarrer\u00A0: %1.").arg(raison));
    std::exit(1);
}

} // namespace

bool ecranDesigne(const QProcessEnvironment& environnement, const QStringList& arguments) {
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

namespace {

// The toolkit opens no window at 0 or below, nor at infinity, and past a few thousand
// times the pictures have less than a pixel: far beyond any real screen.
constexpr double FacteurMax = 100;

bool facteurUtilisable(const QString& texte) {
    bool nombre = false;
    const double facteur = texte.toDouble(&nombre);
    // Not a number: the toolkit leaves it aside.
    return !nombre || (facteur > 0 && facteur <= FacteurMax);
}

QString refusDeVariable(const char* variable, const QString& texte) {
    return QStringLiteral("la variable %1 vaut «\u00A0%2\u00A0»\u00A0; il faut un nombre "
                          "positif d'au plus 100, par exemple 1 ou 1.5, ou retirer la variable")
        .arg(QLatin1String(variable), texte.left(20));
}

} // namespace

std::optional<QString> refusFacteur(const QProcessEnvironment& environnement) {
    const QString texte = environnement.value(QStringLiteral("QT_SCALE_FACTOR")).trimmed();
    if (!texte.isEmpty() && !facteurUtilisable(texte)) {
        return refusDeVariable("QT_SCALE_FACTOR", texte);
    }
    // One factor per screen, "1.5;2" or "HDMI-1=1.5;DP-2=2".
    const QString parEcran = environnement.value(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
    for (const QString& entree : parEcran.split(u';', Qt::SkipEmptyParts)) {
        if (!facteurUtilisable(entree.section(u'=', -1).trimmed())) {
            return refusDeVariable("QT_SCREEN_SCALE_FACTORS", parEcran.trimmed());
        }
    }
    return std::nullopt;
}

std::optional<double> facteurDePolice(double points, const QProcessEnvironment& environnement) {
    for (const char* variable : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI"}) {
        if (environnement.contains(QLatin1String(variable))) {
            return std::nullopt;
        }
    }
    const double facteur = points / 10;
    if (!(facteur >= 1.2)) {
        return std::nullopt;
    }
    return std::min(facteur, 4.0);
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

namespace {

// The toolkit's warnings while it opens the display are held back: a missing screen
// gets one French message, not a flood.
std::unique_ptr<QApplication> demarre(int& argc, char** argv) {
    const QtMessageHandler avant = qInstallMessageHandler(garde);
    auto application = std::make_unique<Application>(argc, argv);
    qInstallMessageHandler(avant);
    for (const auto& [type, message] : std::as_const(recus)) {
        qt_message_output(type, contexteVide, message);
    }
    recus.clear();
    return application;
}

// A screen the program can paint on, or the end with a French message.
void exigeEcran() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (ecran == nullptr) {
        // A platform with no screen at all (a frame buffer that cannot be opened).
        sansEcran(QStringLiteral("le système graphique n'en a trouvé aucun"));
    }
    if (visible()) {
        if (const auto raison = refusProfondeur(ecran->depth())) {
            refuse(*raison);
        }
    }
}

} // namespace

std::unique_ptr<QApplication> ouvre(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    if (!ecranDesigne(environnement, arguments)) {
        sansEcran(QStringLiteral("ni DISPLAY ni WAYLAND_DISPLAY n'est défini"));
    }
    if (const auto raison = refusFacteur(environnement)) {
        refuse(*raison);
    }
    // The toolkit takes its own options out of argv: a second start needs them again.
    const std::vector<char*> copie(argv, argv + argc + 1);
    const int n = argc;
    std::unique_ptr<QApplication> application = demarre(argc, argv);
    exigeEcran();
    const double points = QApplication::font().pointSizeF();
    if (const auto facteur = visible() ? facteurDePolice(points, environnement) : std::nullopt) {
        // The scale is read once, as the toolkit starts: it starts again with it.
        application.reset();
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*facteur, 'g', 3));
        std::copy(copie.begin(), copie.end(), argv);
        argc = n;
        application = demarre(argc, argv);
    }
    return application;
}

} // namespace Ecran
