#include "CompletionContext.h"

#include "checker/core/BlockState.h"

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

bool startsInBody(int previousState)
{
    switch (BlockState::decode(previousState).kind) {
    case BlockState::Kind::AliasBody:
    case BlockState::Kind::EventBody:
    case BlockState::Kind::DetachedBody: return true;
    default: return false;
    }
}

bool isCommandPrefix(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('.') || c == QLatin1Char('!');
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

int CompletionContext::commandNameStart(const QString& line, int caret, int previousState)
{
    if (caret < 0 || caret > line.size())
        return -1;
    int start = caret;
    while (start > 0 && line[start - 1].isLetterOrNumber())
        --start;
    int before = start;
    while (before > 0 && isCommandPrefix(line[before - 1]))
        --before;
    const int wordStart = before;
    while (before > 0 && line[before - 1] == QLatin1Char(' '))
        --before;
    if (before == 0)
        return startsInBody(previousState) ? start : -1;
    const QChar mark = line[before - 1];
    const bool afterMark = (mark == QLatin1Char('|') || mark == QLatin1Char('{')) && before < wordStart;
    return afterMark ? start : -1;
}
