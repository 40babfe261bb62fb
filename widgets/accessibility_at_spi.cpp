#include "accessibility.h"

#include <QAccessibleEvent>
#include <QLineEdit>

void Show_Focused_Result(QLineEdit& box, const QString& text)
{
    // Only where the focus will come: in a window that has the keyboard.
    if (box.window()->isActiveWindow()) {
        QAccessibleEvent focus(&box, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    box.setText(text);
    box.setFocus();
    box.selectAll();
    QAccessibleTextCursorEvent cursor(&box, box.cursorPosition());
    QAccessible::updateAccessibility(&cursor);
}

// Orca keeps an appearing notification object in its history, but not an
// announcement.
void Notify(QWidget&, const QString&)
{
}

bool Through_UI_Automation()
{
    return false;
}
