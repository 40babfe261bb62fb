#pragma once

#include <QPalette>
#include <QProxyStyle>

#include <optional>

class QApplication;
class QFont;
class QWidget;

// The look the windows were designed in, whatever the desktop's theme: the
// classic light dialog colours, the dialog font everywhere, menus and message
// boxes included, and text boxes over the pictures framed like the fields
// drawn beneath them. Under a contrast theme the windows take its colours
// instead, drawn the classic way, and Give_Way_To_Contrast gives up the few
// colours that the layouts set.
void Apply_Look(QApplication& application, const QFont& dialog_font,
    const std::optional<QPalette>& contrast_colours);

// Every role of every colour group, so that no desktop palette shows through.
QPalette Classic_Palette();

// White on black with a yellow selection, as the desktops' inverse contrast
// themes have it.
QPalette Inverse_Contrast_Palette();

// The contrast ratio of two colours, 1 to 21, as readability guidelines count it.
double Contrast_Ratio(const QColor& a, const QColor& b);

// Whether every text of the palette reads on its ground at 7:1 or more.
bool Is_Contrast_Palette(const QPalette& palette);

// The window's controls take the application's colours, not the layout's own.
void Give_Way_To_Contrast(QWidget& window);

// Gives the text boxes that lie over a picture the classic sunken frame and
// margins in every desktop style, so they match the drawn fields.
void Dress_Fields_Over_Pictures(QWidget& client_area);

// The desktop's own widget style (on Windows the one of Windows 10, also on
// Windows 11, whose own style draws controls of another shape), with two
// changes: a menu bar command under the mouse or the keyboard is always
// highlighted (some styles highlight only commands that open a menu, and the
// menu bars here have none), and dialog buttons carry no icons.
class Classic_Style : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr, QStyleHintReturn* data = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override;
};
