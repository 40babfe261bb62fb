#pragma once

#include <QFrame>
#include <QIcon>

// Shows a picture unscaled from the top-left corner of its interior, cut off
// at its border; a picture larger than the box loses its right and bottom.
// The picture comes as an icon so that Qt picks its "@2x" file by itself on
// a display of twice the density.
class Picture_Box : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QIcon picture READ Picture WRITE Set_Picture)

public:
    explicit Picture_Box(QWidget* parent = nullptr);

    QIcon Picture() const { return picture_; }
    void Set_Picture(const QIcon& picture);

    // The picture as drawn on this box's display.
    QPixmap Pixmap() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon picture_;
};
