#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QProcess>
#include <QString>

// A language client for the tests: starts the real korvel-lsp and talks to
// it through its pipes, framing and unframing messages itself.
class LspTestClient {
public:
    LspTestClient();
    ~LspTestClient();

    bool start();
    // Sends initialize (with the client's capabilities and workspace folder)
    // and initialized; the capabilities the server answered.
    QJsonObject initialize(const QJsonObject& clientCapabilities = QJsonObject(), const QString& rootUri = QString());

    void sendRaw(const QByteArray& bytes);
    void sendFrame(const QByteArray& body);
    void notify(const QString& method, const QJsonObject& params);
    // Sends a request and waits for the response with its id (the whole
    // response object; null object on timeout).
    QJsonObject request(const QString& method, const QJsonValue& params);
    // Waits for the next response carrying this id.
    QJsonObject responseTo(const QJsonValue& id);
    // Waits for the next publishDiagnostics notification for uri; its params.
    QJsonObject diagnosticsFor(const QString& uri);
    // Waits for the next notification of this method; its params.
    QJsonObject notificationOf(const QString& method);
    // The notifications of this method that arrived so far and were not yet
    // taken (while waiting for something else), taken now.
    QList<QJsonObject> takeArrived(const QString& method);

    void openDocument(const QString& uri, const QString& text, int version = 1);
    // One incremental change replacing the range with text.
    void changeDocument(const QString& uri, int version, int startLine, int startCharacter, int endLine,
                        int endCharacter, const QString& text);
    QJsonObject positionParams(const QString& uri, int line, int character) const;

    QProcess& process() { return server; }

private:
    // The next message of any kind, or a null object after the timeout.
    QJsonObject nextMessage();
    bool takeFrame(QJsonObject& message);
    // The first pending or next message that satisfies `matches`.
    template <typename Match> QJsonObject firstMessage(Match matches);

    QProcess server;
    QByteArray received;
    QList<QJsonObject> pending;
    int nextId = 1;
};
