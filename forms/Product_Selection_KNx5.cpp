#include "Product_Selection_KNx5.h"

#include "KN40_Entry.h"
#include "ui_Product_Selection_KNx5.h"

Product_Selection_KNx5::Product_Selection_KNx5(Application& application)
    : Chooser_Form(application, Ui::Product_Selection_KNx5(), Placeholder)
{
}

void Product_Selection_KNx5::About_Click()
{
    application().Show_About(*this, About_Modality::Modeless);
}

void Product_Selection_KNx5::Option_Product_Click(int index)
{
    if (index != 0)
        return;
    application().Select(Option_Product(Placeholder));
    application().Hide(*this);
    application().Show(application().Get<KN40_Entry>());
}
