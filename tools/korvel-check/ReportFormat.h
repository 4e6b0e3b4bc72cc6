#pragma once

#include "checker/core/DocumentKind.h"
#include "checker/core/LineCheckResult.h"

#include <QString>

// The lines korvel-check prints. Every function returns complete lines,
// each ending in "\n".

// "FILE:LINE:COL: KIND: MESSAGE [BLOCK]", the source line, and a caret under
// the diagnostic's position (tabs are copied so the caret lines up in a
// terminal). COL is the 0-based position + 1; "[BLOCK]" is left out when the
// block is empty.
QString textDiagnostic(const QString& file, int lineNumber, const QString& line, const LineDiagnostic& diagnostic);

// {"file":…,"line":…,"pos":…,"type":…,"block":…,"message":…} on one line.
QString jsonDiagnostic(const QString& file, int lineNumber, const LineDiagnostic& diagnostic);

// {"file":…,"kind":…} on one line: the kind a file was checked as, when it
// is not a remote script.
QString jsonFileKind(const QString& file, DocumentKind kind);

// LINE<TAB>STATE<TAB>SPANS<TAB>RECORD: the end state in decimal, the runs of
// one non-default format as "start+length=formatName" (space-separated, empty
// when the line has none), and the header record or "-".
QString traceLine(int lineNumber, const LineCheckResult& result);

struct CheckSummary {
    int errors = 0;
    int warnings = 0;
    int infos = 0;
    int tasks = 0;
    int files = 0;

    void count(const LineDiagnostic& diagnostic);
};

// "N errors, N warnings, N infos, N tasks in N files" (always in this form,
// so that scripts can read it).
QString summaryLine(const CheckSummary& summary);
