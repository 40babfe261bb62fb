#include "message_box.h"

#include <QMessageBox>

void Show_Message(QWidget& parent, const QString& title, const QString& text)
{
    QMessageBox message(QMessageBox::NoIcon, title, text, QMessageBox::Ok, &parent);
    message.setTextFormat(Qt::PlainText);
    message.exec();
}
