#pragma once

#include "chooser_form.h"

// The second chooser for users of the older cards: the product to talk to.
class Product_Selection_KNx0 final : public Chooser_Form {
    Q_OBJECT

public:
    static constexpr int Placeholder = 4;

    explicit Product_Selection_KNx0(Application& application);

protected:
    void Option_Product_Click(int index) override;

private:
    Main_Form* Entry_Form(int index);
};
