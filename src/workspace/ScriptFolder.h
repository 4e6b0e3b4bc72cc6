#pragma once

#include <QString>
#include <QStringList>

// The script files of a folder tree, as go to definition and find references
// read a workspace: ".mrc" and ".ini" files, in the folder and its
// subfolders, hidden ones left out. Files and folders that cannot be read
// are passed over. A tree too big to be a script collection (a home folder)
// is read only in part: the walk stops after maximumEntries files.
namespace ScriptFolder {

constexpr int maximumEntries = 20000;

bool isScriptFile(const QString& path);

// Absolute paths, sorted.
QStringList scriptFiles(const QString& folder);

} // namespace ScriptFolder
