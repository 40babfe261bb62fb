#pragma once

#include "ascii_entry_form.h"

// ASCII key of the KN95 access point in, 5 or 13 hex boxes out.
class KN95_Entry final : public Two_Size_Entry_Form {
    Q_OBJECT

public:
    explicit KN95_Entry(Application& application);
};
