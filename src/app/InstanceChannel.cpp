#include "InstanceChannel.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSettings>

namespace {

constexpr int connectTimeoutMs = 1000;
// The running Korvel answers from its event loop, which a long task (a
// large file being opened) may hold up for a while.
constexpr int answerTimeoutMs = 10000;
// A request is a list of paths; more than this is no request.
constexpr qint64 largestRequestBytes = 4 * 1024 * 1024;
const char taken = 'k';

} // namespace

QString InstanceChannel::nameForSettings()
{
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Korvel"),
                             QStringLiteral("settings"));
    const QByteArray folder = QFileInfo(settings.fileName()).absolutePath().toUtf8();
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    // Short enough for a socket path, whatever the folder's length.
    const QString folderKey =
        QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16));
    return QStringLiteral("korvel-%1-%2").arg(user, folderKey);
}

InstanceChannel::InstanceChannel(QString name, QObject* parent)
    : QObject(parent)
    , name(std::move(name))
{
}

bool InstanceChannel::handOver(const QStringList& files) const
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(connectTimeoutMs))
        return false;
    QDataStream out(&socket);
    out << files;
    if (!socket.waitForBytesWritten(answerTimeoutMs))
        return false;
    char answer = 0;
    return socket.waitForReadyRead(answerTimeoutMs) && socket.getChar(&answer) && answer == taken;
}

bool InstanceChannel::listen()
{
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // A channel nobody answers on is a crashed run's (handOver failed just
    // before), so its name may be taken over.
    if (!server->listen(name) && !(QLocalServer::removeServer(name) && server->listen(name)))
        return false;
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        }
    });
    return true;
}

void InstanceChannel::readRequest(QLocalSocket* socket)
{
    QDataStream in(socket);
    in.startTransaction();
    QStringList files;
    in >> files;
    if (!in.commitTransaction()) {
        if (socket->bytesAvailable() > largestRequestBytes)
            socket->abort();
        return;
    }
    socket->putChar(taken);
    socket->flush();
    socket->disconnectFromServer();
    emit filesReceived(files);
}
