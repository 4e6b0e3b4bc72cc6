#include "LspServer.h"

#include "DiagnosticsMessage.h"
#include "DocumentFormatting.h"
#include "DocumentSymbols.h"
#include "FoldingRanges.h"
#include "JsonText.h"
#include "LanguageFeatures.h"
#include "SemanticTokens.h"
#include "formats/ScriptFile.h"
#include "formats/ScriptLayout.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

#include <climits>

namespace {

// How changes reach the server: the edited range only.
constexpr int incrementalSync = 2;
// window/logMessage types.
constexpr int logError = 1;

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

QJsonObject textDocumentOf(const QJsonObject& params)
{
    return params.value(QStringLiteral("textDocument")).toObject();
}

// A protocol position; false when it is not one.
bool readPosition(const QJsonValue& value, TextPosition& position)
{
    const QJsonObject object = value.toObject();
    const QJsonValue line = object.value(QStringLiteral("line"));
    const QJsonValue character = object.value(QStringLiteral("character"));
    if (!line.isDouble() || !character.isDouble() || line.toDouble() < 0 || character.toDouble() < 0)
        return false;
    position.line = line.toInt(INT_MAX);
    position.character = character.toInt(INT_MAX);
    return true;
}

QJsonObject serverCapabilities(bool pullDiagnostics)
{
    QJsonObject capabilities{
        {key("positionEncoding"), QStringLiteral("utf-16")},
        {key("textDocumentSync"),
         QJsonObject{{key("openClose"), true},
                     {key("change"), incrementalSync},
                     {key("save"), QJsonObject{{key("includeText"), true}}}}},
        {key("hoverProvider"), true},
        {key("completionProvider"),
         QJsonObject{{key("triggerCharacters"), QJsonArray{QStringLiteral("$"), QStringLiteral(".")}}}},
        // A space starts a command's parameters: its usage is shown then.
        {key("signatureHelpProvider"),
         QJsonObject{{key("triggerCharacters"),
                      QJsonArray{QStringLiteral("("), QStringLiteral(","), QStringLiteral(" ")}},
                     {key("retriggerCharacters"), QJsonArray{QStringLiteral(","), QStringLiteral(" ")}}}},
        {key("documentSymbolProvider"), true},
        {key("semanticTokensProvider"),
         QJsonObject{{key("legend"), semanticTokensLegend()}, {key("full"), true}, {key("range"), true}}},
        {key("foldingRangeProvider"), true},
        {key("documentFormattingProvider"), true},
        {key("definitionProvider"), true},
        {key("referencesProvider"), true},
        {key("workspaceSymbolProvider"), true},
    };
    if (pullDiagnostics)
        capabilities.insert(key("diagnosticProvider"),
                            QJsonObject{{key("interFileDependencies"), false}, {key("workspaceDiagnostics"), false}});
    return capabilities;
}

// A request id as JSON text.
QByteArray idJson(const QJsonValue& id)
{
    const QByteArray array = QJsonDocument(QJsonArray{id}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

const LspServer::RequestRoute LspServer::requestRoutes[] = {
    {"initialize", &LspServer::initialize},
    {"shutdown", &LspServer::shutdown},
    {"textDocument/hover", &LspServer::hover},
    {"textDocument/completion", &LspServer::completion},
    {"textDocument/signatureHelp", &LspServer::signatureHelp},
    {"textDocument/documentSymbol", &LspServer::documentSymbol},
    {"textDocument/diagnostic", &LspServer::diagnostic},
    {"textDocument/semanticTokens/full", &LspServer::semanticTokensFull},
    {"textDocument/semanticTokens/range", &LspServer::semanticTokensRange},
    {"textDocument/foldingRange", &LspServer::foldingRange},
    {"textDocument/formatting", &LspServer::formatting},
    {"textDocument/definition", &LspServer::definition},
    {"textDocument/references", &LspServer::references},
    {"workspace/symbol", &LspServer::workspaceSymbol},
};

const LspServer::NotificationRoute LspServer::notificationRoutes[] = {
    {"initialized", &LspServer::initialized},        {"exit", &LspServer::exit},
    {"textDocument/didOpen", &LspServer::didOpen},   {"textDocument/didChange", &LspServer::didChange},
    {"textDocument/didClose", &LspServer::didClose}, {"textDocument/didSave", &LspServer::didSave},
};

LspServer::LspServer(Sink sink)
    : sink(std::move(sink))
{
}

void LspServer::handleMessage(const QByteArray& body)
{
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        sendError(QJsonValue::Null, ParseError, QStringLiteral("Parse error: ") + parseError.errorString());
        return;
    }
    if (!json.isObject()) {
        sendError(QJsonValue::Null, InvalidRequest, QStringLiteral("A message must be a JSON object"));
        return;
    }
    const QJsonObject message = json.object();
    const QJsonValue id = message.value(QStringLiteral("id"));
    const bool hasId = message.contains(QStringLiteral("id"));
    const QJsonValue method = message.value(QStringLiteral("method"));
    if (!message.contains(QStringLiteral("method"))) {
        // A response to a request of ours; the server sends none, so there
        // is nothing to match it with.
        if (hasId && (message.contains(QStringLiteral("result")) || message.contains(QStringLiteral("error"))))
            return;
        sendError(hasId ? id : QJsonValue(), InvalidRequest, QStringLiteral("A message without a method"));
        return;
    }
    if (hasId && !id.isDouble() && !id.isString()) {
        sendError(QJsonValue::Null, InvalidRequest, QStringLiteral("A request id must be a number or a string"));
        return;
    }
    if (!method.isString()) {
        if (hasId)
            sendError(id, InvalidRequest, QStringLiteral("The method must be a string"));
        return;
    }
    const QJsonValue params = message.value(QStringLiteral("params"));
    if (!params.isUndefined() && !params.isNull() && !params.isObject()) {
        if (hasId)
            sendError(id, InvalidParams, QStringLiteral("The parameters must be an object"));
        return;
    }
    if (hasId)
        handleRequest(id, method.toString(), params.toObject());
    else
        handleNotification(method.toString(), params.toObject());
}

void LspServer::reportFramingError(const QByteArray& reason)
{
    sendError(QJsonValue::Null, ParseError, QString::fromUtf8(reason));
}

void LspServer::handleRequest(const QJsonValue& id, const QString& method, const QJsonObject& params)
{
    if (!initializeReceived && method != QLatin1String("initialize")) {
        sendError(id, ServerNotInitialized, QStringLiteral("The server has not been initialized"));
        return;
    }
    if (shutdownRequested) {
        sendError(id, InvalidRequest, QStringLiteral("The server is shutting down"));
        return;
    }
    // A request sees every edit that came before it.
    for (OpenDocument& open : documents)
        open.document.settle();
    for (const RequestRoute& route : requestRoutes) {
        if (method == QLatin1String(route.method)) {
            sendReply(id, (this->*route.handler)(params));
            return;
        }
    }
    sendError(id, MethodNotFound, QStringLiteral("Unknown method: ") + method);
}

void LspServer::handleNotification(const QString& method, const QJsonObject& params)
{
    // Before initialize only exit counts; other notifications are dropped.
    if (!initializeReceived && method != QLatin1String("exit"))
        return;
    for (const NotificationRoute& route : notificationRoutes) {
        if (method == QLatin1String(route.method)) {
            (this->*route.handler)(params);
            return;
        }
    }
    // Unknown notifications ("$/cancelRequest", "$/setTrace", ...) need no answer.
}

void LspServer::send(const QByteArray& body)
{
    if (!done && !sink(body))
        done = true;
}

void LspServer::sendJson(const QJsonObject& message)
{
    send(validJsonText(QJsonDocument(message).toJson(QJsonDocument::Compact)));
}

void LspServer::sendReply(const QJsonValue& id, const Reply& reply)
{
    if (reply.errorCode != 0) {
        sendError(id, reply.errorCode, reply.errorMessage);
        return;
    }
    if (!reply.resultJson.isEmpty()) {
        send(QByteArrayLiteral("{\"jsonrpc\":\"2.0\",\"id\":") + idJson(id) + QByteArrayLiteral(",\"result\":")
             + reply.resultJson + '}');
        return;
    }
    sendJson(QJsonObject{{key("jsonrpc"), QStringLiteral("2.0")}, {key("id"), id}, {key("result"), reply.result}});
}

void LspServer::sendError(const QJsonValue& id, int code, const QString& message)
{
    sendJson(QJsonObject{{key("jsonrpc"), QStringLiteral("2.0")},
                         {key("id"), id.isUndefined() ? QJsonValue(QJsonValue::Null) : id},
                         {key("error"), QJsonObject{{key("code"), code}, {key("message"), message}}}});
}

void LspServer::logMessage(const QString& message)
{
    sendJson(QJsonObject{{key("jsonrpc"), QStringLiteral("2.0")},
                         {key("method"), QStringLiteral("window/logMessage")},
                         {key("params"), QJsonObject{{key("type"), logError}, {key("message"), message}}}});
}

void LspServer::settle()
{
    for (auto open = documents.begin(); open != documents.end(); ++open) {
        open->document.settle();
        if (pullDiagnostics || open->sentRevision == open->document.diagnosticsRevision())
            continue;
        open->sentRevision = open->document.diagnosticsRevision();
        send(publishDiagnosticsMessage(open.key(), open->version, open->document));
    }
}

LspServer::Reply LspServer::initialize(const QJsonObject& params)
{
    if (initializeReceived)
        return Reply::error(InvalidRequest, QStringLiteral("The server is already initialized"));
    initializeReceived = true;
    pullDiagnostics = params.value(key("capabilities"))
                          .toObject()
                          .value(key("textDocument"))
                          .toObject()
                          .value(key("diagnostic"))
                          .isObject();
    // The workspace folder whose scripts the alias index reads: the first
    // of the workspace folders, else the root.
    const QJsonArray folders = params.value(key("workspaceFolders")).toArray();
    QString root = folders.isEmpty() ? QString() : folders[0].toObject().value(key("uri")).toString();
    if (root.isEmpty())
        root = params.value(key("rootUri")).toString();
    if (QUrl(root).isLocalFile())
        aliases.setFolder(QUrl(root).toLocalFile());
    else if (params.value(key("rootPath")).isString())
        aliases.setFolder(params.value(key("rootPath")).toString());
    const QJsonObject result{{key("capabilities"), serverCapabilities(pullDiagnostics)},
                             {key("serverInfo"),
                              QJsonObject{{key("name"), QStringLiteral("korvel-lsp")},
                                          {key("version"), QStringLiteral(KORVEL_VERSION)}}}};
    return Reply{result};
}

LspServer::Reply LspServer::shutdown(const QJsonObject&)
{
    shutdownRequested = true;
    return Reply{QJsonValue::Null};
}

const CheckedDocument* LspServer::requestedDocument(const QJsonObject& params,
                                                    std::unique_ptr<CheckedDocument>& fromDisk, Reply& error) const
{
    const QJsonValue uri = textDocumentOf(params).value(QStringLiteral("uri"));
    if (!uri.isString()) {
        error = Reply::error(InvalidParams, QStringLiteral("The request names no document"));
        return nullptr;
    }
    const auto open = documents.constFind(uri.toString());
    if (open != documents.constEnd())
        return &open->document;

    const QUrl url(uri.toString());
    QString reason = QStringLiteral("it is not open and not a local file");
    if (url.isLocalFile()) {
        const LoadedScript loaded = ScriptFile::load(url.toLocalFile());
        if (loaded.ok) {
            fromDisk = std::make_unique<CheckedDocument>(loaded.text, loaded.kind);
            return fromDisk.get();
        }
        reason = QStringLiteral("it is not open and cannot be read: ") + loaded.error;
    }
    error = Reply::error(InvalidParams, QStringLiteral("Unknown document %1 (%2)").arg(uri.toString(), reason));
    return nullptr;
}

LspServer::Reply LspServer::answerAtPosition(const QJsonObject& params, PositionFeature feature) const
{
    TextPosition position;
    if (!readPosition(params.value(QStringLiteral("position")), position))
        return Reply::error(InvalidParams, QStringLiteral("The request has no valid position"));
    std::unique_ptr<CheckedDocument> fromDisk;
    Reply error;
    const CheckedDocument* document = requestedDocument(params, fromDisk, error);
    if (!document)
        return error;
    return Reply{feature(*document, position)};
}

LspServer::Reply LspServer::hover(const QJsonObject& params)
{
    return answerAtPosition(params, hoverAt);
}

LspServer::Reply LspServer::completion(const QJsonObject& params)
{
    return answerAtPosition(params, completionAt);
}

LspServer::Reply LspServer::signatureHelp(const QJsonObject& params)
{
    return answerAtPosition(params, signatureHelpAt);
}

LspServer::Reply LspServer::answerForDocument(const QJsonObject& params, DocumentFeature feature) const
{
    std::unique_ptr<CheckedDocument> fromDisk;
    Reply reply;
    const CheckedDocument* document = requestedDocument(params, fromDisk, reply);
    if (!document)
        return reply;
    return Reply{feature(*document)};
}

LspServer::Reply LspServer::documentSymbol(const QJsonObject& params)
{
    return answerForDocument(params, documentSymbols);
}

LspServer::Reply LspServer::foldingRange(const QJsonObject& params)
{
    return answerForDocument(params, foldingRanges);
}

LspServer::Reply LspServer::formatting(const QJsonObject& params)
{
    return answerForDocument(params, formattingEdits);
}

LspServer::Reply LspServer::semanticTokensFull(const QJsonObject& params)
{
    std::unique_ptr<CheckedDocument> fromDisk;
    Reply reply;
    const CheckedDocument* document = requestedDocument(params, fromDisk, reply);
    if (document)
        reply.resultJson = semanticTokensJson(*document, 0, document->lineCount() - 1);
    return reply;
}

LspServer::Reply LspServer::semanticTokensRange(const QJsonObject& params)
{
    const QJsonObject range = params.value(key("range")).toObject();
    TextPosition from, to;
    if (!readPosition(range.value(key("start")), from) || !readPosition(range.value(key("end")), to))
        return Reply::error(InvalidParams, QStringLiteral("The request has no valid range"));
    std::unique_ptr<CheckedDocument> fromDisk;
    Reply reply;
    const CheckedDocument* document = requestedDocument(params, fromDisk, reply);
    if (document)
        reply.resultJson = semanticTokensJson(*document, from.line, to.line);
    return reply;
}

LspServer::Reply LspServer::diagnostic(const QJsonObject& params)
{
    const QString uri = textDocumentOf(params).value(key("uri")).toString();
    const auto open = documents.find(uri);
    if (open == documents.end()) {
        std::unique_ptr<CheckedDocument> fromDisk;
        Reply reply;
        const CheckedDocument* document = requestedDocument(params, fromDisk, reply);
        if (!document)
            return reply;
        reply.resultJson = QByteArrayLiteral("{\"kind\":\"full\",\"items\":");
        appendDiagnosticsArray(reply.resultJson, *document);
        reply.resultJson.append('}');
        return reply;
    }
    if (open->sentRevision != open->document.diagnosticsRevision()) {
        open->sentRevision = open->document.diagnosticsRevision();
        open->resultId = ++lastResultId;
    }
    const QByteArray resultId = '"' + QByteArray::number(open->resultId) + '"';
    Reply reply;
    if (params.value(key("previousResultId")).toString() == QString::fromLatin1(resultId.mid(1, resultId.size() - 2))) {
        reply.resultJson = QByteArrayLiteral("{\"kind\":\"unchanged\",\"resultId\":") + resultId + '}';
        return reply;
    }
    reply.resultJson = QByteArrayLiteral("{\"kind\":\"full\",\"resultId\":") + resultId + ",\"items\":";
    appendDiagnosticsArray(reply.resultJson, open->document);
    reply.resultJson.append('}');
    return reply;
}

LspServer::Reply LspServer::definition(const QJsonObject& params)
{
    TextPosition position;
    if (!readPosition(params.value(key("position")), position))
        return Reply::error(InvalidParams, QStringLiteral("The request has no valid position"));
    aliases.update(documents);
    return Reply{aliases.definition(textDocumentOf(params).value(key("uri")).toString(), position)};
}

LspServer::Reply LspServer::references(const QJsonObject& params)
{
    TextPosition position;
    if (!readPosition(params.value(key("position")), position))
        return Reply::error(InvalidParams, QStringLiteral("The request has no valid position"));
    aliases.update(documents);
    const bool withDefinitions = params.value(key("context")).toObject().value(key("includeDeclaration")).toBool(true);
    return Reply{aliases.references(textDocumentOf(params).value(key("uri")).toString(), position, withDefinitions)};
}

LspServer::Reply LspServer::workspaceSymbol(const QJsonObject& params)
{
    aliases.update(documents);
    return Reply{aliases.symbols(params.value(key("query")).toString())};
}

void LspServer::initialized(const QJsonObject&) { }

void LspServer::exit(const QJsonObject&)
{
    done = true;
}

void LspServer::didOpen(const QJsonObject& params)
{
    const QJsonObject textDocument = textDocumentOf(params);
    const QJsonValue uri = textDocument.value(QStringLiteral("uri"));
    const QJsonValue text = textDocument.value(QStringLiteral("text"));
    if (!uri.isString() || !text.isString()) {
        logMessage(QStringLiteral("didOpen without a document URI and text was ignored"));
        return;
    }
    OpenDocument& open = documents[uri.toString()];
    // The kind is told once, as the editor does on loading: an edit that
    // passes through another shape must not change how the file is read.
    // The client sends an INI file as it is on disk, keys and sections.
    if (ScriptFile::isIniScript(QUrl(uri.toString()).path())) {
        const ScriptLayout::IniShape shape = ScriptLayout::iniShape(ScriptLayout::iniSections(text.toString()));
        open.document.setKind(shape.kind);
        open.document.setIniLayout(shape.keepPopupSections);
    } else {
        open.document.setKind(DocumentKinds::fromContent(text.toString()));
    }
    open.document.setText(text.toString());
    open.version = textDocument.value(QStringLiteral("version")).toInt(-1);
    aliases.markChanged(uri.toString());
}

void LspServer::didChange(const QJsonObject& params)
{
    const QJsonObject textDocument = textDocumentOf(params);
    const QString uri = textDocument.value(QStringLiteral("uri")).toString();
    const auto open = documents.find(uri);
    if (open == documents.end()) {
        logMessage(QStringLiteral("A change to %1, which is not open, was ignored").arg(uri));
        return;
    }
    const QJsonArray changes = params.value(QStringLiteral("contentChanges")).toArray();
    for (const QJsonValue& value : changes) {
        const QJsonObject change = value.toObject();
        const QJsonValue text = change.value(QStringLiteral("text"));
        if (!text.isString()) {
            logMessage(QStringLiteral("A change to %1 without text was ignored").arg(uri));
            continue;
        }
        if (!change.contains(QStringLiteral("range"))) {
            open->document.setText(text.toString());
            continue;
        }
        const QJsonObject range = change.value(QStringLiteral("range")).toObject();
        TextPosition from, to;
        if (!readPosition(range.value(QStringLiteral("start")), from)
            || !readPosition(range.value(QStringLiteral("end")), to)) {
            logMessage(QStringLiteral("A change to %1 with an invalid range was ignored").arg(uri));
            continue;
        }
        open->document.replace(from, to, text.toString());
    }
    open->version = textDocument.value(QStringLiteral("version")).toInt(open->version);
    aliases.markChanged(uri);
}

void LspServer::didClose(const QJsonObject& params)
{
    const QString uri = textDocumentOf(params).value(QStringLiteral("uri")).toString();
    if (!documents.remove(uri))
        return;
    aliases.closed(uri);
    // A closed script's problems leave the client's list with it.
    if (!pullDiagnostics)
        send(publishDiagnosticsMessage(uri, -1, CheckedDocument()));
}

void LspServer::didSave(const QJsonObject& params)
{
    const QString uri = textDocumentOf(params).value(QStringLiteral("uri")).toString();
    const QJsonValue text = params.value(QStringLiteral("text"));
    const auto open = documents.find(uri);
    if (open == documents.end() || !text.isString())
        return;
    // The saved text is what the client holds; it only differs from ours
    // when a change was lost.
    if (documentLines(text.toString()).join(QLatin1Char('\n')) != open->document.text()) {
        open->document.setText(text.toString());
        aliases.markChanged(uri);
    }
}
