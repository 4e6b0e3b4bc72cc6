#pragma once

#include "CheckedDocument.h"
#include "WorkspaceAliases.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <functional>
#include <memory>

// The language server's protocol logic, apart from the pipes: it takes one
// message body at a time and hands every message it sends (responses and
// notifications, as JSON bodies) to the sink. A request always gets a
// response: a result, or a JSON-RPC error for a malformed message, an
// unknown method, invalid parameters or a document it does not know.
class LspServer {
public:
    // Sends one message body; false when the client can no longer be reached.
    using Sink = std::function<bool(const QByteArray& body)>;

    explicit LspServer(Sink sink);

    void handleMessage(const QByteArray& body);
    // Called when no more messages are waiting: checks what the edits since
    // the last call left unchecked and, unless the client pulls diagnostics,
    // publishes those of every document whose diagnostics changed. So edits
    // that pile up while the server is busy are checked once, and an edit
    // that changes no finding sends nothing.
    void settle();
    // Bytes that were no message: answered like unparsable JSON.
    void reportFramingError(const QByteArray& reason);

    // True after "exit" or once the client cannot be written to.
    bool finished() const { return done; }
    // 0 when the client asked for a shutdown before the end, 1 otherwise
    // (as the protocol asks of "exit"; a closed pipe ends the same way).
    int exitCode() const { return shutdownRequested ? 0 : 1; }

    // JSON-RPC error codes.
    enum ErrorCode {
        ParseError = -32700,
        InvalidRequest = -32600,
        MethodNotFound = -32601,
        InvalidParams = -32602,
        ServerNotInitialized = -32002,
    };

    // What a request handler produced: a result, or an error.
    struct Reply {
        QJsonValue result;
        int errorCode = 0;
        QString errorMessage;
        QByteArray resultJson; // the result as JSON text, when written directly instead of `result`

        static Reply error(int code, const QString& message) { return Reply{QJsonValue(), code, message, {}}; }
    };

private:
    struct OpenDocument {
        CheckedDocument document;
        int version = -1;
        // The diagnostics revision the client last got, pushed or pulled;
        // none at first.
        quint64 sentRevision = ~quint64(0);
        qint64 resultId = 0; // what a pull answered with, to tell "unchanged"
    };

    using RequestHandler = Reply (LspServer::*)(const QJsonObject& params);
    using NotificationHandler = void (LspServer::*)(const QJsonObject& params);
    struct RequestRoute {
        const char* method;
        RequestHandler handler;
    };
    struct NotificationRoute {
        const char* method;
        NotificationHandler handler;
    };
    static const RequestRoute requestRoutes[];
    static const NotificationRoute notificationRoutes[];

    void handleRequest(const QJsonValue& id, const QString& method, const QJsonObject& params);
    void handleNotification(const QString& method, const QJsonObject& params);
    void send(const QByteArray& body);
    void sendReply(const QJsonValue& id, const Reply& reply);
    void sendError(const QJsonValue& id, int code, const QString& message);
    void logMessage(const QString& message);
    void sendJson(const QJsonObject& message);

    // Requests.
    Reply initialize(const QJsonObject& params);
    Reply shutdown(const QJsonObject& params);
    Reply hover(const QJsonObject& params);
    Reply completion(const QJsonObject& params);
    Reply signatureHelp(const QJsonObject& params);
    Reply documentSymbol(const QJsonObject& params);
    Reply diagnostic(const QJsonObject& params);
    Reply semanticTokensFull(const QJsonObject& params);
    Reply semanticTokensRange(const QJsonObject& params);
    Reply foldingRange(const QJsonObject& params);
    Reply formatting(const QJsonObject& params);
    Reply definition(const QJsonObject& params);
    Reply references(const QJsonObject& params);
    Reply workspaceSymbol(const QJsonObject& params);

    // Notifications.
    void initialized(const QJsonObject& params);
    void exit(const QJsonObject& params);
    void didOpen(const QJsonObject& params);
    void didChange(const QJsonObject& params);
    void didClose(const QJsonObject& params);
    void didSave(const QJsonObject& params);

    // The document a request names: an open one, or else the file its
    // "file:" URI names, read as the editor reads it. Null, with `error`
    // set, when there is neither.
    const CheckedDocument* requestedDocument(const QJsonObject& params, std::unique_ptr<CheckedDocument>& fromDisk,
                                             Reply& error) const;
    // Answers a request about one position of a document with `feature`, or
    // with an error when the position or the document is missing.
    using PositionFeature = QJsonValue (*)(const CheckedDocument&, TextPosition);
    Reply answerAtPosition(const QJsonObject& params, PositionFeature feature) const;
    // Answers a request about a whole document with `feature`.
    using DocumentFeature = QJsonArray (*)(const CheckedDocument&);
    Reply answerForDocument(const QJsonObject& params, DocumentFeature feature) const;

    Sink sink;
    QHash<QString, OpenDocument> documents;
    WorkspaceAliases aliases;
    qint64 lastResultId = 0;
    bool pullDiagnostics = false; // the client asks for diagnostics instead of being sent them
    bool initializeReceived = false;
    bool shutdownRequested = false;
    bool done = false;
};
