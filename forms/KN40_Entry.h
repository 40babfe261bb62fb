#pragma once

#include "main_form.h"

#include <vector>

class QFocusEvent;
class QLineEdit;

// Hex boxes of the older cards in, the ASCII key for the newer cards' Client
// Manager out, selected and ready to copy.
class KN40_Entry final : public Main_Form {
    Q_OBJECT

public:
    explicit KN40_Entry(Application& application);

    void Convert_Button_Click();
    void Text_128_Bit_Keys_GotFocus(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Report(const QString& message);
    void Move_Focus_To_Box(int index);
    void Box_Focus_Changed(int index, const QFocusEvent& event);

    std::vector<QLineEdit*> boxes_;
    QLineEdit* key_box_;
    // The box that held the focus when the user left the window, for a menu
    // or a popup; the focus coming back there is no move into the box.
    QLineEdit* box_left_ = nullptr;
};
