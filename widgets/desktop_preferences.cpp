#include "desktop_preferences.h"

#include <QtGui/private/qhighdpiscaling_p.h>

#include <algorithm>

namespace {

// GNOME's largest text scaling; Windows' goes to 2.25. A smaller text than
// designed is not taken: nothing would gain, and the pictures would blur.
constexpr double Largest_Text_Scale = 3.0;

} // namespace

void Apply_Text_Scale(double factor)
{
    const double bounded = std::clamp(factor, 1.0, Largest_Text_Scale);
    if (bounded == 1.0 || qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return;
    // What QT_SCALE_FACTOR sets; the windows are not made yet.
    QHighDpiScaling::setGlobalFactor(bounded);
}
