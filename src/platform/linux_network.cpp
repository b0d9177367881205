#include "platform/linux_parts.h"

#include "common/safe_write.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkInterface>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

#include <optional>

namespace noktaris::linuxos {

namespace {

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

} // namespace

bool isOnline()
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

bool download(const QString& url, const QString& file, int timeoutMs)
{
    const std::optional<QByteArray> body = fetch(QUrl(url), timeoutMs);
    return body && replaceFile(file, *body, false);
}

} // namespace noktaris::linuxos
