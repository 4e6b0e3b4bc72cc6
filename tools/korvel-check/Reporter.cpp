#include "Reporter.h"

#include "CheckOptions.h"
#include "SarifReport.h"

#include <utility>

namespace {

class TextReporter : public Reporter {
public:
    QString lineChecked(const QString& file, const ScriptLine& line, const LineCheckResult& result) override
    {
        QString text;
        for (const LineDiagnostic& diagnostic : result.diagnostics)
            text += textDiagnostic(file, line, diagnostic);
        return text;
    }
    QString finished(const CheckSummary& summary) override { return summaryLine(summary); }
};

class JsonReporter : public Reporter {
public:
    QString fileStarted(const QString& file, DocumentKind kind) override { return jsonFileKind(file, kind); }
    QString lineChecked(const QString& file, const ScriptLine& line, const LineCheckResult& result) override
    {
        QString text;
        for (const LineDiagnostic& diagnostic : result.diagnostics)
            text += jsonDiagnostic(file, line, diagnostic);
        return text;
    }
    QString finished(const CheckSummary&) override { return QString(); }
};

// --quiet: the summary line only, whatever the format.
class SummaryReporter : public Reporter {
public:
    QString lineChecked(const QString&, const ScriptLine&, const LineCheckResult&) override { return QString(); }
    QString finished(const CheckSummary& summary) override { return summaryLine(summary); }
};

// --trace: each line's trace before what the format writes for it.
class TraceReporter : public Reporter {
public:
    explicit TraceReporter(std::unique_ptr<Reporter> format)
        : format(std::move(format))
    {
    }
    QString fileStarted(const QString& file, DocumentKind kind) override { return format->fileStarted(file, kind); }
    QString lineChecked(const QString& file, const ScriptLine& line, const LineCheckResult& result) override
    {
        return traceLine(line.number, result) + format->lineChecked(file, line, result);
    }
    // The line's trace was written when it was checked.
    QString findingAtEarlierLine(const QString& file, const ScriptLine& line, const LineCheckResult& finding) override
    {
        return format->lineChecked(file, line, finding);
    }
    QString fileUnreadable(const QString& file, const QString& error) override
    {
        return format->fileUnreadable(file, error);
    }
    QString finished(const CheckSummary& summary) override { return format->finished(summary); }

private:
    std::unique_ptr<Reporter> format;
};

} // namespace

QString Reporter::fileStarted(const QString&, DocumentKind)
{
    return QString();
}

QString Reporter::findingAtEarlierLine(const QString& file, const ScriptLine& line, const LineCheckResult& finding)
{
    return lineChecked(file, line, finding);
}

QString Reporter::fileUnreadable(const QString&, const QString&)
{
    return QString();
}

std::unique_ptr<Reporter> makeReporter(const CheckOptions& options, const QDir& workingDir)
{
    if (options.quiet)
        return std::make_unique<SummaryReporter>();
    std::unique_ptr<Reporter> reporter;
    switch (options.format) {
    case CheckOptions::Format::Text: reporter = std::make_unique<TextReporter>(); break;
    case CheckOptions::Format::Json: reporter = std::make_unique<JsonReporter>(); break;
    case CheckOptions::Format::Sarif: return std::make_unique<SarifReport>(workingDir);
    }
    if (options.trace)
        return std::make_unique<TraceReporter>(std::move(reporter));
    return reporter;
}
