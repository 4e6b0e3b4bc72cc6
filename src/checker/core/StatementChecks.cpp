#include "MslChecker.h"

#include "TextScan.h"
#include "checker/tables/CommandNames.h"
#include "checker/tables/TaskMarkers.h"

// Code lines: a line of a body is a chain of statements separated by a
// standalone "|". Each statement is classified by its first word; command
// words are coloured, and the parameters are walked for misplaced braces,
// separators, identifiers and variables.

using TextScan::isStandalone;

namespace {

const QString blockName = QStringLiteral("block");
const QString strayAfterBrace = QStringLiteral("Unexpected characters after closing bracket");

// The one word in which the two sites of a closing brace differ: what a brace
// that closes more than is open is called.
QString tooManyClosingMessage(bool inVarDeclarations)
{
    return inVarDeclarations ? QStringLiteral("Unexpected closing bracket in expression")
                             : QStringLiteral("Unexpected closing bracket in the middle of expression");
}

// How deeply statement checks may nest on one line (see codeNesting). Far
// beyond any real script line, and small enough for a 1 MB thread stack.
constexpr int maxCodeNesting = 256;

// A statement's first word may carry up to four "." "!" "/" prefixes (quiet,
// no alias lookup, command prefix); they belong to the word.
constexpr int maxCommandPrefixes = 4;

bool isCommandPrefix(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('/');
}

int prefixLength(QStringView word)
{
    int n = 0;
    while (n < word.size() && isCommandPrefix(word[n]))
        ++n;
    return n;
}

// The word is `keyword`, with at most four prefixes before it.
bool isStatementKeyword(QStringView word, QLatin1String keyword)
{
    const int prefixes = prefixLength(word);
    return prefixes <= maxCommandPrefixes && word.mid(prefixes) == keyword;
}

// Letters, digits, marks and "_" make up a word for the end-of-name test.
bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_');
}

// The length of the command name (with its prefixes) that begins `word`, or
// 0. A name must end where the word characters end: "echo," is the echo
// command, "echoes" is no command.
int commandWordLength(QStringView word)
{
    const int prefixes = prefixLength(word);
    if (prefixes > maxCommandPrefixes)
        return 0;
    int end = prefixes;
    while (end < word.size() && isWordChar(word[end]))
        ++end;
    if (end == prefixes || !CommandNames::contains(word.mid(prefixes, end - prefixes)))
        return 0;
    return end;
}

bool isCodeToken(QChar c)
{
    return c == QLatin1Char('|') || c == QLatin1Char('}') || c == QLatin1Char('{');
}

} // namespace

void MslChecker::checkStatement(const QString& text, int& pos, int& depth)
{
    scanCode(text, pos, depth, CodeStep::Statement);
}

void MslChecker::checkExpression(const QString& text, int& pos, int& depth)
{
    scanCode(text, pos, depth, CodeStep::Parameters);
}

// One loop for a whole chain of statements. `waiting` counts the parameter
// scans that, had each statement been checked by a call of its own, would be
// waiting for the statement after their "|" to return: when a statement stops
// early (a comment ends at a separator), the innermost of them resumes.
void MslChecker::scanCode(const QString& text, int& pos, int& depth, CodeStep first)
{
    if (codeNesting >= maxCodeNesting) {
        stopLine = true;
        return;
    }
    struct NestingLevel {
        int& count;
        explicit NestingLevel(int& c)
            : count(c)
        {
            ++count;
        }
        ~NestingLevel() { --count; }
    } level(codeNesting);

    const int length = text.size();
    int waiting = 0;
    bool atWordStart = true;
    CodeStep step = first;
    for (;;) {
        switch (step) {
        case CodeStep::Statement: step = beginStatement(text, pos, depth); continue;
        case CodeStep::Parameters:
            skipSpaces(text, pos);
            atWordStart = true;
            break;
        case CodeStep::Unwind:
            if (waiting == 0 || stopLine)
                return;
            --waiting;
            if (pos < length)
                atWordStart = text[pos] == QLatin1Char(' ');
            ++pos;
            break;
        }
        step = scanParameters(text, pos, depth, atWordStart, waiting);
    }
}

