#include "LspTestClient.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace {

constexpr int answerTimeoutMs = 10000;

} // namespace

LspTestClient::LspTestClient() = default;

LspTestClient::~LspTestClient()
{
    if (server.state() != QProcess::NotRunning) {
        server.kill();
        server.waitForFinished();
    }
}

bool LspTestClient::start()
{
    server.setProgram(QStringLiteral(KORVEL_LSP_PROGRAM));
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start();
    return server.waitForStarted();
}

QJsonObject LspTestClient::initialize(const QJsonObject& clientCapabilities, const QString& rootUri)
{
    const QJsonObject response =
        request(QStringLiteral("initialize"),
                QJsonObject{{"processId", QJsonValue::Null},
                            {"capabilities", clientCapabilities},
                            {"rootUri", rootUri.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(rootUri)}});
    notify(QStringLiteral("initialized"), QJsonObject());
    return response.value("result").toObject().value("capabilities").toObject();
}

void LspTestClient::sendRaw(const QByteArray& bytes)
{
    server.write(bytes);
    server.waitForBytesWritten();
}

void LspTestClient::sendFrame(const QByteArray& body)
{
    sendRaw("Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
}

void LspTestClient::notify(const QString& method, const QJsonObject& params)
{
    const QJsonObject message{{"jsonrpc", "2.0"}, {"method", method}, {"params", params}};
    sendFrame(QJsonDocument(message).toJson(QJsonDocument::Compact));
}

QJsonObject LspTestClient::request(const QString& method, const QJsonValue& params)
{
    const int id = nextId++;
    const QJsonObject message{{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", params}};
    sendFrame(QJsonDocument(message).toJson(QJsonDocument::Compact));
    return responseTo(id);
}

template <typename Match> QJsonObject LspTestClient::firstMessage(Match matches)
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

QJsonObject LspTestClient::responseTo(const QJsonValue& id)
{
    return firstMessage(
        [&id](const QJsonObject& message) { return !message.contains("method") && message.value("id") == id; });
}

QJsonObject LspTestClient::diagnosticsFor(const QString& uri)
{
    return firstMessage([&uri](const QJsonObject& message) {
               return message.value("method") == QLatin1String("textDocument/publishDiagnostics")
                   && message.value("params").toObject().value("uri") == uri;
           })
        .value("params")
        .toObject();
}

QJsonObject LspTestClient::notificationOf(const QString& method)
{
    return firstMessage([&method](const QJsonObject& message) { return message.value("method") == method; })
        .value("params")
        .toObject();
}

QList<QJsonObject> LspTestClient::takeArrived(const QString& method)
{
    QList<QJsonObject> arrived;
    for (int i = 0; i < pending.size();) {
        if (pending[i].value("method") == method)
            arrived.append(pending.takeAt(i));
        else
            ++i;
    }
    return arrived;
}

void LspTestClient::openDocument(const QString& uri, const QString& text, int version)
{
    notify(QStringLiteral("textDocument/didOpen"),
           QJsonObject{{"textDocument",
                        QJsonObject{{"uri", uri}, {"languageId", "mirc"}, {"version", version}, {"text", text}}}});
}

void LspTestClient::changeDocument(const QString& uri, int version, int startLine, int startCharacter, int endLine,
                                   int endCharacter, const QString& text)
{
    const QJsonObject range{{"start", QJsonObject{{"line", startLine}, {"character", startCharacter}}},
                            {"end", QJsonObject{{"line", endLine}, {"character", endCharacter}}}};
    notify(QStringLiteral("textDocument/didChange"),
           QJsonObject{{"textDocument", QJsonObject{{"uri", uri}, {"version", version}}},
                       {"contentChanges", QJsonArray{QJsonObject{{"range", range}, {"text", text}}}}});
}

QJsonObject LspTestClient::positionParams(const QString& uri, int line, int character) const
{
    return QJsonObject{{"textDocument", QJsonObject{{"uri", uri}}},
                       {"position", QJsonObject{{"line", line}, {"character", character}}}};
}

bool LspTestClient::takeFrame(QJsonObject& message)
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

QJsonObject LspTestClient::nextMessage()
{
    QJsonObject message;
    const QDeadlineTimer deadline(answerTimeoutMs);
    while (!takeFrame(message)) {
        if (deadline.hasExpired() || !server.waitForReadyRead(int(deadline.remainingTime())))
            return QJsonObject();
        received += server.readAllStandardOutput();
    }
    return message;
}
