// A desktop portal of the tests' own on the session bus: its Settings answer
// GNOME's text scaling and the contrast preference that it is given. Says
// "ready" once the bus knows it.
//   desktop_portal TEXT_SCALING_FACTOR CONTRAST
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMetaType>

#include <cstdio>

using Portal_Settings = QMap<QString, QVariantMap>;

class Settings_Portal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    Settings_Portal(double text_scale, uint contrast)
    {
        settings_["org.gnome.desktop.interface"]["text-scaling-factor"] = text_scale;
        settings_["org.freedesktop.appearance"]["contrast"] = contrast;
    }

public slots:
    Portal_Settings ReadAll(const QStringList& namespaces)
    {
        Portal_Settings asked;
        for (const QString& name : namespaces)
            asked.insert(name, settings_.value(name));
        return asked;
    }

private:
    Portal_Settings settings_;
};

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        qFatal("usage: desktop_portal TEXT_SCALING_FACTOR CONTRAST");
    qDBusRegisterMetaType<Portal_Settings>();
    Settings_Portal portal(arguments[1].toDouble(), arguments[2].toUInt());
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(
            "/org/freedesktop/portal/desktop", &portal, QDBusConnection::ExportAllSlots)
        || !bus.registerService("org.freedesktop.portal.Desktop"))
        qFatal("the portal cannot register: %s", qPrintable(bus.lastError().message()));
    std::puts("ready");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

#include "desktop_portal.moc"
