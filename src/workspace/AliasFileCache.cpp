#include "AliasFileCache.h"

#include <QFileInfo>

const DocumentAliases& AliasFileCache::aliasesOf(const QString& path)
{
    const QFileInfo info(path);
    Entry& entry = files[path];
    if (entry.size == info.size() && entry.modified == info.lastModified())
        return entry.aliases;
    entry.size = info.size();
    entry.modified = info.lastModified();
    entry.aliases = DocumentAliases::ofFile(path, DocumentAliases::Placement::ScriptText);
    return entry.aliases;
}