// Classifies the statement at `pos` and hands it to its checker. Parameters
// when the statement is a command (or an unknown word) whose parameters are
// to be scanned next, Unwind when a specific check has dealt with it.
MslChecker::CodeStep MslChecker::beginStatement(const QString& text, int& pos, int& depth)
{
    const int length = text.size();
    for (;;) {
        skipSpaces(text, pos);
        const int start = pos;
        skipWord(text, pos);
        const QStringView word = start < length ? QStringView(text).mid(start, pos - start) : QStringView();

        if (word == QLatin1String("|")) { // an empty statement
            ++pos;
            continue;
        }
        if (isStatementKeyword(word, QLatin1String("var"))) {
            pos = start;
            checkVarCommand(text, pos, depth);
            return CodeStep::Unwind;
        }
        if (isStatementKeyword(word, QLatin1String("else"))) {
            pos = start;
            checkElse(text, pos, depth);
            return CodeStep::Unwind;
        }
        if (isStatementKeyword(word, QLatin1String("if")) || isStatementKeyword(word, QLatin1String("elseif"))
            || isStatementKeyword(word, QLatin1String("while"))) {
            pos = start;
            checkIfStatement(text, pos, depth);
            return CodeStep::Unwind;
        }
        if (word.startsWith(QLatin1Char(';')) || word == QLatin1String("rem")) {
            pos = start;
            checkLineComment(text, pos, depth);
            return CodeStep::Unwind;
        }
        if (word == QLatin1String("/*")) {
            pos = start;
            checkInlineComment(text, pos, depth);
            return CodeStep::Unwind;
        }
        const int nameLength = commandWordLength(word);
        if (nameLength > 0)
            setFormat(start, nameLength, FormatId::commandFormat);
        else
            pos = start; // not a command: the word is scanned as a parameter
        return CodeStep::Parameters;
    }
}

MslChecker::CodeStep MslChecker::scanParameters(const QString& text, int& pos, int& depth, bool& atWordStart,
                                                int& waiting)
{
    const int length = text.size();
    while (pos < length) {
        if (atWordStart) {
            const QChar c = text[pos];
            if (c == QLatin1Char('}') && isStandalone(text, pos)) {
                if (!checkClosingBraces(text, pos, depth, ClosingBraceSite::Statement))
                    return CodeStep::Unwind;
                ++pos;
                return CodeStep::Statement;
            }
            if (c == QLatin1Char('|') && isStandalone(text, pos)) {
                ++pos;
                ++waiting;
                return CodeStep::Statement;
            }
            if (c == QLatin1Char('{') && isStandalone(text, pos)) {
                ++depth;
                setFormat(pos, 1, FormatId::errorFormat);
                addError(Severity::Error, pos + 1, blockName,
                         QStringLiteral("Unexpected opening bracket in the middle of expression"));
                // The rest of the statement is taken for error up to the
                // next separator or brace.
                pos += 2;
                const int start = pos;
                while (pos < length && !(isCodeToken(text[pos]) && isStandalone(text, pos)))
                    ++pos;
                setFormat(start, pos - start, FormatId::errorFormat);
                if (pos < length)
                    --pos;
            } else if (c == QLatin1Char('$')) {
                checkIdentifier(text, pos, depth, IdentifierContext::Statement);
            } else if (c == QLatin1Char('%')) {
                paintVariable(text, pos);
            }
        }
        if (stopLine)
            return CodeStep::Unwind;
        if (pos < length)
            atWordStart = text[pos] == QLatin1Char(' ');
        ++pos;
    }
    return CodeStep::Unwind;
}

