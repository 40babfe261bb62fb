#pragma once

#include "chooser_form.h"

// The second chooser for users of the newer cards: the product to talk to.
class Product_Selection_KNx5 final : public Chooser_Form {
    Q_OBJECT

public:
    static constexpr int Placeholder = 4;

    explicit Product_Selection_KNx5(Application& application);

    // Unlike every other window, this one keeps working while About is open.
    void About_Click() override;

protected:
    void Option_Product_Click(int index) override;
};
