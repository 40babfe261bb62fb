#include "KN85_Entry.h"

#include "ui_KN85_Entry.h"

KN85_Entry::KN85_Entry(Application& application)
    : Two_Size_Entry_Form(application, Ui::KN85_Entry())
{
}
