// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Debut.h"

#include "LabelCliquable.h"
#include "Ressources.h"
#include "Twips.h"

#include <QAccessible>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

namespace {

constexpr int IntervalleTimer1 = 5000;
const QSize TailleDessinee(Twips::enPixels(7290), Twips::enPixels(4935));

// The picture leaves its version's line blank, under the subtitle: the version is
// written here, in the picture's own lettering, so that a release needs no new picture.
QPixmap imageDebut() {
    QPixmap image = imageRessource(QStringLiteral(":/debut.jpg"));
    QPainter p(&image);
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(12);
    p.setFont(police);
    p.setPen(QColor(170, 185, 230));
    p.drawText(QRectF(122, 112, 400, 24), Qt::AlignCenter,
               QStringLiteral("Version " SIDRANES_VERSION));
    return image;
}

} // namespace

Debut::Debut(QWidget* fenetrePrincipale)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint), fenetrePrincipale(fenetrePrincipale) {
    chargeRessources();
    setObjectName(QStringLiteral("Debut"));
    setAccessibleName(QStringLiteral("Sidranes"));
    // The text of the picture, for those who cannot see it.
    setAccessibleDescription(
        QStringLiteral("Sidranes. Un planétaire pour le bureau. Version %1. Logiciel libre, "
                       "licence GPL 3 ou ultérieure — © 2026 l'équipe Sidranes. Appuyez sur une "
                       "touche ou cliquez sur l'image.")
            .arg(QStringLiteral(SIDRANES_VERSION)));
    // Never larger than designed, but a screen too small for it may shrink it.
    setMaximumSize(TailleDessinee);
    resize(TailleDessinee);
    creeControles();
    Timer1.setInterval(IntervalleTimer1);
    connect(&Timer1, &QTimer::timeout, this, &Debut::Timer1_Timer);
    connect(Image1, &LabelCliquable::clicked, this, &Debut::Image1_Click);
}

void Debut::creeControles() {
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setGeometry(Twips::rectPixels(120, 60, 7080, 4785));

    Image1 = new LabelCliquable(Frame1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Sidranes : les planètes sur fond noir"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(imageDebut());
    Image1->setGeometry(Twips::rectPixels(0, 120, 7005, 4605));
}

void Debut::montreSplash() {
    mode_ = Mode::Accueil;
    exec();
}

void Debut::montreAPropos() {
    mode_ = Mode::APropos;
    exec();
}

void Debut::reject() {
    mode_ = Mode::Cache;
    Timer1.stop();
    QDialog::reject();
}

void Debut::Timer1_Timer() {
    if (mode_ == Mode::Accueil && !QAccessible::isActive()) {
        reject();
    }
}

void Debut::Image1_Click() {
    reject();
}

void Debut::keyPressEvent(QKeyEvent* event) {
    // Any key that types a character closes, Enter and Escape included; keys that
    // type nothing (arrows, function keys, modifiers alone) do not. X11 gives Delete
    // the character U+007F and Tab a tab, which in no text would stand: they move, not
    // type.
    const int cle = event->key();
    if (event->text().isEmpty() || event->text() == QStringLiteral("\x7f") || cle == Qt::Key_Tab ||
        cle == Qt::Key_Backtab) {
        event->ignore();
        return;
    }
    reject();
}

void Debut::showEvent(QShowEvent* event) {
    // Before the native window is mapped, which is when the window system reads it.
    if (fenetrePrincipale && fenetrePrincipale->windowHandle()) {
        windowHandle()->setTransientParent(fenetrePrincipale->windowHandle());
    }
    centre();
    if (mode_ == Mode::Accueil) {
        Timer1.start();
    }
    QDialog::showEvent(event);
}

void Debut::hideEvent(QHideEvent* event) {
    Timer1.stop();
    QDialog::hideEvent(event);
}

void Debut::centre() {
    QScreen* ecran =
        fenetrePrincipale ? fenetrePrincipale->screen() : QGuiApplication::primaryScreen();
    if (!ecran) {
        return;
    }
    // Shown again at its designed size, unless the screen has become too small for it.
    resize(TailleDessinee.boundedTo(ecran->availableGeometry().size()));
    // No title bar and no border: the outer size is the client size.
    QRect cadre(QPoint(), size());
    cadre.moveCenter(ecran->geometry().center());
    move(cadre.topLeft());
}
