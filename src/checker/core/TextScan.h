#pragma once

#include <QChar>
#include <QString>

// Small bounded tests on a line that the root scanner and the statement
// scanner share. None of them reads past the end of the line.
namespace TextScan {

// `text` holds `literal` (plain ASCII) at `pos`.
inline bool hasAt(const QString& text, int pos, const char* literal)
{
    const int length = text.size();
    if (pos < 0)
        return false;
    for (; *literal; ++literal, ++pos)
        if (pos >= length || text[pos] != QLatin1Char(*literal))
            return false;
    return true;
}

// The character at `pos` stands alone: a space or the end of the line follows
// it. The character before it is not looked at.
inline bool isStandalone(const QString& text, int pos)
{
    return pos + 1 >= text.size() || text[pos + 1] == QLatin1Char(' ');
}

// Only white space (in QString::trimmed()'s sense) lies in [from, to).
inline bool isBlank(const QString& text, int from, int to)
{
    if (from < 0)
        from = 0;
    if (to > text.size())
        to = text.size();
    for (int i = from; i < to; ++i)
        if (!text[i].isSpace())
            return false;
    return true;
}

inline bool isBlank(const QString& text)
{
    return isBlank(text, 0, text.size());
}

// The length QString::trimmed() would give [from, end of line).
inline int trimmedLength(const QString& text, int from)
{
    int first = from < 0 ? 0 : from;
    int last = text.size();
    while (first < last && text[first].isSpace())
        ++first;
    while (last > first && text[last - 1].isSpace())
        --last;
    return last - first;
}

// The last character of the line that is not white space is `last`.
inline bool endsWith(const QString& text, char last)
{
    int i = text.size() - 1;
    while (i >= 0 && text[i].isSpace())
        --i;
    return i >= 0 && text[i] == QLatin1Char(last);
}

} // namespace TextScan
