#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

// A small HTTP server on 127.0.0.1 that plays the update server, well or
// badly. It answers every request the same way and records the paths asked for.
class VersionFileServer : public QObject {
public:
    enum class Behaviour {
        Answer,      // 200 with `payload` as the body
        Redirect,    // 302 to `payload`
        CloseAtOnce, // drops the connection before reading anything
        NeverAnswer, // reads the request, then stays silent
        EndlessBody, // 200, then sends without end
    };

    explicit VersionFileServer(Behaviour behaviour, QByteArray payload = {})
        : behaviour(behaviour)
        , payload(std::move(payload))
    {
        connect(&server, &QTcpServer::newConnection, this, [this] { accept(); });
        server.listen(QHostAddress::LocalHost);
    }

    // The base address to give Korvel, with the host spelt as `host`.
    QString url(const QString& host = QStringLiteral("127.0.0.1")) const
    {
        return QStringLiteral("http://%1:%2/").arg(host).arg(server.serverPort());
    }

    QStringList requestedPaths;

    // An endless body that nobody stops ends here, so a broken client makes
    // the test fail instead of filling the memory.
    static constexpr qint64 endlessBodyCap = 64 * 1024 * 1024;
    qint64 endlessBytesSent = 0;

private:
    static constexpr qint64 endlessChunk = 16 * 1024;

    void accept()
    {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            if (behaviour == Behaviour::CloseAtOnce) {
                socket->abort();
                continue;
            }
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        }
    }

    void readRequest(QTcpSocket* socket)
    {
        QByteArray& request = pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        requestedPaths << QString::fromLatin1(request.split(' ').value(1));
        pending.remove(socket);
        switch (behaviour) {
        case Behaviour::Answer:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\nContent-Length: "
                          + QByteArray::number(payload.size()) + "\r\n\r\n" + payload);
            socket->disconnectFromHost();
            break;
        case Behaviour::Redirect:
            socket->write("HTTP/1.1 302 Found\r\nLocation: " + payload
                          + "\r\nConnection: close\r\nContent-Length: 0\r\n\r\n");
            socket->disconnectFromHost();
            break;
        case Behaviour::EndlessBody:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n");
            connect(socket, &QTcpSocket::bytesWritten, socket, [this, socket] {
                if (endlessBytesSent < endlessBodyCap && socket->bytesToWrite() == 0) {
                    endlessBytesSent += endlessChunk;
                    socket->write(QByteArray(endlessChunk, 'x'));
                }
            });
            break;
        case Behaviour::CloseAtOnce:
        case Behaviour::NeverAnswer: break;
        }
    }

    QTcpServer server;
    Behaviour behaviour;
    QByteArray payload;
    QHash<QTcpSocket*, QByteArray> pending;
};
