#include "classic_look.h"

#include "picture_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleHints>
#include <QStyleOptionMenuItem>

#include <algorithm>
#include <cmath>

namespace {

const QColor Face(212, 208, 200);
const QColor Face_Shadow(128, 128, 128);
const QColor Dark_Shadow(64, 64, 64);
const QColor Selection_Blue(10, 36, 106);

// The classic style draws the sunken two-pixel frame of the dialogs in the
// pictures; one instance serves every box.
QStyle* Drawn_Field_Style()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create("Windows");
        style->setParent(qApp);
    }
    return style;
}

} // namespace

QPalette Classic_Palette()
{
    QPalette palette(Qt::black, Face, Qt::white, Face_Shadow, QColor(160, 160, 160), Qt::black,
        Qt::white, Qt::white, Face);
    palette.setColor(QPalette::Midlight, Face);
    palette.setColor(QPalette::Shadow, Dark_Shadow);
    palette.setColor(QPalette::AlternateBase, QColor(245, 245, 245));
    palette.setColor(QPalette::Highlight, Selection_Blue);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Link, Qt::blue);
    palette.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
    palette.setColor(QPalette::PlaceholderText, Face_Shadow);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, Face_Shadow);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, Face_Shadow);
    return palette;
}

QPalette Inverse_Contrast_Palette()
{
    const QColor yellow(255, 255, 0);
    QPalette palette(Qt::white, Qt::black, Qt::white, Qt::gray, Qt::gray, Qt::white, Qt::white,
        Qt::black, Qt::black);
    palette.setColor(QPalette::Highlight, yellow);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::ToolTipBase, Qt::black);
    palette.setColor(QPalette::ToolTipText, Qt::white);
    palette.setColor(QPalette::Link, yellow);
    palette.setColor(QPalette::LinkVisited, yellow);
    palette.setColor(QPalette::PlaceholderText, Qt::lightGray);
    // Green, as Windows' own inverse theme gives disabled text.
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(63, 242, 63));
    return palette;
}

double Contrast_Ratio(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& colour) {
        auto linear = [](double channel) {
            return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
            + 0.0722 * linear(colour.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

bool Is_Contrast_Palette(const QPalette& palette)
{
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::WindowText, QPalette::Window}, {QPalette::Text, QPalette::Base},
        {QPalette::ButtonText, QPalette::Button}, {QPalette::HighlightedText, QPalette::Highlight}};
    return std::all_of(std::begin(pairs), std::end(pairs), [&palette](const auto& pair) {
        return Contrast_Ratio(palette.color(pair.first), palette.color(pair.second)) >= 7.0;
    });
}

void Apply_Look(QApplication& application, const QFont& dialog_font,
    const std::optional<QPalette>& contrast_colours)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Light whatever the desktop's scheme: a dark one would give the menus,
    // the title bars and the style's own colours the dark palette.
    if (!contrast_colours)
        QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
#endif
    // Under a contrast theme Windows draws its controls the classic way, in
    // the theme's colours; so does the classic style on every desktop, where
    // others keep shades of their own (Windows 10's buttons stay light).
    const char* base_style = contrast_colours ? "Windows" : KEYWRIGHT_BASE_STYLE;
    // A new style brings back the theme's fonts for menus and message boxes
    // (Segoe UI on Windows); the application font, set after it, clears them.
    application.setStyle(new Classic_Style(QStyleFactory::create(base_style)));
    application.setPalette(contrast_colours.value_or(Classic_Palette()));
    QApplication::setFont(dialog_font);
}

void Give_Way_To_Contrast(QWidget& window)
{
    window.setPalette(QPalette());
    for (auto* control : window.findChildren<QWidget*>())
        control->setPalette(QPalette());
}

void Dress_Fields_Over_Pictures(QWidget& client_area)
{
    const auto pictures = client_area.findChildren<Picture_Box*>();
    for (auto* box : client_area.findChildren<QLineEdit*>()) {
        const bool over_a_picture
            = std::any_of(pictures.begin(), pictures.end(), [box](const Picture_Box* picture) {
                  return box->geometry().intersects(picture->geometry());
              });
        if (over_a_picture)
            box->setStyle(Drawn_Field_Style());
    }
}

int Classic_Style::styleHint(
    StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* data) const
{
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
}

void Classic_Style::drawControl(ControlElement element, const QStyleOption* option,
    QPainter* painter, const QWidget* widget) const
{
    const auto* command = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuBarItem && command && (command->state & State_Selected)) {
        QStyleOptionMenuItem highlighted = *command;
        highlighted.state |= State_Sunken;
        QProxyStyle::drawControl(element, &highlighted, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}
