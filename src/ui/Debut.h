// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QTimer>

class LabelCliquable;
class QFrame;

// The picture window: the splash screen at start-up, then the about box. Only the
// splash closes by itself, 5 seconds after it shows; both close on a key that types a
// character or a click on the picture. The window lives for the whole run, hidden
// between showings; its timer runs only while the splash shows, so that a stopped
// program is never woken.
class Debut : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Cache, Accueil, APropos };

    // `fenetrePrincipale` picks the screen to centre on and is told to the window
    // system as the window this one belongs to: task bars then show no entry of its
    // own, and compositors that place windows themselves centre it on the main window.
    // It is not a Qt parent: the window stays a top-level of its own.
    explicit Debut(QWidget* fenetrePrincipale = nullptr);

    Mode mode() const { return mode_; }

    // The start-up showing: modal until the timer, a key or a click closes it. While a
    // screen reader runs, the timer leaves it: its text takes longer than 5 s to say.
    void montreSplash();
    // The about box: modal until a key or a click closes it.
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
    void centre();

    QPointer<QWidget> fenetrePrincipale;
    Mode mode_ = Mode::Cache;
};
