#pragma once

#include <QWidget>

// The transparent strip laid over a slider that receives every mouse event over it.
// Positions are reported in twips from its left edge; any mouse button counts.
class PisteGlissiere : public QWidget {
    Q_OBJECT

public:
    explicit PisteGlissiere(QWidget* parent);

signals:
    void MouseDown(double x);
    void MouseMove(double x);
    void MouseUp(double x);
    // A press and a release both over the strip; comes after MouseUp.
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool presse = false;
};
