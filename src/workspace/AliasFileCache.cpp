#include "AliasFileCache.h"

#include "formats/ScriptFile.h"

#include <QFileInfo>

const DocumentAliases& AliasFileCache::aliasesOf(const QString& path)
{
    const QFileInfo info(path);
    Entry& entry = files[path];
    if (entry.size == info.size() && entry.modified == info.lastModified())
        return entry.aliases;
    entry.size = info.size();
    entry.modified = info.lastModified();
    const LoadedScript loaded = ScriptFile::load(path);
    entry.aliases = loaded.ok ? DocumentAliases::ofText(loaded.text, loaded.kind) : DocumentAliases();
    return entry.aliases;
}
