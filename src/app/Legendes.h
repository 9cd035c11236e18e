// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The captions the buttons change between, each written once. Toggle buttons show the
// action their next click performs.
namespace Legendes {

inline const QString Demarrer = QStringLiteral("Démarrer");
inline const QString Arreter = QStringLiteral("Arrêter");
inline const QString MontrerTrace = QStringLiteral("Montrer la trace des planètes");
inline const QString SuspendreTrace = QStringLiteral("Suspendre la trace des planètes");
inline const QString MontrerLune = QStringLiteral("Montrer la Lune");
inline const QString CacherLune = QStringLiteral("Cacher la Lune");
// The button's designed caption has a capital N; the captions set later do not.
inline const QString AfficherNomsAuDepart = QStringLiteral("Afficher Noms planètes");
inline const QString AfficherNoms = QStringLiteral("Afficher noms planètes");
inline const QString MasquerNoms = QStringLiteral("Masquer noms planètes");
inline const QString VitesseArretee = QStringLiteral("0"); // LbVit while stopped

} // namespace Legendes
