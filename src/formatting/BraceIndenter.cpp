#include "BraceIndenter.h"

#include <QStringView>

namespace {

constexpr QChar space = QLatin1Char(' ');

bool isCommentLine(QStringView text)
{
    return text.startsWith(QLatin1Char(';')) || text.startsWith(QLatin1String("rem "), Qt::CaseInsensitive);
}

bool endsWord(const QString& line, int next)
{
    return next >= line.size() || line.at(next) == space;
}

} // namespace

int BraceIndenter::leadingSpaces(const QString& line)
{
    int n = 0;
    while (n < line.size() && line.at(n) == space)
        ++n;
    return n;
}

int BraceIndenter::wantedIndent(const QString& line)
{
    lineStartDepth = depth;
    const int textStart = leadingSpaces(line);
    const QStringView text = QStringView(line).mid(textStart);

    if (!isCommentLine(text)) {
        if (!inComment && text.startsWith(QLatin1String("/*"))) {
            savedLineStartDepth = lineStartDepth;
            savedDepth = depth;
            inComment = true;
        } else if (inComment && text.startsWith(QLatin1String("*/"))) {
            lineStartDepth = savedLineStartDepth;
            depth = savedDepth;
            inComment = false;
        }
        countBraces(line, textStart);
    }

    int wanted = 0;
    if (depth > 0)
        wanted = indentStep * qMin(depth, lineStartDepth) + (continued ? indentStep : 0);
    continued = line.trimmed().endsWith(QLatin1String("$&"));
    return wanted;
}

void BraceIndenter::countBraces(const QString& line, int from)
{
    for (int i = from; i < line.size(); ++i) {
        const QChar c = line.at(i);
        const bool atWordStart = i == from || line.at(i - 1) == space;
        if (c == QLatin1Char('{')) {
            if ((atWordStart || line.at(i - 1) == QLatin1Char(':')) && endsWord(line, i + 1))
                ++depth;
        } else if (c == QLatin1Char('}')) {
            if (atWordStart && endsWord(line, i + 1) && depth > 0)
                --depth;
        }
    }
}
