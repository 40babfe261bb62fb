#include "Product_Selection_KNx0.h"

#include "KN45_Entry.h"
#include "KN75_Entry.h"
#include "KN85_Entry.h"
#include "KN95_Entry.h"
#include "ui_Product_Selection_KNx0.h"

namespace {

// This chooser goes on past a window that fails to hide or show.
template <class Step> void Skipping_Failure(Step step)
{
    try {
        step();
    } catch (const Window_Failure&) {
    }
}

} // namespace

Product_Selection_KNx0::Product_Selection_KNx0(Application& application)
    : Chooser_Form(application, Ui::Product_Selection_KNx0(), Placeholder)
{
}

void Product_Selection_KNx0::Option_Product_Click(int index)
{
    application().Select(Option_Product(Placeholder));
    if (index < 0 || index >= Placeholder)
        return;
    Skipping_Failure([this] { application().Hide(*this); });
    Skipping_Failure([this, index] { application().Show(*Entry_Form(index)); });
}

Main_Form* Product_Selection_KNx0::Entry_Form(int index)
{
    switch (index) {
    case 0:
        return &application().Get<KN45_Entry>();
    case 1:
        return &application().Get<KN75_Entry>();
    case 2:
        return &application().Get<KN85_Entry>();
    default:
        return &application().Get<KN95_Entry>();
    }
}
