#pragma once

#include "main_form.h"

#include <vector>

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

    std::vector<QLineEdit*> boxes_;
    QLineEdit* key_box_;
};
