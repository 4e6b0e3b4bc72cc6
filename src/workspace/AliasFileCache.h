#pragma once

#include "DocumentAliases.h"

#include <QDateTime>
#include <QHash>
#include <QString>

// The aliases of script files on disk, placed in the script's text as the
// editor shows it, read again only when a file's size or modification time
// changed since it was last read.
class AliasFileCache {
public:
    // The aliases of the file (none when it cannot be read).
    const DocumentAliases& aliasesOf(const QString& path);

private:
    struct Entry {
        QDateTime modified;
        qint64 size = -1;
        DocumentAliases aliases;
    };
    QHash<QString, Entry> files;
};
