#include "picture_box.h"

#include <QPainter>

Picture_Box::Picture_Box(QWidget* parent) : QFrame(parent)
{
}

void Picture_Box::Set_Picture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void Picture_Box::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawPixmap(contentsRect().topLeft(), picture_);
}
