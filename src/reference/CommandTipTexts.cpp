#include "CommandTipTexts.h"

#include "HtmlEscape.h"
#include "checker/core/FormatId.h"
#include "checker/core/LineCheckResult.h"
#include "checker/core/MslChecker.h"
#include "checker/tables/CommandNames.h"

namespace {

LineCheckResult checked(const QString& line, int previousState, DocumentKind kind)
{
    MslChecker checker;
    LineCheckResult result;
    checker.checkLine(MslChecker::lowerCased(line), previousState, result, kind);
    return result;
}

// The command whose coloured name covers column pos of a checked line.
CommandOccurrence commandCovering(const QString& line, const LineCheckResult& result, int pos)
{
    CommandOccurrence occurrence;
    if (result.formats[pos] != FormatId::commandFormat)
        return occurrence;
    int start = pos;
    while (start > 0 && result.formats[start - 1] == FormatId::commandFormat)
        --start;
    int end = pos + 1;
    while (end < line.size() && result.formats[end] == FormatId::commandFormat)
        ++end;
    while (start < end && !line[start].isLetter())
        ++start;
    occurrence.entry = CommandNames::find(QStringView(line).mid(start, end - start));
    if (occurrence.entry) {
        occurrence.start = start;
        occurrence.length = end - start;
    }
    return occurrence;
}

} // namespace

CommandOccurrence commandAt(const QString& line, int previousState, DocumentKind kind, int pos)
{
    if (pos < 0 || pos >= line.size())
        return CommandOccurrence();
    return commandCovering(line, checked(line, previousState, kind), pos);
}

CommandOccurrence commandAround(const QString& line, int previousState, DocumentKind kind, int caret)
{
    if (caret < 1 || caret > line.size())
        return CommandOccurrence();
    const LineCheckResult result = checked(line, previousState, kind);
    for (int i = caret - 1; i >= 0; --i) {
        const FormatId format = result.formats[i];
        // A caret right after the name is still on it.
        if (format == FormatId::commandFormat)
            return i == caret - 1 ? CommandOccurrence() : commandCovering(line, result, i);
        if (format == FormatId::braceFormat || (format == FormatId::None && line[i] == QLatin1Char('|')))
            break;
    }
    return CommandOccurrence();
}

QString commandUsage(const CommandEntry& entry)
{
    QString usage = QLatin1Char('/') + QLatin1String(entry.name);
    if (entry.synopsis[0])
        usage += QLatin1Char(' ') + QLatin1String(entry.synopsis);
    return usage;
}

QString commandHoverHtml(const CommandEntry& entry)
{
    QString html = QStringLiteral("<p style='white-space:pre'>") + escapedHtml(commandUsage(entry))
        + QStringLiteral("</p><p>") + QLatin1String(entry.description) + QStringLiteral("</p>");
    if (entry.switches[0])
        html += QStringLiteral("<p>Switches: ") + QLatin1String(entry.switches) + QStringLiteral("</p>");
    return html;
}

CallTipOverload commandCallTip(const CommandEntry& entry)
{
    CallTipOverload tip{QStringLiteral("<p style='white-space:pre-wrap; margin:0;'>") + escapedHtml(commandUsage(entry))
                            + QStringLiteral("</p>"),
                        QLatin1String(entry.description)};
    if (entry.switches[0])
        tip.descriptionHtml += QStringLiteral("<br>Switches: ") + QLatin1String(entry.switches);
    return tip;
}
QString commandMarkdown(const CommandEntry& entry)
{
    QString markdown = QStringLiteral("```mirc\n") + commandUsage(entry) + QStringLiteral("\n```\n")
        + QLatin1String(entry.description);
    if (entry.switches[0])
        markdown += QStringLiteral("\n\nSwitches: ") + QLatin1String(entry.switches);
    return markdown;
}
