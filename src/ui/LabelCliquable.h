#pragma once

#include <QLabel>

// A label that reports a click: a press and a release of the left button over it.
class LabelCliquable : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool presse = false;
};
