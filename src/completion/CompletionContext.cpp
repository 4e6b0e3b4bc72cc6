#include "CompletionContext.h"

#include <QRegularExpression>

namespace {

const QRegularExpression& commandSeparator()
{
    static const QRegularExpression pattern(QStringLiteral(" \\|( |$)"));
    return pattern;
}

const QRegularExpression& comOpenCommand()
{
    static const QRegularExpression pattern(QStringLiteral("^ *[.!/]{0,4}comopen \\S+ .+$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

} // namespace

QString CompletionContext::textFromLastMarker(const QString& line, int caret, QChar marker)
{
    const QString typed = line.left(caret);
    const int markerPos = typed.lastIndexOf(marker);
    return markerPos < 0 ? typed : typed.mid(markerPos);
}

QString CompletionContext::commandUnderCaret(const QString& line, int caret)
{
    int start = 0;
    for (;;) {
        const QRegularExpressionMatch separator = commandSeparator().match(line, start);
        if (!separator.hasMatch() || separator.capturedStart() >= caret)
            break;
        start = separator.capturedStart() + 1;
    }
    if (start < line.size() && line.at(start) == QLatin1Char('|'))
        ++start;
    const QRegularExpressionMatch next = commandSeparator().match(line, start);
    const int end = next.hasMatch() ? next.capturedStart() : line.size();
    return line.mid(start, end - start);
}

bool CompletionContext::isComOpenWithProgId(const QString& command)
{
    return comOpenCommand().match(command).hasMatch();
}

QString CompletionContext::wordAroundCaret(const QString& line, int caret)
{
    int end = qBound(0, caret, int(line.size()));
    while (end < line.size() && !line.at(end).isSpace())
        ++end;
    int start = end;
    while (start > 0 && !line.at(start - 1).isSpace())
        --start;
    return line.mid(start, end - start);
}

QString CompletionContext::comProgIdPrefix(const QString& line, int caret)
{
    if (!isComOpenWithProgId(commandUnderCaret(line, caret)))
        return QString();
    return wordAroundCaret(line, caret);
}
