// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QTimer>

class LabelCliquable;
class QFrame;

// The picture window: the splash screen at start-up, then the about box. Its tag
// is the mode marker: only while it reads "Début" does the timer close it.
//
// The window lives for the whole run. "Unloading" it (any closing) hides it,
// stops its timer and empties its tag; "loading" it starts the timer again. The
// timer runs only while the window shows: hidden, nothing it does can be seen, and
// it would wake a stopped program every 5 seconds.
class Debut : public QDialog {
    Q_OBJECT

public:
    static inline const QString MarqueSplash = QStringLiteral("Début");

    // `fenetrePrincipale` picks the screen to centre on and is told to the window
    // system as the window this one belongs to: task bars then show no entry of its
    // own, and compositors that place windows themselves centre it on the main window.
    // It is not a Qt parent: the window stays a top-level of its own.
    explicit Debut(QWidget* fenetrePrincipale = nullptr);

    QString Tag() const { return tag; }
    // Like any property of an unloaded window, setting the tag loads it.
    void setTag(const QString& texte);

    // The start-up showing: modal until the timer, a key or a click closes it;
    // then the window stays hidden with an empty tag, ready as the about box.
    void montreSplash();
    // The about box: modal, with whatever tag the window has.
    void montreAPropos();

    QFrame* Frame1;
    LabelCliquable* Image1;
    QTimer Timer1;

public slots:
    void Timer1_Timer();
    void Image1_Click();
    // Escape, the window manager's close and every other closing end up here.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void creeControles();
    void charge();
    void centre();

    QPointer<QWidget> fenetrePrincipale;
    QString tag;
    bool charge_ = false;
};
