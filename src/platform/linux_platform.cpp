#include "platform/platform.h"

#include "common/version.h"

#include "common/paths.h"
#include "common/safe_write.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkInterface>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QtGui/qguiapplication_platform.h>

#include <optional>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace noktaris {

namespace {

std::unique_ptr<Platform>& current()
{
    static std::unique_ptr<Platform> instance = makeLinuxPlatform();
    return instance;
}

// XRandR on an X11 session: pick the 1024 x 768 mode among the screen's sizes.
// X cannot change the colour depth of a running server, so only the size changes.
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

bool hasRunningInterface()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& i : interfaces) {
        const auto flags = i.flags();
        if ((flags & QNetworkInterface::IsUp) && (flags & QNetworkInterface::IsRunning)
            && !(flags & QNetworkInterface::IsLoopBack) && !i.addressEntries().isEmpty())
            return true;
    }
    return false;
}

// A small file from the web: the whole body, or nullopt on an error, a body past
// kMaxDownload or no answer within timeoutMs. The wait keeps the events going.
constexpr qint64 kMaxDownload = 1 << 20;

std::optional<QByteArray> fetch(const QUrl& url, int timeoutMs)
{
    QNetworkAccessManager manager;
    // A proxy of the environment has no business with this computer's own addresses.
    if (QHostAddress(url.host()).isLoopback() || url.host() == QStringLiteral("localhost"))
        manager.setProxy(QNetworkProxy::NoProxy);
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxDownload)
            reply->abort();
    });
    if (!reply->isFinished())
        loop.exec();
    const bool ok = reply->isFinished() && reply->error() == QNetworkReply::NoError;
    std::optional<QByteArray> body;
    if (ok)
        body = reply->readAll();
    reply->abort();
    delete reply;
    return body;
}

std::uint64_t meminfoField(const QByteArray& meminfo, const QByteArray& field)
{
    for (const QByteArray& line : meminfo.split('\n')) {
        if (!line.startsWith(field + ':'))
            continue;
        const QList<QByteArray> parts = line.mid(field.size() + 1).simplified().split(' ');
        bool ok = false;
        const std::uint64_t kb = parts.value(0).toULongLong(&ok);
        return ok ? kb * 1024 : 0;
    }
    return 0;
}

class LinuxPlatform : public Platform {
public:
    QSize screenSize() override
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize();
    }

    DisplayChange changeDisplayTo1024x768() override
    {
        if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
            if (Display* display = x11->display())
                return changeX11Size(display);
        }
        return DisplayChange::Failed;
    }

    void openDisplaySettings() override
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

    MemoryStatus memoryStatus() override
    {
        QFile file(QStringLiteral("/proc/meminfo"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray meminfo = file.readAll();
        MemoryStatus status;
        status.totalBytes = meminfoField(meminfo, "MemTotal");
        status.freeBytes = meminfoField(meminfo, "MemAvailable");
        if (status.freeBytes == 0)
            status.freeBytes = meminfoField(meminfo, "MemFree");
        return status;
    }

    // Qt hands the target to the desktop's opener (xdg-open); it answers false when
    // there is none. What the opener then does is no longer the program's to see.
    bool openDocument(const QString& target, bool) override
    {
        const bool link = target.contains(QStringLiteral("://")) || target.startsWith(QStringLiteral("mailto:"));
        return QDesktopServices::openUrl(link ? QUrl(target)
                                              : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath()));
    }

    StartOutcome startProgram(const QString& path) override
    {
        const QFileInfo info(path);
        if (path.isEmpty())
            return StartOutcome::FileNotFound;
        if (!info.exists())
            return info.absoluteDir().exists() ? StartOutcome::FileNotFound : StartOutcome::PathNotFound;
        if (!info.isFile() || !info.isExecutable())
            return StartOutcome::NotExecutable;
        return QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath()) ? StartOutcome::Started
                                                                                          : StartOutcome::OtherFailure;
    }

    bool isOnline() override
    {
        // The desktop's own view of the connection, where a backend (NetworkManager)
        // answers; without one, any interface besides the loopback that is up.
        // Nothing outside is ever asked.
        if (QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
            switch (QNetworkInformation::instance()->reachability()) {
            case QNetworkInformation::Reachability::Online: return true;
            case QNetworkInformation::Reachability::Unknown: break;
            default: return false;
            }
        }
        return hasRunningInterface();
    }

    bool download(const QString& url, const QString& file, int timeoutMs) override
    {
        const std::optional<QByteArray> body = fetch(QUrl(url), timeoutMs);
        return body && replaceFile(file, *body, false);
    }

    QString ownVersion() override { return kProgramVersion; }
    QString programFolder() override { return QCoreApplication::applicationDirPath(); }
    // The distribution's packages install into /usr/bin, a program built and
    // installed by hand into /usr/local/bin.
    QStringList calculatorFolders() override { return {QStringLiteral("/usr/bin"), QStringLiteral("/usr/local/bin")}; }
};

} // namespace

Platform& platform() { return *current(); }

std::unique_ptr<Platform> setPlatform(std::unique_ptr<Platform> replacement)
{
    std::unique_ptr<Platform> previous = std::move(current());
    current() = std::move(replacement);
    return previous;
}

std::unique_ptr<Platform> makeLinuxPlatform() { return std::make_unique<LinuxPlatform>(); }

QString programFile(const QString& programPath) { return resolvePath(programPath, platform().programFolder()); }

QString updaterPath() { return platform().programFolder() + QStringLiteral("/update"); }

} // namespace noktaris
