// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class Glissiere;

// What a screen reader sees of a slider: a slider whose value is the notch the knob
// stands in, spoken as the notch's text ("15 jours par pas"). Setting the value acts as
// the keys do: a click in the middle of that notch. The notch's text is also the
// slider's one line of read-only text, which screen readers review in place of a
// percentage of the travel.
class AccesGlissiere : public QAccessibleWidget,
                       public QAccessibleValueInterface,
                       public QAccessibleTextInterface {
public:
    explicit AccesGlissiere(Glissiere* glissiere);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& valeur) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    QString text(int debut, int fin) const override;
    int characterCount() const override;
    void selection(int index, int* debut, int* fin) const override;
    int selectionCount() const override;
    void addSelection(int debut, int fin) override;
    void removeSelection(int index) override;
    void setSelection(int index, int debut, int fin) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int debut, int fin) override;
    QString attributes(int offset, int* debut, int* fin) const override;

private:
    Glissiere* glissiere() const;
};