// After the braces, what may not stand there is treated by site:
// - in a statement, a run of text up to the next standalone "|" or "}" is
//   marked and reported at its end; when the braces closed the whole body,
//   the rest of the line is, and nothing after it is checked; below depth 0
//   the extra brace was reported and what follows is not;
// - among var declarations every such character is marked, a standalone "|"
//   ends the walk wherever it stands, and one report at the end covers them.
bool MslChecker::checkClosingBraces(const QString& text, int& pos, int& depth, ClosingBraceSite site)
{
    const int length = text.size();
    const bool inVar = site == ClosingBraceSite::VarDeclarations;
    const QString tooMany = tooManyClosingMessage(inVar);
    --depth;
    if (depth >= 0) {
        setFormat(pos, 1, FormatId::braceFormat);
    } else {
        setFormat(pos, 1, FormatId::errorFormat);
        addError(Severity::Error, pos, blockName, tooMany);
    }
    ++pos;
    bool afterBrace = true;
    bool strayCharacters = false; // var declarations: reported once, at the end
    const auto reportStrayCharacters = [&](int at) {
        if (strayCharacters)
            addError(Severity::Error, at, blockName, strayAfterBrace);
    };
    while (pos < length) {
        const QChar c = text[pos];
        if ((afterBrace || inVar) && c == QLatin1Char('|') && isStandalone(text, pos)) {
            reportStrayCharacters(pos - 1);
            return true;
        }
        if (afterBrace && c == QLatin1Char('}') && isStandalone(text, pos)) {
            --depth;
            if (depth >= 0) {
                setFormat(pos, 1, FormatId::braceFormat);
                ++pos;
                continue;
            }
            setFormat(pos, length - pos, FormatId::errorFormat);
            pos = length;
            addError(Severity::Error, pos, blockName, tooMany);
            reportStrayCharacters(pos);
            return false;
        }
        afterBrace = c == QLatin1Char(' ');
        if (!afterBrace && inVar) {
            setFormat(pos, 1, FormatId::errorFormat);
            strayCharacters = true;
        } else if (!afterBrace && depth == 0) {
            // The brace closed the whole body: nothing may follow it.
            setFormat(pos, length - pos, FormatId::errorFormat);
            addError(Severity::Error, pos, blockName, strayAfterBrace);
            pos = length;
            return false;
        } else if (!afterBrace && depth > 0) {
            // Inside the body, text up to the next separator or brace is
            // out of place.
            const int start = pos;
            bool atWordStart = true;
            while (pos < length) {
                const QChar d = text[pos];
                if (atWordStart && (d == QLatin1Char('|') || d == QLatin1Char('}')) && isStandalone(text, pos)) {
                    --pos;
                    afterBrace = true;
                    break;
                }
                atWordStart = d == QLatin1Char(' ');
                ++pos;
            }
            setFormat(start, pos - start, FormatId::errorFormat);
            addError(Severity::Error, pos, blockName, strayAfterBrace);
        }
        ++pos;
    }
    reportStrayCharacters(pos);
    return false;
}

void MslChecker::checkLineComment(const QString& text, int& pos, int& depth)
{
    const int length = text.size();
    int start = pos;
    bool atWordStart = true;
    while (pos < length) {
        if (atWordStart && isStandalone(text, pos)) {
            const QChar c = text[pos];
            if (c == QLatin1Char('|')) {
                // The comment ends at the separator; the caller's scan goes
                // on from the bar.
                setFormat(start, pos - start, FormatId::commentFormat);
                --pos;
                return;
            }
            if (c == QLatin1Char('{')) {
                ++depth;
                setFormat(start, pos - start, FormatId::commentFormat);
                setFormat(pos, 1, FormatId::errorFormat);
                start = pos + 1;
                addError(Severity::Error, pos, blockName,
                         QStringLiteral("Unexpected opening bracket in inlined-comment"));
            } else if (c == QLatin1Char('}')) {
                --depth;
                setFormat(pos, 1, FormatId::errorFormat);
            }
        }
        atWordStart = text[pos] == QLatin1Char(' ');
        ++pos;
    }
    setFormat(start, length - start, FormatId::commentFormat);
}

