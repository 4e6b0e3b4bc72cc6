#include "AliasIndex.h"

#include <algorithm>

namespace {

QStringList sortedKeys(const QHash<QString, DocumentAliases>& documents)
{
    QStringList keys = documents.keys();
    keys.sort();
    return keys;
}

} // namespace

void AliasIndex::setDocument(const QString& document, DocumentAliases aliases)
{
    documents.insert(document, std::move(aliases));
}

void AliasIndex::removeDocument(const QString& document)
{
    documents.remove(document);
}

QString AliasIndex::nameAt(const QString& document, int line, int character) const
{
    const auto found = documents.constFind(document);
    if (found == documents.constEnd())
        return QString();
    for (const DocumentAliases::Definition& definition : found->definitions)
        if (definition.site.contains(line, character))
            return definition.name.toLower();
    for (const DocumentAliases::Call& call : found->calls)
        if (call.site.contains(line, character))
            return call.key;
    return QString();
}

QVector<AliasIndex::Location> AliasIndex::definitions(const QString& name, const QString& fromDocument) const
{
    QVector<Location> own;
    QVector<Location> others;
    for (const QString& key : sortedKeys(documents)) {
        const bool isOwn = key == fromDocument;
        for (const DocumentAliases::Definition& definition : documents[key].definitions) {
            if (definition.name.compare(name, Qt::CaseInsensitive) != 0 || (definition.isLocal && !isOwn))
                continue;
            (isOwn ? own : others).append({key, definition.site});
        }
    }
    return own + others;
}

QVector<AliasIndex::Location> AliasIndex::references(const QString& name, bool withDefinitions) const
{
    const QString key = name.toLower();
    QVector<Location> found;
    for (const QString& document : sortedKeys(documents)) {
        const DocumentAliases& aliases = documents[document];
        QVector<Location> here;
        if (withDefinitions)
            for (const DocumentAliases::Definition& definition : aliases.definitions)
                if (definition.name.compare(name, Qt::CaseInsensitive) == 0)
                    here.append({document, definition.site});
        for (const DocumentAliases::Call& call : aliases.calls)
            if (call.key == key)
                here.append({document, call.site});
        std::stable_sort(here.begin(), here.end(), [](const Location& a, const Location& b) {
            return a.site.line != b.site.line ? a.site.line < b.site.line : a.site.start < b.site.start;
        });
        found += here;
    }
    return found;
}

QVector<AliasIndex::Symbol> AliasIndex::symbols(const QString& query) const
{
    QVector<Symbol> found;
    for (const QString& document : sortedKeys(documents))
        for (const DocumentAliases::Definition& definition : documents[document].definitions)
            if (definition.name.contains(query, Qt::CaseInsensitive))
                found.append({definition.name, {document, definition.site}, definition.isLocal});
    return found;
}
