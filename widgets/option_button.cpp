#include "option_button.h"

void Option_Button::focusInEvent(QFocusEvent* event)
{
    // Skips the button's own handler, which takes the tab stops of the others.
    QWidget::focusInEvent(event);
}