// A standalone brace inside a one-line comment still counts, so it is
// reported; the comment paint restarts after it.
void MslChecker::checkCommentBrace(const QString& text, int pos, int& depth, int& commentStart)
{
    const bool opening = text[pos] == QLatin1Char('{');
    depth += opening ? 1 : -1;
    setFormat(commentStart, pos - commentStart - 1, FormatId::commentFormat);
    setFormat(pos, 1, FormatId::errorFormat);
    addError(Severity::Error, pos, blockName,
             opening ? QStringLiteral("Unexpected opening bracket in inlined-comment")
                     : QStringLiteral("Unexpected closing bracket in inlined-comment"));
    commentStart = pos + 1;
}

void MslChecker::checkInlineComment(const QString& text, int& pos, int& depth)
{
    const int length = text.size();
    int start = pos;
    bool atWordStart = true;
    while (pos < length) {
        if (atWordStart && text[pos] == QLatin1Char('|') && isStandalone(text, pos)) {
            ++pos;
            skipSpaces(text, pos);
            if (TextScan::hasAt(text, pos, "*/")) {
                pos += 2;
                setFormat(start, pos - start, FormatId::commentFormat);
                checkAfterInlineComment(text, pos, depth);
                return;
            }
            // Not the end of the comment: the word after the bar starts a
            // word like any other, so a brace there still counts.
        }
        if (atWordStart && pos < length && (text[pos] == QLatin1Char('{') || text[pos] == QLatin1Char('}'))
            && isStandalone(text, pos))
            checkCommentBrace(text, pos, depth, start);
        if (pos < length) {
            atWordStart = text[pos] == QLatin1Char(' ');
            ++pos;
        }
    }
    setFormat(start, length - start, FormatId::commentErrorFormat);
    addError(Severity::Error, start, blockName,
             QStringLiteral("Inlined multi-line comment was never terminated - missing a `| */'"));
    stopLine = true;
}

// After "| */": up to the next separator only spaces may follow.
void MslChecker::checkAfterInlineComment(const QString& text, int& pos, int& depth)
{
    const int length = text.size();
    int start = pos;
    bool atWordStart = false;
    while (pos < length) {
        if (atWordStart && isStandalone(text, pos)) {
            const QChar c = text[pos];
            if (c == QLatin1Char('|')) {
                if (!TextScan::isBlank(text, start, pos))
                    setFormat(start, pos - start, FormatId::errorFormat);
                --pos;
                return;
            }
            if (c == QLatin1Char('{') || c == QLatin1Char('}'))
                checkCommentBrace(text, pos, depth, start);
        }
        atWordStart = text[pos] == QLatin1Char(' ');
        ++pos;
    }
    if (!TextScan::isBlank(text, start, length)) {
        setFormat(start, length - start, FormatId::errorFormat);
        addError(Severity::Error, start, blockName, QStringLiteral("Trailing text after end of a multi-line comment."));
    }
    --pos;
}

void MslChecker::markTasks(const QString& text, int pos, CommentStart start)
{
    if (start == CommentStart::BlockOpener) {
        skipSpaces(text, pos);
        pos += 2;
    } else if (start == CommentStart::Semicolon) {
        skipSpaces(text, pos);
        pos += 1;
    }
    skipSpaces(text, pos);
    const int wordStart = pos;
    if (wordStart >= text.size())
        return;
    skipWord(text, pos);
    const TaskMarker* marker = TaskMarkers::find(QStringView(text).mid(wordStart, pos - wordStart));
    if (!marker)
        return;
    setFormat(wordStart, pos - wordStart, FormatId::taskMarkerFormat);
    // The message is what follows the one character that ends the word.
    addError(marker->severity, wordStart, text.mid(pos + 1));
}
