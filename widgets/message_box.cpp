#include "message_box.h"

#include <QGridLayout>
#include <QMessageBox>

namespace {

// A message box without an icon still keeps an indent, and a column gap,
// where the icon would stand; without them the text sits evenly between the
// box's margins.
void Remove_Icon_Indent(QMessageBox& message)
{
    auto* grid = qobject_cast<QGridLayout*>(message.layout());
    if (!grid)
        return;
    for (int index = grid->count() - 1; index >= 0; --index) {
        if (QSpacerItem* indent = grid->itemAt(index)->spacerItem()) {
            grid->removeItem(indent);
            delete indent;
        }
    }
    grid->setHorizontalSpacing(0);
}

} // namespace

void Show_Message(QWidget& parent, const QString& title, const QString& text)
{
    QMessageBox message(QMessageBox::NoIcon, title, text, QMessageBox::Ok, &parent);
    message.setTextFormat(Qt::PlainText);
    Remove_Icon_Indent(message);
    message.exec();
    // Hand the keyboard back to the window whose controls the handler goes on
    // to focus; not every window manager does so by itself.
    parent.activateWindow();
}
