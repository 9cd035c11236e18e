// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaObject>
#include <QObject>

class QScreen;
class QWidget;
class QWindow;

// Watches the screens and, when one changes (resolution, work area, screens added
// or removed, the active window moving to another screen), brings every window of
// the program that shows back into its screen's work area.
class SurveillanceEcran : public QObject {
    Q_OBJECT

public:
    explicit SurveillanceEcran(QObject* parent = nullptr);

    // Fits `fenetre` (outer geometry, border and title bar included) into the work
    // area of its screen: each dimension that does not fit is pinned to the work
    // area's edge and size, a window past an edge is moved back inside; nothing is
    // ever enlarged or re-centred.
    static void applique(QWidget* fenetre);
    // The same rule for a top-level window about to be shown for the first time.
    // Its frame and its place are the window system's, known only once it shows:
    // the client is shrunk into the work area now, and the whole rule is applied
    // when the window is first exposed. Call before show().
    static void appliqueAuPremierAffichage(QWidget* fenetre);

public slots:
    void SysInf_DisplayChanged();

private:
    void suitEcran(QScreen* ecran);
    void suitFenetreActive(QWindow* fenetre);

    QMetaObject::Connection changementEcran;
};
