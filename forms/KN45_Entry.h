#pragma once

#include "ascii_entry_form.h"

// ASCII key of peer to peer with the newer cards in, 5 or 13 hex boxes out.
class KN45_Entry final : public Two_Size_Entry_Form {
    Q_OBJECT

public:
    explicit KN45_Entry(Application& application);
};
