#pragma once

#include <QRadioButton>

// An option button that stays a tab stop of its own. Qt lets only the focused
// member of a group keep its tab stop; the choosers' designed focus order
// walks every visible choice.
class Option_Button : public QRadioButton {
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

protected:
    void focusInEvent(QFocusEvent* event) override;
};
