#pragma once

#include <QMetaObject>
#include <QObject>

class QScreen;
class QWidget;
class QWindow;

// Watches the screens and, when one changes (resolution, work area, screens added
// or removed, the active window moving to another screen), shrinks the program's
// active window back into its screen's work area.
class SurveillanceEcran : public QObject {
    Q_OBJECT

public:
    explicit SurveillanceEcran(QObject* parent = nullptr);

public slots:
    void SysInf_DisplayChanged();

private:
    void suitEcran(QScreen* ecran);
    void suitFenetreActive(QWindow* fenetre);
    static void applique(QWidget* fenetre);

    QMetaObject::Connection changementEcran;
};
