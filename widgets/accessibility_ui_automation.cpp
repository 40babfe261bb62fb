#include "accessibility.h"

#include <QAccessibleEvent>
#include <QLineEdit>

void Show_Focused_Result(QLineEdit& box, const QString& text)
{
    box.setText(text);
    box.setFocus();
    box.selectAll();
    // The focus change speaks the box's name and text; without it, a notification does.
    if (!box.hasFocus())
        Notify(box, box.accessibleName() + QStringLiteral(": ") + box.text());
}

// Qt 6.8 raises a UI Automation notification for an announcement (a changed
// text value is only a changed property).
void Notify(QWidget& source, const QString& text)
{
    QAccessibleAnnouncementEvent announcement(&source, text);
    QAccessible::updateAccessibility(&announcement);
}

bool Through_UI_Automation()
{
    return true;
}
