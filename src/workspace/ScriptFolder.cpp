#include "ScriptFolder.h"

#include "formats/ScriptFile.h"

#include <QDirIterator>

bool ScriptFolder::isScriptFile(const QString& path)
{
    return path.endsWith(QLatin1String(".mrc"), Qt::CaseInsensitive) || ScriptFile::isIniScript(path);
}

QStringList ScriptFolder::scriptFiles(const QString& folder)
{
    QStringList found;
    // Symbolic links are not followed, so a link back up the tree cannot
    // make the walk endless.
    QDirIterator files(folder, QDir::Files | QDir::Readable, QDirIterator::Subdirectories);
    for (int seen = 0; seen < maximumEntries && files.hasNext(); ++seen) {
        const QString path = files.next();
        if (isScriptFile(path))
            found.append(QFileInfo(path).absoluteFilePath());
    }
    found.sort();
    return found;
}
