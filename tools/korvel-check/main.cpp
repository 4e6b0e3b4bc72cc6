// korvel-check: the script checker of the Korvel editor on the command line,
// for script writers' CI and for our own fixtures and benchmarks.

#include "CheckOptions.h"
#include "ReportFormat.h"
#include "SarifReport.h"
#include "ScriptRun.h"
#include "formats/ScriptFile.h"

#include <QCoreApplication>
#include <QDir>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr int exitClean = 0;
constexpr int exitErrorsFound = 1;
constexpr int exitUsageOrUnreadable = 2; // also when the report could not be written

// errno of the first failed write of the report. A report cut short (a full
// disk behind a redirection) must not pass for a complete one.
int reportWriteError = 0;

void writeTo(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    if (written != size_t(bytes.size()) && stream == stdout && reportWriteError == 0)
        reportWriteError = errno;
}

void flushReport()
{
    if (std::fflush(stdout) != 0 && reportWriteError == 0)
        reportWriteError = errno;
}

// Writes an error message on standard error, after what is already on
// standard output, so that both read in order when they go to one terminal.
void complain(const QString& message)
{
    flushReport();
    writeTo(stderr, QLatin1String("korvel-check: ") + message + QLatin1Char('\n'));
}

struct FileOutcome {
    bool errorFound = false;
};

// A SARIF log is one document: the findings of every file gather in
// `sarif`, written once all are checked.
FileOutcome checkFile(const QString& file, const LoadedScript& loaded, const CheckOptions& options,
                      CheckSummary& summary, SarifReport& sarif)
{
    FileOutcome outcome;
    const bool sarifLog = options.format == CheckOptions::Format::Sarif;
    const bool verbose = !options.quiet && !sarifLog;
    const bool json = options.format == CheckOptions::Format::Json;
    const DocumentKind kind = options.kindGiven ? options.kind : loaded.kind;
    QString report;
    if (verbose && json)
        report += jsonFileKind(file, kind);
    checkScript(
        loaded.text,
        [&](int lineNumber, const QString& line, const LineCheckResult& result) {
            if (verbose && options.trace)
                report += traceLine(lineNumber, result);
            for (const LineDiagnostic& diagnostic : result.diagnostics) {
                summary.count(diagnostic);
                if (diagnostic.type == Severity::Error)
                    outcome.errorFound = true;
                if (sarifLog)
                    sarif.add(file, lineNumber, diagnostic);
                else if (verbose)
                    report += json ? jsonDiagnostic(file, lineNumber, diagnostic)
                                   : textDiagnostic(file, lineNumber, line, diagnostic);
            }
            // Hand big reports to the terminal as they grow rather than at the end.
            if (report.size() > 1 << 16) {
                writeTo(stdout, report);
                report.clear();
            }
        },
        kind);
    writeTo(stdout, report);
    return outcome;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    const ParsedCommandLine parsed = parseCommandLine(arguments);
    switch (parsed.outcome) {
    case ParsedCommandLine::Outcome::Help: writeTo(stdout, usageText()); return exitClean;
    case ParsedCommandLine::Outcome::UsageError:
        complain(parsed.error);
        writeTo(stderr, usageText());
        return exitUsageOrUnreadable;
    case ParsedCommandLine::Outcome::Run: break;
    }

    const CheckOptions& options = parsed.options;
    CheckSummary summary;
    SarifReport sarif(QDir::current());
    bool unreadable = false;
    bool errorFound = false;
    for (const QString& file : options.files) {
        const LoadedScript loaded = ScriptFile::load(file);
        if (!loaded.ok) {
            complain(QStringLiteral("cannot read %1: %2").arg(file, loaded.error));
            sarif.addUnreadable(file, loaded.error);
            unreadable = true;
            continue;
        }
        ++summary.files;
        if (checkFile(file, loaded, options, summary, sarif).errorFound)
            errorFound = true;
    }
    if (options.quiet || options.format == CheckOptions::Format::Text)
        writeTo(stdout, summaryLine(summary));
    else if (options.format == CheckOptions::Format::Sarif)
        writeTo(stdout, QString::fromUtf8(sarif.document()));
    flushReport();
    if (reportWriteError == 0 && std::ferror(stdout))
        reportWriteError = EIO;
    if (reportWriteError != 0) {
        complain(
            QStringLiteral("cannot write the report: %1").arg(QString::fromLocal8Bit(std::strerror(reportWriteError))));
        return exitUsageOrUnreadable;
    }

    if (unreadable)
        return exitUsageOrUnreadable;
    return errorFound ? exitErrorsFound : exitClean;
}
