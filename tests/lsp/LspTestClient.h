#pragma once

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QRegularExpression>

// A language client for the tests: starts the real korvel-lsp and talks to
// it through its pipes, framing and unframing messages itself.
class LspTestClient {
public:
    ~LspTestClient()
    {
        if (server.state() != QProcess::NotRunning) {
            server.kill();
            server.waitForFinished();
        }
    }

    bool start()
    {
        server.setProgram(QStringLiteral(KORVEL_LSP_PROGRAM));
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start();
        return server.waitForStarted();
    }

    // Sends initialize (with the client's capabilities and workspace folder)
    // and initialized; the capabilities the server answered.
    QJsonObject initialize(const QJsonObject& clientCapabilities = QJsonObject(), const QString& rootUri = QString())
    {
        const QJsonObject response =
            request(QStringLiteral("initialize"),
                    QJsonObject{{"processId", QJsonValue::Null},
                                {"capabilities", clientCapabilities},
                                {"rootUri", rootUri.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(rootUri)}});
        notify(QStringLiteral("initialized"), QJsonObject());
        return response["result"]["capabilities"].toObject();
    }

    // A server started and initialized with no client capabilities.
    bool startInitialized() { return start() && !initialize().isEmpty(); }

    void sendRaw(const QByteArray& bytes)
    {
        server.write(bytes);
        server.waitForBytesWritten();
    }

    void notify(const QString& method, const QJsonObject& params) { sendRaw(frame(method, params)); }

    // A notification as the bytes that go down the pipe.
    static QByteArray frame(const QString& method, const QJsonObject& params)
    {
        return frame(QJsonObject{{"jsonrpc", "2.0"}, {"method", method}, {"params", params}});
    }

    // Sends a request and waits for the response with its id (the whole
    // response object; null object on timeout).
    QJsonObject request(const QString& method, const QJsonValue& params)
    {
        const int id = nextId++;
        sendRaw(frame(QJsonObject{{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", params}}));
        return responseTo(id);
    }

    // Waits for the next response carrying this id.
    QJsonObject responseTo(const QJsonValue& id)
    {
        return firstMessage([&id](const QJsonObject& m) { return !m.contains("method") && m["id"] == id; });
    }

    // Waits for the next publishDiagnostics notification for uri; its params.
    QJsonObject diagnosticsFor(const QString& uri)
    {
        return firstMessage([&uri](const QJsonObject& m) {
                   return m["method"] == QLatin1String("textDocument/publishDiagnostics") && m["params"]["uri"] == uri;
               })["params"]
            .toObject();
    }

    // Waits for the next notification of this method; its params.
    QJsonObject notificationOf(const QString& method)
    {
        return firstMessage([&method](const QJsonObject& m) { return m["method"] == method; })["params"].toObject();
    }

    // The notifications of this method that arrived so far and were not yet
    // taken (while waiting for something else), taken now.
    QList<QJsonObject> takeArrived(const QString& method)
    {
        QList<QJsonObject> arrived;
        for (int i = 0; i < pending.size();) {
            if (pending[i]["method"] == method)
                arrived.append(pending.takeAt(i));
            else
                ++i;
        }
        return arrived;
    }

    void openDocument(const QString& uri, const QString& text, int version = 1)
    {
        notify(QStringLiteral("textDocument/didOpen"),
               QJsonObject{{"textDocument",
                            QJsonObject{{"uri", uri}, {"languageId", "mirc"}, {"version", version}, {"text", text}}}});
    }

    // One incremental change replacing the range with text.
    void changeDocument(const QString& uri, int version, int startLine, int startCharacter, int endLine,
                        int endCharacter, const QString& text)
    {
        notify(QStringLiteral("textDocument/didChange"),
               changeParams(uri, version, startLine, startCharacter, endLine, endCharacter, text));
    }

    static QJsonObject changeParams(const QString& uri, int version, int startLine, int startCharacter, int endLine,
                                    int endCharacter, const QString& text)
    {
        const QJsonObject range{{"start", QJsonObject{{"line", startLine}, {"character", startCharacter}}},
                                {"end", QJsonObject{{"line", endLine}, {"character", endCharacter}}}};
        return QJsonObject{{"textDocument", QJsonObject{{"uri", uri}, {"version", version}}},
                           {"contentChanges", QJsonArray{QJsonObject{{"range", range}, {"text", text}}}}};
    }

    static QJsonObject documentParams(const QString& uri)
    {
        return QJsonObject{{"textDocument", QJsonObject{{"uri", uri}}}};
    }

    static QJsonObject positionParams(const QString& uri, int line, int character)
    {
        QJsonObject params = documentParams(uri);
        params.insert("position", QJsonObject{{"line", line}, {"character", character}});
        return params;
    }

    QProcess& process() { return server; }

private:
    static QByteArray frame(const QJsonObject& message)
    {
        const QByteArray body = QJsonDocument(message).toJson(QJsonDocument::Compact);
        return "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    }

    // The first pending or next message that satisfies `matches`.
    template <typename Match> QJsonObject firstMessage(Match matches)
    {
        for (int i = 0; i < pending.size(); ++i) {
            if (matches(pending[i]))
                return pending.takeAt(i);
        }
        while (true) {
            const QJsonObject message = nextMessage();
            if (message.isEmpty() || matches(message))
                return message;
            pending.append(message);
        }
    }

    // The next message of any kind, or a null object after ten seconds.
    QJsonObject nextMessage()
    {
        QJsonObject message;
        const QDeadlineTimer deadline(10000);
        while (!takeFrame(message)) {
            if (deadline.hasExpired() || !server.waitForReadyRead(int(deadline.remainingTime())))
                return QJsonObject();
            received += server.readAllStandardOutput();
        }
        return message;
    }

    bool takeFrame(QJsonObject& message)
    {
        const qsizetype headerEnd = received.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return false;
        const QByteArray header = received.left(headerEnd);
        if (!header.startsWith("Content-Length: "))
            qFatal("korvel-lsp wrote a frame without Content-Length: %s", header.constData());
        const qsizetype length = header.mid(16).toLongLong();
        if (received.size() < headerEnd + 4 + length)
            return false;
        const QByteArray body = received.mid(headerEnd + 4, length);
        received.remove(0, headerEnd + 4 + length);
        // Qt reads a lone surrogate escape; strict parsers refuse it.
        static const QRegularExpression surrogateEscape(QStringLiteral(R"((?<!\\)(\\\\)*\\u[dD][89a-fA-F])"));
        if (surrogateEscape.match(QString::fromUtf8(body)).hasMatch())
            qFatal("korvel-lsp wrote a lone surrogate escape: %s", body.constData());
        QJsonParseError error;
        message = QJsonDocument::fromJson(body, &error).object();
        if (error.error != QJsonParseError::NoError)
            qFatal("korvel-lsp wrote a body that is no JSON: %s", body.constData());
        return true;
    }

    QProcess server;
    QByteArray received;
    QList<QJsonObject> pending;
    int nextId = 1;
};
