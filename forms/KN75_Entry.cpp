#include "KN75_Entry.h"

#include "controls.h"
#include "ui_KN75_Entry.h"

#include <QLineEdit>

KN75_Entry::KN75_Entry(Application& application)
    : Ascii_Entry_Form(application, Ui::KN75_Entry(), Ascii_Key_Rule::Five_Only),
      boxes_(Find_Control_Row<QLineEdit>(*this, "Text_64_Bit_Keys"))
{
}

void KN75_Entry::Show_Hex_Key(const Hex_Key& key)
{
    // Its boxes are on show from the start, so showing them changes nothing.
    Fill_Boxes(boxes_, key);
}
