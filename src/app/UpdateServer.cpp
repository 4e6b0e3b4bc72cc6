#include "UpdateServer.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>

namespace {

const char baseUrlEnvironment[] = "KORVEL_UPDATE_URL";

const QString baseUrlKey = QStringLiteral("updateUrl");
const QString transferTimeoutKey = QStringLiteral("updateTimeout");

const QString versionFileName = QStringLiteral("version.txt");
const QString downloadPageName = QStringLiteral("download.html");

constexpr int httpOk = 200;

// The files are looked up under the base address, so it must name a folder:
// "http://host/korvel" means "http://host/korvel/".
QUrl asFolder(QUrl url)
{
    if (!url.path().endsWith(QLatin1Char('/')))
        url.setPath(url.path() + QLatin1Char('/'));
    return url;
}

} // namespace

UpdateServer UpdateServer::fromSettings(const QSettings& settings)
{
    UpdateServer server;
    server.settingsFile = settings.fileName();
    const QString fromEnvironment = qEnvironmentVariable(baseUrlEnvironment);
    const QString base =
        (fromEnvironment.isEmpty() ? settings.value(baseUrlKey).toString() : fromEnvironment).trimmed();
    if (!base.isEmpty())
        server.baseUrl = asFolder(QUrl(base));
    bool isNumber = false;
    const int timeout = settings.value(transferTimeoutKey).toInt(&isNumber);
    if (isNumber && timeout > 0)
        server.transferTimeoutMs = timeout;
    return server;
}

QString UpdateServer::unsetHelp() const
{
    return QStringLiteral("No update server is set. Give its address as %1 in %2, or in the environment "
                          "variable %3.")
        .arg(baseUrlKey, settingsFile, QString::fromLatin1(baseUrlEnvironment));
}

QUrl UpdateServer::versionFileUrl() const
{
    return baseUrl.resolved(QUrl(versionFileName));
}

QUrl UpdateServer::downloadPageUrl() const
{
    return baseUrl.resolved(QUrl(downloadPageName));
}

QNetworkReply* UpdateServer::requestVersionFile(QNetworkAccessManager& network) const
{
    QNetworkRequest request(versionFileUrl());
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);
    request.setTransferTimeout(transferTimeoutMs);
    QNetworkReply* reply = network.get(request);
    // A server that never stops sending would otherwise fill the memory:
    // nothing past the largest version file is taken off the connection,
    // and the transfer ends as soon as the body is known to be too large.
    reply->setReadBufferSize(maxVersionFileBytes + 1);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > maxVersionFileBytes || total > maxVersionFileBytes)
            reply->abort();
    });
    return reply;
}

QByteArray UpdateServer::versionFileBody(QNetworkReply* reply)
{
    if (reply->error() != QNetworkReply::NoError)
        return {};
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() != httpOk)
        return {};
    const QByteArray body = reply->read(maxVersionFileBytes + 1);
    return body.size() > maxVersionFileBytes ? QByteArray() : body;
}
