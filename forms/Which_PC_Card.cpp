#include "Which_PC_Card.h"

#include "Product_Selection_KNx0.h"
#include "Product_Selection_KNx5.h"
#include "ui_Which_PC_Card.h"

Which_PC_Card::Which_PC_Card(Application& application)
    : Chooser_Form(application, Ui::Which_PC_Card(), Placeholder)
{
}

void Which_PC_Card::Option_Product_Click(int index)
{
    // Options 0 to 2 are the newer cards, 3 and 4 the older ones. The next
    // chooser comes up before this one goes.
    if (index < 3) {
        application().Show(application().Get<Product_Selection_KNx5>());
        application().Hide(*this);
    } else if (index < Placeholder) {
        application().Show(application().Get<Product_Selection_KNx0>());
        application().Hide(*this);
    }
}
