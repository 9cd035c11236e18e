// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoiteRefus.h"

#include "Console.h"
#include "Ecran.h"

#include <QEvent>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cstdio>

namespace BoiteRefus {

namespace {

// Break opportunities (zero-width spaces) in runs of text longer than a line, paths
// mostly: after each slash and at least every 30 characters.
QString coupable(const QString& message) {
    constexpr qsizetype Longueur = 30;
    QString resultat;
    resultat.reserve(message.size() + message.size() / Longueur);
    qsizetype debut = 0;
    while (debut < message.size()) {
        qsizetype fin = debut;
        while (fin < message.size() && !message[fin].isSpace()) {
            ++fin;
        }
        const QStringView mot = QStringView(message).mid(debut, fin - debut);
        qsizetype depuis = 0;
        for (qsizetype i = 0; i < mot.size(); ++i) {
            resultat += mot[i];
            const bool cesure = mot[i] == u'/' || ++depuis >= Longueur;
            if (mot.size() > Longueur && cesure && i + 1 < mot.size() &&
                !mot[i].isHighSurrogate()) {
                resultat += QChar(0x200B);
                depuis = 0;
            }
        }
        if (fin < message.size()) {
            resultat += message[fin];
        }
        debut = fin + 1;
    }
    return resultat;
}

// Qt gives a message box at most half the screen's width: on a small screen a long
// message runs past the bottom, OK with it. Such a box takes the screen's whole width,
// without its icon if need be, so that it fits below a title bar.
class Boite : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    // Qt sizes the box again on each layout request: the fit must follow.
    bool event(QEvent* event) override {
        const bool traite = QMessageBox::event(event);
        if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest) {
            tientDansLEcran();
        }
        return traite;
    }

private:
    void tientDansLEcran() {
        const QRect zone = screen()->availableGeometry();
        if (height() + BarreDeTitre <= zone.height()) {
            return;
        }
        const int largeur = zone.width() - 2 * Bord;
        // Each step gives the text more room: the whole width, no icon, narrow margins.
        for (int etape = 0; etape < 3; ++etape) {
            if (etape == 1) {
                setIcon(NoIcon);
            } else if (etape == 2) {
                layout()->setContentsMargins(Bord, Bord, Bord, Bord);
                layout()->setSpacing(Bord);
            }
            layout()->activate();
            const int hauteur = layout()->totalHeightForWidth(largeur);
            setFixedSize(largeur, std::min(hauteur, zone.height() - BarreDeTitre));
            // Qt centred the box at its former size: centred again, frame included.
            windowHandle()->setFramePosition(
                {zone.x(), zone.y() + (zone.height() - height() - BarreDeTitre) / 2});
            if (hauteur + BarreDeTitre <= zone.height()) {
                return;
            }
        }
    }

    // What a window manager commonly draws around a window.
    static constexpr int BarreDeTitre = 30;
    static constexpr int Bord = 4;
};

} // namespace

std::unique_ptr<QMessageBox> cree(const QString& message) {
    auto boite = std::make_unique<Boite>(QMessageBox::Critical, QStringLiteral("Sidranes"),
                                         coupable(message), QMessageBox::Ok);
    boite->setTextFormat(Qt::PlainText);
    boite->setObjectName(QStringLiteral("BoiteRefus"));
    return boite;
}

void montre(const QString& message) {
    Console::dit(stderr, message);
    // Offscreen, no one could answer the box: the message on stderr is all.
    if (Ecran::visible()) {
        cree(message)->exec();
    }
}

} // namespace BoiteRefus
