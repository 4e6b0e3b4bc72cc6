#include "ReportFormat.h"

#include "checker/core/DiagnosticKinds.h"

namespace {

QString caretLine(const QString& line, int pos)
{
    const int column = qBound(0, pos, int(line.size()));
    QString caret;
    caret.reserve(column + 2);
    for (int i = 0; i < column; ++i)
        caret.append(line[i] == QLatin1Char('\t') ? QLatin1Char('\t') : QLatin1Char(' '));
    caret.append(QLatin1String("^\n"));
    return caret;
}

bool needsUnicodeEscape(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029;
}

// A JSON string literal. Control characters (mIRC's colour and style codes
// among them) are escaped so every object stays on one line, and so are the
// C1 controls and the Unicode line and paragraph separators: readers that
// split their input at every kind of line break (Python's splitlines() among
// them) would otherwise cut an object in two.
QString jsonString(const QString& text)
{
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted.append(QLatin1Char('"'));
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': quoted.append(QLatin1String("\\\"")); break;
        case '\\': quoted.append(QLatin1String("\\\\")); break;
        case '\n': quoted.append(QLatin1String("\\n")); break;
        case '\r': quoted.append(QLatin1String("\\r")); break;
        case '\t': quoted.append(QLatin1String("\\t")); break;
        default:
            if (needsUnicodeEscape(c))
                quoted.append(QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')));
            else
                quoted.append(c);
        }
    }
    quoted.append(QLatin1Char('"'));
    return quoted;
}

// Built by concatenation, never by chained QString::arg(): names, details
// and messages often contain "%" (variables) that arg() would take for its
// own markers.
QString headerRecord(const HeaderRecord& header)
{
    if (header.isEmpty())
        return QStringLiteral("-");
    return QLatin1String("kind=") + QString::number(int(header.blockKind)) + QLatin1String(" name=") + header.blockName
        + QLatin1String(" detail=") + (header.detailSet ? header.blockDetail : QString()) + QLatin1String(" pos=")
        + QString::number(header.namePos) + QLatin1String(" local=") + QString::number(int(header.isLocal))
        + QLatin1String(" opens=") + QString::number(int(header.opensBlock)) + QLatin1String(" group=")
        + QString::number(header.groupMark ? int(header.groupMarkKind) : 0);
}

} // namespace

QString textDiagnostic(const QString& file, const ScriptLine& line, const LineDiagnostic& diagnostic)
{
    const int pos = line.fileColumn + diagnostic.pos;
    QString text = file + QLatin1Char(':') + QString::number(line.fileLine) + QLatin1Char(':')
        + QString::number(pos + 1) + QLatin1String(": ") + diagnosticKind(diagnostic.type) + QLatin1String(": ")
        + diagnostic.message;
    if (!diagnostic.block.isEmpty())
        text += QLatin1String(" [") + diagnostic.block + QLatin1Char(']');
    text += QLatin1Char('\n') + line.fileText + QLatin1Char('\n') + caretLine(line.fileText, pos);
    return text;
}

QString jsonDiagnostic(const QString& file, const ScriptLine& line, const LineDiagnostic& diagnostic)
{
    return QLatin1String("{\"file\":") + jsonString(file) + QLatin1String(",\"line\":") + QString::number(line.fileLine)
        + QLatin1String(",\"pos\":") + QString::number(line.fileColumn + diagnostic.pos) + QLatin1String(",\"type\":")
        + QString::number(int(diagnostic.type)) + QLatin1String(",\"block\":") + jsonString(diagnostic.block)
        + QLatin1String(",\"message\":") + jsonString(diagnostic.message) + QLatin1String("}\n");
}

QString jsonFileKind(const QString& file, DocumentKind kind)
{
    return QLatin1String("{\"file\":") + jsonString(file) + QLatin1String(",\"kind\":")
        + jsonString(DocumentKinds::name(kind)) + QLatin1String("}\n");
}

QString traceLine(int lineNumber, const LineCheckResult& result)
{
    QString spans;
    for (const FormatSpan& span : result.spans()) {
        if (!spans.isEmpty())
            spans += QLatin1Char(' ');
        spans += QString::number(span.start) + QLatin1Char('+') + QString::number(span.length) + QLatin1Char('=')
            + formatName(span.format);
    }
    return QString::number(lineNumber) + QLatin1Char('\t') + QString::number(result.state) + QLatin1Char('\t') + spans
        + QLatin1Char('\t') + headerRecord(result.header) + QLatin1Char('\n');
}

SummaryClass summaryClass(Severity type)
{
    switch (type) {
    case Severity::Information: return SummaryClass::Info;
    case Severity::Warning: return SummaryClass::Warning;
    case Severity::Error: return SummaryClass::Error;
    default: return isTask(type) ? SummaryClass::Task : SummaryClass::Uncounted;
    }
}

void CheckSummary::count(const LineDiagnostic& diagnostic)
{
    switch (summaryClass(diagnostic.type)) {
    case SummaryClass::Error: ++errors; break;
    case SummaryClass::Warning: ++warnings; break;
    case SummaryClass::Info: ++infos; break;
    case SummaryClass::Task: ++tasks; break;
    case SummaryClass::Uncounted: break;
    }
}

QString summaryLine(const CheckSummary& summary)
{
    return QStringLiteral("%1 errors, %2 warnings, %3 infos, %4 tasks in %5 files\n")
        .arg(summary.errors)
        .arg(summary.warnings)
        .arg(summary.infos)
        .arg(summary.tasks)
        .arg(summary.files);
}
