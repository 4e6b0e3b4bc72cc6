#pragma once

#include "SearchModes.h"

#include <QRegularExpression>
#include <QString>
#include <QVector>

#include <optional>

class MslSyntaxHighlighter;
class QTextDocument;

// One match: its start in the document and its length (never 0).
struct SearchMatch {
    int start = 0;
    int length = 0;
    int end() const { return start + length; }
};

// The search the find bar runs for its text and mode. Matches never span
// lines, and a match of no text is never reported (an expression such as
// "x*" finds the runs of x and nothing between them), so walking from match
// to match always gets on. An empty search text and an invalid expression
// find nothing.
class DocumentSearch {
public:
    // Searches the document the checker checks; the identifier mode reads
    // where identifiers are from the checker's records.
    DocumentSearch(const MslSyntaxHighlighter* checker, SearchMode mode, const QString& searchText);

    bool canMatch() const { return !needle.isEmpty() && (mode != SearchMode::RegularExpression || regex.isValid()); }

    // The first match that starts at or after `from`.
    std::optional<SearchMatch> next(int from) const;
    // The last match that starts before `before`.
    std::optional<SearchMatch> previous(int before) const;
    // The matches from the start of the document, each searched from the end
    // of the one before, at most `limit` of them.
    QVector<SearchMatch> all(int limit) const;

    // The regular-expression mode's reading of "/pattern/flags": the leading
    // slash is dropped, the text from the last slash on holds the flags ("i"
    // case-insensitive, "U" minimal). A text without a leading slash is the
    // whole pattern, case-sensitive and greedy.
    static QRegularExpression expressionFor(const QString& text);

private:
    // One line of the document text: where it starts and its characters.
    struct Line {
        int start = 0;
        QStringView text;
    };
    Line lineAt(int position) const;
    Line nextLine(const Line& line) const;
    Line previousLine(const Line& line) const;
    // The first match in the line starting at or after `from` (a position in
    // the line); a start of -1 when there is none.
    SearchMatch firstInLine(const Line& line, int from) const;
    bool acceptable(const Line& line, int start, int length) const;

    const MslSyntaxHighlighter* checker;
    const QTextDocument* document;
    SearchMode mode;
    QString needle;
    Qt::CaseSensitivity caseSensitivity = Qt::CaseInsensitive;
    QRegularExpression regex;
    // The document's text in one piece, lines ended by paragraph separators,
    // so that a position in it is a position in the document. Reading it at
    // once is many times faster than reading line by line.
    QString text;
};
