#pragma once

#include "chooser_form.h"

// The first chooser: the product that the user is using.
class Which_PC_Card final : public Chooser_Form {
    Q_OBJECT

public:
    static constexpr int Placeholder = 5;

    explicit Which_PC_Card(Application& application);

protected:
    void Option_Product_Click(int index) override;
};
