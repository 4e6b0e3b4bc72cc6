#include "CommandTipTexts.h"

#include "HtmlEscape.h"
#include "checker/core/FormatId.h"
#include "checker/core/LineCheckResult.h"
#include "checker/core/MslChecker.h"
#include "checker/tables/CommandNames.h"

CommandOccurrence commandAt(const QString& line, int previousState, DocumentKind kind, int pos)
{
    CommandOccurrence occurrence;
    if (pos < 0 || pos >= line.size())
        return occurrence;
    MslChecker checker;
    LineCheckResult result;
    checker.checkLine(MslChecker::lowerCased(line), previousState, result, kind);
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

QString commandMarkdown(const CommandEntry& entry)
{
    QString markdown = QStringLiteral("```mirc\n") + commandUsage(entry) + QStringLiteral("\n```\n")
        + QLatin1String(entry.description);
    if (entry.switches[0])
        markdown += QStringLiteral("\n\nSwitches: ") + QLatin1String(entry.switches);
    return markdown;
}
