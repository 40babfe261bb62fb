#pragma once

#include <QPalette>

#include <optional>

// What a user who sees poorly has asked of every program on the desktop: a
// larger text size, and a contrast theme's colours.
struct Desktop_Preferences {
    // 1 for the designed size, as the system gives it.
    double Text_Scale = 1.0;
    // The colours of a contrast theme, where the user has one on.
    std::optional<QPalette> Contrast_Colours;
};

// Asks the system, once the display is open and before the first window.
Desktop_Preferences Read_Desktop_Preferences();

// Scales every window that is still to come, whole, on top of the monitor's
// own scale, from 1 to the desktops' largest; a scale factor that the user
// set for Qt programs wins.
void Apply_Text_Scale(double factor);
