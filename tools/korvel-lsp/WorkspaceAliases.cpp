#include "WorkspaceAliases.h"

#include "ProtocolJson.h"
#include "workspace/ScriptFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QUrl>

namespace {

// The symbol kind of an alias.
constexpr int functionSymbol = 12;

QJsonObject location(const AliasIndex::Location& found)
{
    const AliasSite& site = found.site;
    return QJsonObject{{QStringLiteral("uri"), found.document},
                       {QStringLiteral("range"),
                        jsonRange(site.line, site.start, site.line, site.start + site.length)}};
}

} // namespace

QString WorkspaceAliases::key(const QString& uri)
{
    const QUrl url(uri);
    return url.isLocalFile() ? QUrl::fromLocalFile(QFileInfo(url.toLocalFile()).absoluteFilePath()).toString() : uri;
}

void WorkspaceAliases::markChanged(const QString& uri)
{
    changed.insert(uri);
}

void WorkspaceAliases::closed(const QString& uri)
{
    changed.remove(uri);
    const QString path = QUrl(uri).toLocalFile();
    const bool inFolder = !folder.isEmpty() && !path.isEmpty()
        && QFileInfo(path).absoluteFilePath().startsWith(QDir(folder).absolutePath() + QLatin1Char('/'));
    if (inFolder && ScriptFolder::isScriptFile(path))
        index.setDocument(key(uri), DocumentAliases::ofFile(path, DocumentAliases::Placement::FileText));
    else
        index.removeDocument(key(uri));
}

DocumentAliases WorkspaceAliases::aliasesOf(const CheckedDocument& document)
{
    DocumentAliases aliases;
    for (int i = 0; i < document.lineCount(); ++i) {
        const CheckedLine& line = document.line(i);
        const int start = document.scriptStart(i);
        if (start >= 0) {
            const LineRecord& record = document.record(i);
            aliases.addLine(i, line.text, start, line.stateIn, record.header, record.identifiers);
        }
    }
    return aliases;
}

void WorkspaceAliases::scanFolder()
{
    if (scanned || folder.isEmpty())
        return;
    scanned = true;
    for (const QString& path : ScriptFolder::scriptFiles(folder)) {
        const QString fileKey = QUrl::fromLocalFile(path).toString();
        if (!index.contains(fileKey))
            index.setDocument(fileKey, DocumentAliases::ofFile(path, DocumentAliases::Placement::FileText));
    }
}

QJsonArray WorkspaceAliases::locations(const QVector<AliasIndex::Location>& found) const
{
    QJsonArray list;
    for (const AliasIndex::Location& each : found)
        list.append(location(each));
    return list;
}

QJsonValue WorkspaceAliases::definition(const QString& uri, TextPosition position) const
{
    const QString name = index.nameAt(key(uri), position.line, position.character);
    if (name.isEmpty())
        return QJsonValue::Null;
    return locations(index.definitions(name, key(uri)));
}

QJsonValue WorkspaceAliases::references(const QString& uri, TextPosition position, bool withDefinitions) const
{
    const QString name = index.nameAt(key(uri), position.line, position.character);
    if (name.isEmpty())
        return QJsonValue::Null;
    return locations(index.references(name, withDefinitions));
}

QJsonArray WorkspaceAliases::symbols(const QString& query) const
{
    QJsonArray list;
    for (const AliasIndex::Symbol& symbol : index.symbols(query)) {
        QJsonObject item{{QStringLiteral("name"), symbol.name},
                         {QStringLiteral("kind"), functionSymbol},
                         {QStringLiteral("location"), location(symbol.location)}};
        if (symbol.isLocal)
            item.insert(QStringLiteral("containerName"), QStringLiteral("local"));
        list.append(item);
    }
    return list;
}
