// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the main window's tests share: opening the real window on a data file,
// pressing and dragging on the slider tracks as a user does, and reading the
// trace image of the drawing area.

#include "Cosmos.h"
#include "Glissiere.h"
#include "Sidrane.h"
#include "Tablecom.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <array>
#include <memory>

namespace AideFenetre {

inline QString donneesLivrees() {
    return QStringLiteral(SIDRANES_SOURCE_DIR "/data/sidranes.dat");
}

// Half the side of the view in km for each field of the shipped data: 1.1 times the
// field's orbit radius (1.3 for Mars), in single precision. Index 0 is no field.
inline constexpr std::array<float, 10> EchellesLivrees{
    0.0f,         63700152.0f,   119030416.0f,  164558080.0f,  296326976.0f,
    856174912.0f, 1569332992.0f, 3157723904.0f, 4948236288.0f, 6497084928.0f};

// The window as start-up makes it, not shown yet; null when the file is refused.
inline std::unique_ptr<Sidrane> cree(const QString& chemin = donneesLivrees(),
                                     const QDate& depart = {}) {
    Planetaire::Ouverture o = Planetaire::ouvre(
        {LecteurDonnees::Chemin(chemin), depart.isValid() ? std::optional(depart) : std::nullopt});
    if (const auto* refus = std::get_if<ErreurDonnees>(&o)) {
        qWarning().noquote() << refus->message();
        return nullptr;
    }
    return std::make_unique<Sidrane>(std::get<Planetaire>(std::move(o)));
}

// The window started without the splash and exposed; null when it never shows.
inline std::unique_ptr<Sidrane> ouvre(const QString& chemin = donneesLivrees(),
                                      const QDate& depart = {}) {
    auto f = cree(chemin, depart);
    if (!f) {
        return nullptr;
    }
    f->chargeSansSplash();
    if (!QTest::qWaitForWindowExposed(f.get())) {
        return nullptr;
    }
    return f;
}

// One tick of the window's clock, as its timer gives it.
inline void tic(Sidrane& f, int fois = 1) {
    auto* temps = f.findChild<QTimer*>(QStringLiteral("temps"));
    for (int k = 0; k < fois; ++k) {
        QMetaObject::invokeMethod(temps, "timeout");
    }
}

inline QPoint surPiste(const QWidget* piste, int x) {
    return QPoint(x, piste->height() / 2);
}

// x in pixels from the track's left edge (15 twips each).
inline void presse(QWidget* piste, int x, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mousePress(piste, b, Qt::NoModifier, surPiste(piste, x));
}

// A move with the button held: QTest::mouseMove does not carry it reliably offscreen.
inline void glisse(QWidget* piste, int x, Qt::MouseButtons tenus = Qt::LeftButton) {
    const QPoint p = surPiste(piste, x);
    QMouseEvent e(QEvent::MouseMove, p, piste->mapToGlobal(p), Qt::NoButton, tenus, Qt::NoModifier);
    QApplication::sendEvent(piste, &e);
}

inline void relache(QWidget* piste, int x, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseRelease(piste, b, Qt::NoModifier, surPiste(piste, x));
}

inline void clique(QWidget* piste, int x, Qt::MouseButton b = Qt::LeftButton) {
    presse(piste, x, b);
    relache(piste, x, b);
}

// Pixel on the track that centres the knob in notch k of `crans` notches of width `cran`
// (the first notch starts at the knob's lowest centre, 218 twips).
inline int milieuDuCran(int k, int cran) {
    return qRound(((k - 0.5) * cran + 217.5) / 15);
}

// What the screen shows of the drawing area once pending paints are done: the
// window's backing store as flushed, not a fresh rendering of the widget.
inline QImage ecran(const Sidrane& f) {
    QCoreApplication::processEvents();
    const Cosmos* c = f.cosmos();
    return c->screen()->grabWindow(f.winId(), c->x(), c->y(), c->width(), c->height()).toImage();
}

inline int nonNoirs(const QImage& image, const QRect& zone) {
    int n = 0;
    const QRect r = zone.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            n += (image.pixel(x, y) & 0xFFFFFF) != 0;
        }
    }
    return n;
}

inline int nonNoirs(const QImage& image) {
    return nonNoirs(image, image.rect());
}

// Whether the brightest pixel of `zone` is colour `c` laid over black at some coverage:
// antialiased outlines rarely cover a pixel in full.
inline bool teinteDe(const QImage& image, const QRect& zone, const QColor& c) {
    auto eclat = [](int r, int g, int b) { return std::max({r, g, b}); };
    QRgb vif = 0;
    const QRect r = zone.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (eclat(qRed(p), qGreen(p), qBlue(p)) > eclat(qRed(vif), qGreen(vif), qBlue(vif))) {
                vif = p;
            }
        }
    }
    const int maxP = eclat(qRed(vif), qGreen(vif), qBlue(vif));
    const int maxC = eclat(c.red(), c.green(), c.blue());
    if (maxP < maxC / 3) {
        return false;
    }
    const double a = double(maxP) / maxC;
    auto proche = [a](int p, int v) { return std::abs(p - a * v) <= 4; };
    return proche(qRed(vif), c.red()) && proche(qGreen(vif), c.green()) &&
           proche(qBlue(vif), c.blue());
}

} // namespace AideFenetre
