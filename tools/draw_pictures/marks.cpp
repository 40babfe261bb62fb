#include "marks.h"

#include "version.h"

#include <QFont>
#include <QPainter>

namespace {

constexpr QRgb Mark_Red = 0xFFFF0000;

// A red disc carrying a white T, with a swept tail under the bar. An icon
// keeps to its sixteen colours, so it is drawn without smoothing; the logo
// smooths its disc as it smooths its lettering.
void Draw_Mark(QPainter& painter, const QRect& bounds)
{
    painter.save();
    painter.translate(bounds.topLeft());
    const double scale = bounds.width() / 32.0;
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Mark_Red));
    painter.drawEllipse(QRect(2, 2, 28, 28));
    painter.setBrush(Qt::white);
    painter.drawRect(QRect(8, 8, 16, 4)); // bar of the T
    painter.drawRect(QRect(14, 12, 4, 13)); // stem
    painter.drawRect(QRect(18, 21, 5, 4)); // tail
    painter.restore();
}

} // namespace

const QList<QRgb>& Icon_Palette()
{
    // The sixteen colours of the classic display, with the window blue in
    // place of navy.
    static const QList<QRgb> palette = {
        0xFF000000,
        0xFF800000,
        0xFF008000,
        0xFF808000,
        Working_Window_Blue,
        0xFF800080,
        0xFF008080,
        0xFFC0C0C0,
        0xFF808080,
        Mark_Red,
        0xFF00FF00,
        0xFFFFFF00,
        0xFF0000FF,
        0xFFFF00FF,
        0xFF00FFFF,
        Icon_White,
    };
    return palette;
}

QImage Draw_Icon(QRgb background, int scale)
{
    QImage icon(32 * scale, 32 * scale, QImage::Format_RGB32);
    icon.fill(background);
    QPainter painter(&icon);
    painter.scale(scale, scale);
    Draw_Mark(painter, QRect(0, 0, 32, 32));
    return icon;
}

QImage Draw_Logo(int scale)
{
    QImage logo(127 * scale, 30 * scale, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    Draw_Mark(painter, QRect(1, 0, 30, 30));
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont word("DejaVu Sans");
    word.setPixelSize(22);
    word.setBold(true);
    word.setItalic(true);
    painter.setFont(word);
    painter.setPen(QColor(Mark_Red));
    painter.drawText(QRect(34, 0, 93, 30), Qt::AlignLeft | Qt::AlignVCenter, "Tarvex");
    return logo;
}

// The program's name over its working-window blue, with the mark large above
// it and the maker's logo on a white band below.
QImage Draw_Installer_Side()
{
    QImage side(164, 314, QImage::Format_RGB32);
    side.fill(Working_Window_Blue);
    QPainter painter(&side);
    painter.setRenderHint(QPainter::Antialiasing);
    Draw_Mark(painter, QRect(34, 40, 96, 96));
    QFont name("DejaVu Sans");
    name.setPixelSize(22);
    name.setBold(true);
    painter.setFont(name);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 150, 164, 40), Qt::AlignCenter, Program_Name);
    painter.fillRect(QRect(0, 254, 164, 60), Qt::white);
    painter.drawImage(QPoint(18, 269), Draw_Logo(1));
    return side;
}

// The maker's logo on white, as the heads of the pages are white.
QImage Draw_Installer_Header()
{
    QImage header(150, 57, QImage::Format_RGB32);
    header.fill(Qt::white);
    QPainter painter(&header);
    painter.drawImage(QPoint(12, 13), Draw_Logo(1));
    return header;
}
