#pragma once

#include <QLabel>
#include <QStringList>

// A label whose caption starts a new line after every run of spaces. Such a
// caption was laid out with runs measured for one font; breaking at the runs
// keeps its lines whatever font stands in. A piece too long for the width
// wraps within itself. The text, and so what assistive tools read, stays the
// caption as designed.
class Space_Run_Label : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The lines as they are drawn, top to bottom.
    QStringList Lines() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
