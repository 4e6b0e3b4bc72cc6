#include "WorkspaceAliases.h"

#include "ProtocolJson.h"
#include "formats/ScriptFile.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QJsonObject>
#include <QUrl>

namespace {

// The symbol kind of an alias.
constexpr int functionSymbol = 12;

bool isScriptFile(const QString& path)
{
    return path.endsWith(QLatin1String(".mrc"), Qt::CaseInsensitive) || ScriptFile::isIniScript(path);
}

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
    const LoadedScript loaded = inFolder && isScriptFile(path) ? ScriptFile::load(path) : LoadedScript();
    if (loaded.ok)
        index.setDocument(key(uri), DocumentAliases::ofText(loaded.text, loaded.kind));
    else
        index.removeDocument(key(uri));
}

DocumentAliases WorkspaceAliases::aliasesOf(const CheckedDocument& document)
{
    DocumentAliases aliases;
    for (int i = 0; i < document.lineCount(); ++i) {
        const CheckedLine& line = document.line(i);
        aliases.addLine(i, line.text, line.stateIn, line.header, line.identifiers);
    }
    return aliases;
}

void WorkspaceAliases::scanFolder()
{
    if (scanned || folder.isEmpty())
        return;
    scanned = true;
    QDirIterator files(folder, QDir::Files | QDir::Readable, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString fileKey = QUrl::fromLocalFile(path).toString();
        if (!isScriptFile(path) || index.contains(fileKey))
            continue;
        const LoadedScript loaded = ScriptFile::load(path);
        if (loaded.ok)
            index.setDocument(fileKey, DocumentAliases::ofText(loaded.text, loaded.kind));
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
