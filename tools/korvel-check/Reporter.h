#pragma once

#include "ReportFormat.h"
#include "checker/core/DocumentKind.h"
#include "checker/core/LineCheckResult.h"
#include "formats/ScriptLineReader.h"

#include <QDir>
#include <QString>
#include <memory>

struct CheckOptions;

// What korvel-check writes about the files it checks, in one output format.
// The run hands a reporter each file and each checked line in order, then
// the totals; every call returns the text to write at that point (empty when
// the format writes it later, or not at all).
class Reporter {
public:
    virtual ~Reporter() = default;

    virtual QString fileStarted(const QString& file, DocumentKind kind);
    virtual QString lineChecked(const QString& file, const ScriptLine& line, const LineCheckResult& result) = 0;
    // A line checked earlier, handed again with a diagnostic that a later line
    // (or the end of the file) showed: a block or comment never closed.
    virtual QString findingAtEarlierLine(const QString& file, const ScriptLine& line, const LineCheckResult& finding);
    virtual QString fileUnreadable(const QString& file, const QString& error);
    virtual QString finished(const CheckSummary& summary) = 0;
};

// The reporter the options ask for. Files under `workingDir` may be named
// relative to it.
std::unique_ptr<Reporter> makeReporter(const CheckOptions& options, const QDir& workingDir);
