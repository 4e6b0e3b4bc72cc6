#pragma once

#include "LineCheckResult.h"

#include <QString>
#include <QVector>

// The script's components (aliases, dialogs, event handlers, menus) with the
// lines they start on, worked out from the header records the checker keeps
// per line. The outline dock of a script window and the language server's
// document symbols both show this one tree.
//
// Use: call add() for the lines in line order, each with its 1-based number,
// its header record and its text. Nothing here needs a document or a GUI.

// What kind of component an entry is: the header kind of its line (never
// None).
using OutlineKind = HeaderKind;

struct OutlineEntry {
    OutlineKind kind = OutlineKind::Alias;
    QString name;   // the header's blockName, in the case the line writes it
    QString detail; // the header's blockDetail, for events the event word ("text", "join", ...)
    int line = 0;   // 1-based line of the header
    bool isLocal = false;
    bool multiLine = false; // the header line opens a brace block

    // The entry as a list shows it: the name, then " : " and the detail
    // when there is one.
    QString label() const;

    bool operator==(const OutlineEntry& o) const
    {
        return kind == o.kind && name == o.name && detail == o.detail && line == o.line && isLocal == o.isLocal
            && multiLine == o.multiLine;
    }
};

// Entries of one scope, each list in line order.
struct ScopedEntries {
    QVector<OutlineEntry> local;
    QVector<OutlineEntry> global;
};

struct ScriptOutline {
    ScopedEntries aliases;
    ScopedEntries dialogs;
    QVector<OutlineEntry> events;
    QVector<OutlineEntry> menus;

    // Files one header; lines without a component name (or of no kind the
    // outline knows) add nothing. The checker reads lower-cased lines, so
    // the name of an alias, dialog or popup item is taken back from
    // `lineText` at the header's name position.
    void add(int line, const HeaderRecord& record, QStringView lineText);

    // The record's component name as `lineText` writes it: the checker's
    // lower-cased name, in the line's own case where the line holds it at
    // the name position (not for the names the checker gives, such as
    // "Menu").
    static QString writtenName(const HeaderRecord& record, QStringView lineText);
};
