#include "message_box.h"

#include <QMessageBox>

void Show_Message(QWidget& parent, const QString& title, const QString& text)
{
    QMessageBox message(QMessageBox::NoIcon, title, text, QMessageBox::Ok, &parent);
    message.setTextFormat(Qt::PlainText);
    message.exec();
    // Hand the keyboard back to the window whose controls the handler goes on
    // to focus; not every window manager does so by itself.
    parent.activateWindow();
}
