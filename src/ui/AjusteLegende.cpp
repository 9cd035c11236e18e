// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AjusteLegende.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

// Below this the text is no longer worth reading: it is drawn as it comes.
constexpr qreal PlusPetite = 5;
constexpr qreal Pas = 0.25;

QString legende(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        return b->text();
    }
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        return l->text();
    }
    return QString();
}

// Where the text may go: a button's label area less 2 px of air on each side, so
// that the text never touches the bevel; a label's contents less 1 px on each side.
QSizeF place(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(b);
        const QRect r = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
        return QSizeF(r.width() - 4, r.height());
    }
    const QRect r = w->contentsRect();
    return QSizeF(r.width() - 2, r.height());
}

bool tient(const QString& texte, const QFont& police, const QSizeF& place) {
    const QFontMetricsF mesure(police);
    return mesure.horizontalAdvance(texte) <= place.width() && mesure.height() <= place.height();
}

} // namespace

AjusteLegende::AjusteLegende(QWidget* controle)
    : QObject(controle), controle(controle), propre(controle->font()) {
    controle->installEventFilter(this);
}

void AjusteLegende::suit(QWidget* controle) {
    if (!controle->findChild<AjusteLegende*>(QString(), Qt::FindDirectChildrenOnly)) {
        new AjusteLegende(controle);
    }
}

QFont AjusteLegende::quiTient(const QWidget* controle, const QString& texte, const QFont& police) {
    const QSizeF ici = place(controle);
    QFont resultat = police;
    for (qreal points = police.pointSizeF(); points > PlusPetite && !tient(texte, resultat, ici);
         points -= Pas) {
        resultat.setPointSizeF(points - Pas);
    }
    return resultat;
}

bool AjusteLegende::eventFilter(QObject*, QEvent* evenement) {
    if (evenement->type() == QEvent::FontChange && !ajustement) {
        propre = controle->font();
        mesure.reset();
    } else if (evenement->type() == QEvent::Paint) {
        ajuste();
    }
    return false;
}

// Measured again only when the text or the size changed: the date label repaints 50
// times a second with a new text, most buttons never change.
void AjusteLegende::ajuste() {
    const Mesure maintenant{legende(controle), controle->size()};
    if (mesure == maintenant) {
        return;
    }
    mesure = maintenant;
    const QFont police = quiTient(controle, maintenant.texte, propre);
    if (police != controle->font()) {
        ajustement = true;
        controle->setFont(police);
        ajustement = false;
    }
}
