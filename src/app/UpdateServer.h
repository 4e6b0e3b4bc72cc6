#pragma once

#include <QByteArray>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QSettings;

// Where Korvel asks whether a newer release exists, and how. The base
// address is the setting updateUrl, which the environment variable
// KORVEL_UPDATE_URL overrides; without either there is no server and
// nothing is asked. The version file and the download page both live
// under it.
struct UpdateServer {
    static constexpr int defaultTransferTimeoutMs = 15000;
    // A version file is a few lines; anything bigger is not one.
    static constexpr qint64 maxVersionFileBytes = 64 * 1024;

    QUrl baseUrl;         // empty when no server is set
    QString settingsFile; // where updateUrl is read from
    // A request that transfers nothing for this long fails like a network error.
    int transferTimeoutMs = defaultTransferTimeoutMs;

    static UpdateServer fromSettings(const QSettings& settings);

    bool isSet() const { return !baseUrl.isEmpty(); }
    // Tells the user where to set the server's address.
    QString unsetHelp() const;

    QUrl versionFileUrl() const;
    QUrl downloadPageUrl() const;

    // GET of the version file: no redirect to another host is followed, a
    // silent server times out, and a body past the limit is cut off by
    // aborting the reply. The reply belongs to `network`.
    QNetworkReply* requestVersionFile(QNetworkAccessManager& network) const;

    // The body of a finished reply; empty when the request failed, the
    // server answered with anything but success, or the body is too big.
    static QByteArray versionFileBody(QNetworkReply* reply);
};
