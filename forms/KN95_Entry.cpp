#include "KN95_Entry.h"

#include "ui_KN95_Entry.h"

KN95_Entry::KN95_Entry(Application& application)
    : Two_Size_Entry_Form(application, Ui::KN95_Entry())
{
}
