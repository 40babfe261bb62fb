#pragma once

#include "ascii_entry_form.h"

// ASCII key of the KN75 residential gateway in, always 5 characters; its five
// hex boxes are on show from the start.
class KN75_Entry final : public Ascii_Entry_Form {
    Q_OBJECT

public:
    explicit KN75_Entry(Application& application);

protected:
    void Show_Hex_Key(const Hex_Key& key) override;

private:
    std::vector<QLineEdit*> boxes_;
};
