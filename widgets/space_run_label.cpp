#include "space_run_label.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

QStringList Space_Run_Label::Lines() const
{
    static const QRegularExpression space_run(" {2,}");
    QStringList lines;
    for (const QString& piece : text().split(space_run, Qt::SkipEmptyParts)) {
        QTextLayout layout(piece, font());
        QTextOption wrapping;
        wrapping.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(wrapping);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(contentsRect().width());
            lines << piece.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    return lines;
}

void Space_Run_Label::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QFontMetrics metrics(font());
    QPoint baseline = contentsRect().topLeft() + QPoint(0, metrics.ascent());
    for (const QString& line : Lines()) {
        painter.drawText(baseline, line);
        baseline.ry() += metrics.height();
    }
}
