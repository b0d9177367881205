#include "platform/linux_parts.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QtGui/qguiapplication_platform.h>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace noktaris::linuxos {

namespace {

DisplayChange changeX11Size(Display* display)
{
    const Window root = DefaultRootWindow(display);
    XRRScreenConfiguration* config = XRRGetScreenInfo(display, root);
    if (!config)
        return DisplayChange::Failed;
    int count = 0;
    XRRScreenSize* sizes = XRRConfigSizes(config, &count);
    Rotation rotation = 0;
    XRRConfigCurrentConfiguration(config, &rotation);
    DisplayChange result = DisplayChange::Failed;
    for (int i = 0; i < count; ++i) {
        if (sizes[i].width == 1024 && sizes[i].height == 768) {
            const Status status = XRRSetScreenConfig(display, config, root, i, rotation, CurrentTime);
            result = status == Success ? DisplayChange::Done : DisplayChange::Failed;
            break;
        }
    }
    XRRFreeScreenConfigInfo(config);
    XSync(display, False);
    return result;
}

} // namespace

QSize screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

DisplayChange changeDisplayTo1024x768()
{
    if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        if (Display* display = x11->display())
            return changeX11Size(display);
    }
    return DisplayChange::Failed;
}

void openDisplaySettings()
{
    const QList<QStringList> candidates{
        {QStringLiteral("gnome-control-center"), QStringLiteral("display")},
        {QStringLiteral("systemsettings"), QStringLiteral("kcm_kscreen")},
        {QStringLiteral("xfce4-display-settings")},
        {QStringLiteral("lxqt-config-monitor")},
        {QStringLiteral("arandr")},
        {QStringLiteral("lxrandr")},
    };
    for (const QStringList& command : candidates) {
        const QString program = QStandardPaths::findExecutable(command.first());
        if (!program.isEmpty() && QProcess::startDetached(program, command.mid(1)))
            return;
    }
}

} // namespace noktaris::linuxos
