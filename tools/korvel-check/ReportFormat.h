#pragma once

#include "checker/core/DocumentKind.h"
#include "checker/core/LineCheckResult.h"
#include "formats/ScriptLineReader.h"

#include <QString>

// The lines korvel-check prints. Every function returns complete lines,
// each ending in "\n".

// Every report names the place of a diagnostic in the file itself: the
// line of the file the script's line comes from, and the position in that
// line of the file (an INI line's key and "=" counted).

// "FILE:LINE:COL: KIND: MESSAGE [BLOCK]", the file's line, and a caret under
// the diagnostic's position (tabs are copied so the caret lines up in a
// terminal). COL is the 0-based position + 1; "[BLOCK]" is left out when the
// block is empty.
QString textDiagnostic(const QString& file, const ScriptLine& line, const LineDiagnostic& diagnostic);

// {"file":…,"line":…,"pos":…,"type":…,"block":…,"message":…} on one line;
// "pos" is 0-based.
QString jsonDiagnostic(const QString& file, const ScriptLine& line, const LineDiagnostic& diagnostic);

// {"file":…,"kind":…} on one line: the kind a file was checked as, when it
// is not a remote script.
QString jsonFileKind(const QString& file, DocumentKind kind);

// LINE<TAB>STATE<TAB>SPANS<TAB>RECORD: the end state in decimal, the runs of
// one non-default format as "start+length=formatName" (space-separated, empty
// when the line has none), and the header record or "-".
QString traceLine(int lineNumber, const LineCheckResult& result);

// The four severities the summary line counts.
enum class SummaryClass { Error, Warning, Info, Task, Uncounted };
SummaryClass summaryClass(Severity type);

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
