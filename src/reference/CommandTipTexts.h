#pragma once

#include "CallTipOverload.h"
#include "checker/core/DocumentKind.h"

#include <QString>

struct CommandEntry;

// The command a position of a line stands on, told by the checker's own
// colouring: the characters the checker paints as a command name, so that
// "echo" is one at the start of a statement and not in "say echo".
struct CommandOccurrence {
    const CommandEntry* entry = nullptr; // null: the position is on no command
    int start = 0;                       // where the name starts, after any "/" or "!"
    int length = 0;
};

// Checks `line` after a line that ended in `previousState` (-1 for the first
// line) and tells which command, if any, covers column `pos`.
CommandOccurrence commandAt(const QString& line, int previousState, DocumentKind kind, int pos);

// The command whose parameters a caret at column `caret` stands in: the last
// name the checker colours as a command before the caret, with at least one
// character between them, unless a brace or a statement separator ("|") the
// checker left uncoloured comes between.
CommandOccurrence commandAround(const QString& line, int previousState, DocumentKind kind, int caret);

// "/echo [-switches...] <text>".
QString commandUsage(const CommandEntry& entry);

// The tip for a command: its usage, its description and its switches, as one
// HTML fragment for the editor's hover tip.
QString commandHoverHtml(const CommandEntry& entry);

// The same as Markdown, for the language server.
QString commandMarkdown(const CommandEntry& entry);

// The command's call tip while its parameters are typed: its usage over its
// description and switches.
CallTipOverload commandCallTip(const CommandEntry& entry);
