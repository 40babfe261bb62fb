#pragma once

#include <QFrame>
#include <QPixmap>

// Shows a picture unscaled from the top-left corner of its interior, cut off
// at its border; a picture larger than the box loses its right and bottom.
class Picture_Box : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QPixmap picture READ Picture WRITE Set_Picture)

public:
    explicit Picture_Box(QWidget* parent = nullptr);

    QPixmap Picture() const { return picture_; }
    void Set_Picture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
