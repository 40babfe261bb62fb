#include "desktop_preferences.h"

#include <QtGlobal>

#include <windows.h>

namespace {

// Settings > Accessibility > Text size, in per cent.
double Text_Size_Setting()
{
    DWORD per_cent = 100;
    DWORD size = sizeof per_cent;
    const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Accessibility",
        L"TextScaleFactor", RRF_RT_REG_DWORD, nullptr, &per_cent, &size);
    return status == ERROR_SUCCESS ? per_cent / 100.0 : 1.0;
}

// KEYWRIGHT_HIGH_CONTRAST=1 stands for a contrast theme where none can be
// switched on (Wine); the colours are still the system's own.
bool Contrast_Theme_On()
{
    if (qEnvironmentVariableIntValue("KEYWRIGHT_HIGH_CONTRAST") == 1)
        return true;
    HIGHCONTRASTW contrast{sizeof contrast, 0, nullptr};
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0)
        && (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

QColor System_Colour(int element)
{
    const COLORREF colour = GetSysColor(element);
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

// The system colours, which a contrast theme sets, read here rather than
// through Qt's platform theme: Qt 6.8 gives its own colours in dark mode.
QPalette System_Palette()
{
    QPalette palette(System_Colour(COLOR_WINDOWTEXT), System_Colour(COLOR_BTNFACE),
        System_Colour(COLOR_BTNHIGHLIGHT), System_Colour(COLOR_BTNSHADOW),
        System_Colour(COLOR_BTNSHADOW), System_Colour(COLOR_WINDOWTEXT),
        System_Colour(COLOR_WINDOW), System_Colour(COLOR_WINDOW), System_Colour(COLOR_BTNFACE));
    palette.setColor(QPalette::ButtonText, System_Colour(COLOR_BTNTEXT));
    palette.setColor(QPalette::Midlight, System_Colour(COLOR_3DLIGHT));
    palette.setColor(QPalette::Shadow, System_Colour(COLOR_3DDKSHADOW));
    palette.setColor(QPalette::Highlight, System_Colour(COLOR_HIGHLIGHT));
    palette.setColor(QPalette::HighlightedText, System_Colour(COLOR_HIGHLIGHTTEXT));
    palette.setColor(QPalette::Link, System_Colour(COLOR_HOTLIGHT));
    palette.setColor(QPalette::LinkVisited, System_Colour(COLOR_HOTLIGHT));
    palette.setColor(QPalette::ToolTipBase, System_Colour(COLOR_INFOBK));
    palette.setColor(QPalette::ToolTipText, System_Colour(COLOR_INFOTEXT));
    palette.setColor(QPalette::PlaceholderText, System_Colour(COLOR_GRAYTEXT));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, System_Colour(COLOR_GRAYTEXT));
    return palette;
}

} // namespace

Desktop_Preferences Read_Desktop_Preferences()
{
    Desktop_Preferences preferences;
    preferences.Text_Scale = Text_Size_Setting();
    if (Contrast_Theme_On())
        preferences.Contrast_Colours = System_Palette();
    return preferences;
}
