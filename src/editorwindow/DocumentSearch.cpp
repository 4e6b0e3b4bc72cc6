#include "DocumentSearch.h"

#include "checker/MslSyntaxHighlighter.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

const QChar identifierSign = QLatin1Char('$');
const QChar expressionDelimiter = QLatin1Char('/');
const QChar caseInsensitiveFlag = QLatin1Char('i');
const QChar minimalFlag = QLatin1Char('U');
const QChar lineEnd = QChar::ParagraphSeparator;

constexpr SearchMatch noMatch{-1, 0};

// A whole word has no letter or digit right before or right after it.
bool isWholeWord(QStringView text, int start, int length)
{
    const int end = start + length;
    return (start == 0 || !text.at(start - 1).isLetterOrNumber())
        && (end >= text.size() || !text.at(end).isLetterOrNumber());
}

bool usesWholeWords(SearchMode mode)
{
    return mode == SearchMode::WholeWords || mode == SearchMode::RegularExpression;
}

} // namespace

QRegularExpression DocumentSearch::expressionFor(const QString& text)
{
    QString pattern = text;
    QString flags;
    if (pattern.startsWith(expressionDelimiter)) {
        pattern.remove(0, 1);
        const int last = pattern.lastIndexOf(expressionDelimiter);
        if (last >= 0) {
            flags = pattern.mid(last);
            pattern.truncate(last);
        }
    }
    QRegularExpression::PatternOptions options = QRegularExpression::NoPatternOption;
    if (flags.contains(caseInsensitiveFlag))
        options |= QRegularExpression::CaseInsensitiveOption;
    if (flags.contains(minimalFlag))
        options |= QRegularExpression::InvertedGreedinessOption;
    // An empty match is never one: the engine is told so up front, which
    // spares a retry at every single position for an expression such as
    // "x*". The option item must lead the pattern; the writer's own leading
    // items may follow it.
    return QRegularExpression(QStringLiteral("(*NOTEMPTY)") + pattern, options);
}

DocumentSearch::DocumentSearch(const MslSyntaxHighlighter* checker, SearchMode mode, const QString& searchText)
    : checker(checker)
    , document(checker->document())
    , mode(mode)
    , needle(searchText)
{
    switch (mode) {
    case SearchMode::CaseSensitive: caseSensitivity = Qt::CaseSensitive; break;
    case SearchMode::RegularExpression: regex = expressionFor(searchText); break;
    case SearchMode::Identifier:
        if (!needle.isEmpty() && !needle.startsWith(identifierSign))
            needle.prepend(identifierSign);
        break;
    case SearchMode::Plain:
    case SearchMode::WholeWords: break;
    }
    if (canMatch())
        text = document->toRawText();
}

DocumentSearch::Line DocumentSearch::lineAt(int position) const
{
    const int start = position > 0 ? int(text.lastIndexOf(lineEnd, position - 1)) + 1 : 0;
    int end = int(text.indexOf(lineEnd, start));
    if (end < 0)
        end = int(text.size());
    return {start, QStringView(text).mid(start, end - start)};
}

// A line with a negative start stands for "no line".
DocumentSearch::Line DocumentSearch::nextLine(const Line& line) const
{
    const int next = line.start + int(line.text.size()) + 1;
    if (next > text.size())
        return {-1, {}};
    return lineAt(next);
}

DocumentSearch::Line DocumentSearch::previousLine(const Line& line) const
{
    if (line.start == 0)
        return {-1, {}};
    return lineAt(line.start - 1);
}

bool DocumentSearch::acceptable(const Line& line, int start, int length) const
{
    if (length == 0)
        return false;
    if (usesWholeWords(mode) && !isWholeWord(line.text, start, length))
        return false;
    if (mode != SearchMode::Identifier)
        return true;
    // Only where the checker saw an identifier of exactly this length
    // starting here: "$nick" inside "$nickname" is not a match.
    for (const IdentifierRecord& record : checker->recordAt(document->findBlock(line.start)).identifiers) {
        if (record.start == start && record.name.size() == length)
            return true;
    }
    return false;
}

SearchMatch DocumentSearch::firstInLine(const Line& line, int from) const
{
    // Every round moves `from` past the rejected candidate's start, so the
    // loop ends within the line.
    while (from <= line.text.size()) {
        int start = -1;
        int length = 0;
        if (mode == SearchMode::RegularExpression) {
            const QRegularExpressionMatch m = regex.match(line.text, from);
            if (!m.hasMatch())
                return noMatch;
            start = int(m.capturedStart());
            length = int(m.capturedLength());
        } else {
            start = int(line.text.indexOf(needle, from, caseSensitivity));
            length = int(needle.size());
        }
        if (start < 0)
            return noMatch;
        if (acceptable(line, start, length))
            return {start, length};
        from = start + 1;
    }
    return noMatch;
}

std::optional<SearchMatch> DocumentSearch::next(int from) const
{
    if (!canMatch())
        return std::nullopt;
    from = qBound(0, from, int(text.size()));
    for (Line line = lineAt(from); line.start >= 0; line = nextLine(line)) {
        const SearchMatch m = firstInLine(line, qMax(0, from - line.start));
        if (m.start >= 0)
            return SearchMatch{line.start + m.start, m.length};
    }
    return std::nullopt;
}

std::optional<SearchMatch> DocumentSearch::previous(int before) const
{
    if (!canMatch() || before <= 0)
        return std::nullopt;
    before = qMin(before, int(text.size()) + 1);
    for (Line line = lineAt(before - 1); line.start >= 0; line = previousLine(line)) {
        const int limit = before - line.start; // a match must start before this
        SearchMatch last = noMatch;
        for (SearchMatch m = firstInLine(line, 0); m.start >= 0 && m.start < limit; m = firstInLine(line, m.start + 1))
            last = m;
        if (last.start >= 0)
            return SearchMatch{line.start + last.start, last.length};
    }
    return std::nullopt;
}

QVector<SearchMatch> DocumentSearch::all(int limit) const
{
    QVector<SearchMatch> matches;
    if (!canMatch())
        return matches;
    for (Line line = lineAt(0); line.start >= 0 && matches.size() < limit; line = nextLine(line)) {
        for (SearchMatch m = firstInLine(line, 0); m.start >= 0 && matches.size() < limit;
             m = firstInLine(line, m.end()))
            matches.append({line.start + m.start, m.length});
    }
    return matches;
}
