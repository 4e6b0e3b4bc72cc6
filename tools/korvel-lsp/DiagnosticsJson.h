#pragma once

#include "checker/core/LineCheckResult.h"

#include <QByteArray>
#include <QVector>

// The severities of the protocol.
enum class LspSeverity { Error = 1, Warning = 2, Information = 3, Hint = 4 };

// How a checker diagnostic type shows in a client: errors, warnings and
// information as such, the access-level note as information, task markers
// as hints (their marker word goes into the diagnostic's code).
LspSeverity lspSeverity(Severity checkerType);

// A line's diagnostics written once, when the line is checked, as protocol
// JSON objects separated by commas: with source "korvel", the kind ("error",
// "todo", ...) as code, and a range from the checker's position to `ends`.
// Only the line number is left open, at `lineSlots`, since it changes when
// lines above are added or removed; so publishing after a keystroke copies
// bytes instead of writing thousands of diagnostics again.
struct LineDiagnosticsJson {
    QByteArray text;
    QVector<int> lineSlots; // offsets in text where the line number goes, in order

    static LineDiagnosticsJson write(const QVector<LineDiagnostic>& diagnostics, const QVector<int>& ends);

    // The bytes copyTo writes with a line number of this many digits.
    qsizetype sizeWith(qsizetype lineNumberDigits) const { return text.size() + lineSlots.size() * lineNumberDigits; }
    // Writes the objects with the line number filled in at `out` and returns
    // the end of what it wrote. The caller has made room for sizeWith().
    char* copyTo(char* out, const char* lineNumber, qsizetype lineNumberDigits) const;
};
Q_DECLARE_TYPEINFO(LineDiagnosticsJson, Q_RELOCATABLE_TYPE);
