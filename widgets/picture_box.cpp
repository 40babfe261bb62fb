#include "picture_box.h"

#include <QPainter>

Picture_Box::Picture_Box(QWidget* parent) : QFrame(parent)
{
}

void Picture_Box::Set_Picture(const QIcon& picture)
{
    picture_ = picture;
    update();
}

QPixmap Picture_Box::Pixmap() const
{
    // The smallest size that the icon holds is the picture's own.
    const QList<QSize> sizes = picture_.availableSizes();
    return sizes.isEmpty() ? QPixmap() : picture_.pixmap(sizes.first(), devicePixelRatioF());
}

void Picture_Box::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawPixmap(contentsRect().topLeft(), Pixmap());
}
