#include "desktop_preferences.h"

#include "classic_look.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace {

using Portal_Settings = QMap<QString, QVariantMap>;

constexpr char Portal_Service[] = "org.freedesktop.portal.Desktop";
constexpr char Appearance[] = "org.freedesktop.appearance";
constexpr char Gnome_Interface[] = "org.gnome.desktop.interface";
// A portal that is running answers within a few milliseconds; one that hangs
// keeps the first window no longer than this.
constexpr int Portal_Time_Limit_Ms = 100;

// The desktop's settings as its portal gives them. A portal that is not
// running is not started for this, so without one nothing waits.
Portal_Settings Read_Portal_Settings()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(Portal_Service))
        return {};
    auto request = QDBusMessage::createMethodCall(Portal_Service, "/org/freedesktop/portal/desktop",
        "org.freedesktop.portal.Settings", "ReadAll");
    request << QStringList{Appearance, Gnome_Interface};
    const QDBusMessage reply = bus.call(request, QDBus::Block, Portal_Time_Limit_Ms);
    Portal_Settings settings;
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        reply.arguments().first().value<QDBusArgument>() >> settings;
    return settings;
}

// GNOME's Large Text. An X server's Xft.dpi carries it already, and Qt
// scales by that; a Wayland compositor's scale does not.
double Text_Scale(const Portal_Settings& settings)
{
    if (!QGuiApplication::platformName().startsWith(u"wayland"))
        return 1.0;
    return settings.value(Gnome_Interface).value("text-scaling-factor", 1.0).toDouble();
}

bool Contrast_Asked(const Portal_Settings& settings)
{
    return settings.value(Appearance).value("contrast").toUInt() == 1;
}

} // namespace

Desktop_Preferences Read_Desktop_Preferences()
{
    const Portal_Settings settings = Read_Portal_Settings();
    Desktop_Preferences preferences;
    preferences.Text_Scale = Text_Scale(settings);
    // The desktop's own palette where its theme is one of contrast, else ours.
    if (Contrast_Asked(settings)) {
        const QPalette desktop = QApplication::palette();
        preferences.Contrast_Colours
            = Is_Contrast_Palette(desktop) ? desktop : Inverse_Contrast_Palette();
    }
    return preferences;
}
