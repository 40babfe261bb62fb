#include "KN45_Entry.h"

#include "ui_KN45_Entry.h"

KN45_Entry::KN45_Entry(Application& application)
    : Two_Size_Entry_Form(application, Ui::KN45_Entry())
{
}
