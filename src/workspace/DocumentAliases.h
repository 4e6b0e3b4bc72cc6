#pragma once

#include "checker/core/DocumentKind.h"
#include "checker/core/LineCheckResult.h"

#include <QString>
#include <QStringView>
#include <QVector>

// A stretch of one line of a document: 0-based line, start and length in
// UTF-16 code units.
struct AliasSite {
    int line = 0;
    int start = 0;
    int length = 0;

    bool contains(int atLine, int character) const
    {
        return atLine == line && character >= start && character <= start + length;
    }
};

// The aliases one document defines and the places it calls an alias, from
// the checker's records of its lines: a definition is an alias header; a
// call is an identifier occurrence ("$name", "$name(...)") or a statement
// whose first word is no built-in command ("name args", ".name", "!name").
struct DocumentAliases {
    struct Definition {
        QString name; // as written
        AliasSite site;
        bool isLocal = false;
    };
    struct Call {
        QString key; // the called name, lower-cased
        AliasSite site;
    };
    QVector<Definition> definitions;
    QVector<Call> calls;

    // Files one checked line: its text as written, where the script's line
    // starts in it (after an INI file's key; 0 for a plain script), the
    // state it was checked with and the records the checker kept for it,
    // which count in `text`.
    void addLine(int line, QStringView text, int scriptStart, int stateIn, const HeaderRecord& header,
                 const QVector<IdentifierRecord>& identifiers);

    // Where the sites of a file count: in the script's text as the editor
    // shows it, or in the file's own lines and columns (an INI file's
    // section lines and keys included), as a client that edits the file
    // itself sees it.
    enum class Placement { ScriptText, FileText };

    // Checks a script file line by line, read as korvel-check reads it, and
    // files every line. A file that cannot be read has no aliases.
    static DocumentAliases ofFile(const QString& path, Placement placement);
};
