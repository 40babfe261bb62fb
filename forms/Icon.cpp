#include "Icon.h"

#include "ui_Icon.h"

Icon::Icon(QWidget* parent) : QWidget(parent)
{
    Ui::Icon().setupUi(this);
}
