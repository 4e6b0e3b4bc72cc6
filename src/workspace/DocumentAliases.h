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

    // Files one checked line: its text as written, the state it was checked
    // with and the records the checker kept for it.
    void addLine(int line, QStringView text, int stateIn, const HeaderRecord& header,
                 const QVector<IdentifierRecord>& identifiers);

    // Checks a whole text (lines ended by "\n", as ScriptFile gives them) as
    // a document of `kind` and files every line.
    static DocumentAliases ofText(const QString& text, DocumentKind kind);
};
