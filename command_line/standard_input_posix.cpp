#include "standard_input.h"

#include <iostream>
#include <string>

Read_Key Key_From_Standard_Input(Key_Direction)
{
    std::string line;
    if (!std::getline(std::cin, line))
        return QString();
    return First_Line(QString::fromLocal8Bit(line));
}
