// korvel-check: the script checker of the Korvel editor on the command line,
// for script writers' CI and for our own fixtures and benchmarks.

#include "CheckOptions.h"
#include "ReportFormat.h"
#include "Reporter.h"
#include "ScriptRun.h"
#include "formats/ScriptLineReader.h"

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

// Checks one file, read line by line, and writes what the reporter makes of
// it as the report grows. False when the file cannot be read.
bool checkFile(const QString& file, const CheckOptions& options, Reporter& reporter, CheckSummary& summary)
{
    ScriptLineReader reader;
    if (!reader.open(file, options.kindGiven ? &options.kind : nullptr)) {
        complain(QStringLiteral("cannot read %1: %2").arg(file, reader.error()));
        writeTo(stdout, reporter.fileUnreadable(file, reader.error()));
        return false;
    }
    ++summary.files;
    QString report = reporter.fileStarted(file, reader.kind());
    const auto add = [&](const QString& text, const LineCheckResult& result) {
        for (const LineDiagnostic& diagnostic : result.diagnostics)
            summary.count(diagnostic);
        report += text;
        // Hand big reports to the terminal as they grow rather than at the end.
        if (report.size() > 1 << 16) {
            writeTo(stdout, report);
            report.clear();
        }
    };
    const bool read = checkScript(
        reader,
        [&](const ScriptLine& line, const LineCheckResult& result) {
            add(reporter.lineChecked(file, line, result), result);
        },
        [&](const ScriptLine& line, const LineCheckResult& finding) {
            add(reporter.findingAtEarlierLine(file, line, finding), finding);
        });
    writeTo(stdout, report);
    if (!read)
        complain(QStringLiteral("cannot read %1: %2").arg(file, reader.error()));
    return read;
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
    const std::unique_ptr<Reporter> reporter = makeReporter(options, QDir::current());
    CheckSummary summary;
    bool unreadable = false;
    for (const QString& file : options.files) {
        if (!checkFile(file, options, *reporter, summary))
            unreadable = true;
    }
    writeTo(stdout, reporter->finished(summary));
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
    return summary.errors > 0 ? exitErrorsFound : exitClean;
}
