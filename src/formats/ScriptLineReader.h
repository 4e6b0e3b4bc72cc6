#pragma once

#include "ScriptEncoding.h"
#include "checker/core/DocumentKind.h"

#include <QFile>
#include <QString>
#include <functional>

// One line of a script's text as the checker reads it, and where it stands
// in the file: an INI file's lines lose their keys, and its section lines
// are left out.
struct ScriptLine {
    int number = 0; // 1-based line of the script's text
    QString text;
    int fileLine = 0;   // 1-based line of the file it comes from
    int fileColumn = 0; // where `text` starts in that line of the file
    QString fileText;   // that line of the file as written
};

// A script file read line by line, with the lines, kind and encoding that
// ScriptFile::load gives, but never held whole: a pass over the bytes tells
// the encoding, a pass over the lines the kind (an INI file's sections, a
// plain file's lines until a header decides), and then the lines are handed
// out one at a time.
class ScriptLineReader {
public:
    // Opens `path` and reads what comes before its lines; false (and
    // error()) when it cannot be read. With `kind` given, a plain file's
    // lines are not read to tell it.
    bool open(const QString& path, const DocumentKind* kind = nullptr);
    const QString& error() const { return failure; }
    ScriptEncoding encoding() const { return fileEncoding; }
    DocumentKind kind() const { return fileKind; }

    // Hands every line of the script's text to `visit`, in order (an INI
    // script's text ends in a line end, so its last line is an empty one
    // after the file's last line). False on a read error.
    bool forEachLine(const std::function<void(const ScriptLine& line)>& visit);

private:
    // The file's own lines, decoded, to `visit` (told which one is the last)
    // until it returns false.
    template <typename Visit> bool forEachFileLine(Visit visit);
    bool rewind();

    QFile file;
    QString failure;
    ScriptEncoding fileEncoding = ScriptEncoding::Utf8;
    int markSize = 0;
    DocumentKind fileKind = DocumentKind::Remote;
    bool ini = false;
    bool keepPopupSections = false;
};
