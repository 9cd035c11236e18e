// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

class Glissiere;
class LabelCliquable;
class QLabel;
class QPushButton;

// The command panel beside the drawing area: buttons, read-outs, the two sliders
// and the links, placed at their designed positions (in twips).
class Tablecom : public QWidget {
    Q_OBJECT

public:
    explicit Tablecom(QWidget* parent);

    // The sand colour of the window, the panel and its buttons.
    static QColor sable() { return QColor(243, 214, 165); }
    // The designed colours of the window, the panel and its buttons, the same in every
    // colour group: black texts on sand, the bevels' shades drawn from the sand, and
    // disabled captions dimmed over a light copy (the Light role). Only these roles
    // are set: a dark or high-contrast desktop keeps none of its own light texts on
    // the sand, and the rest of the palette stays the desktop's.
    static QPalette paletteDessinee();

    QLabel* LbTitre;
    QPushButton* CmdDebut;
    QPushButton* CmdStart;
    QPushButton* CmdTrace;
    QPushButton* CmdCls;
    QPushButton* CmdLune;
    QPushButton* CmdAffNom;
    QLabel* LbOrbite;
    Glissiere* CO; // orbital field slider: ImCoControl over ImBouleCO and ImFondSlCO
    QLabel* LabDate;
    QLabel* LbTemps;
    Glissiere* Tp; // speed slider: ImTpControl over ImBouleTp and ImFondSlTp
    QLabel* LabCourse;
    QLabel* LbVit;
    QLabel* Labkm;
    QPushButton* CmdFin;
    LabelCliquable* LabApropos;
    LabelCliquable* LabContact;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* bouton(const char* nom, const QString& texte, const QRect& twips);
    template <typename Label>
    Label* label(const char* nom, const QString& texte, const QRect& twips);
    QLabel* afficheur(const char* nom, const QString& texte, const QRect& twips);
    void creeGlissieres();
    void creeLiens();
    void suitLegendes();
};
