#pragma once

#include <QString>

// A script path as mIRC reports it. mIRC is a Windows program, so the path
// may use backslashes even where Korvel runs elsewhere (through Wine); these
// take it apart without the local platform's rules.
namespace MircScriptPath {

QString fileName(const QString& path);
QString folder(const QString& path);
// An absolute path (drive, UNC or rooted) stays as mIRC wrote it; anything
// else is taken relative to Korvel's working folder.
QString absolute(const QString& path);

} // namespace MircScriptPath
