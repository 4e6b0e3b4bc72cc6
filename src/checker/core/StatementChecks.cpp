#include "MslChecker.h"

#include "TextScan.h"
#include "tables/CommandNames.h"
#include "tables/TaskMarkers.h"

// Code lines: a line of a body is a chain of statements separated by a
// standalone "|". Each statement is classified by its first word; command
// words are coloured, and the parameters are walked for misplaced braces,
// separators, identifiers and variables.

using TextScan::isStandalone;

namespace {

const QString blockName = QStringLiteral("block");

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
        explicit NestingLevel(int& c) : count(c) { ++count; }
        ~NestingLevel() { --count; }
    } level(codeNesting);

    const int length = text.size();
    int waiting = 0;
    bool atWordStart = true;
    CodeStep step = first;
    for (;;) {
        switch (step) {
        case CodeStep::Statement:
            step = beginStatement(text, pos, depth);
            continue;
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

        if (word == QLatin1String("|")) {   // an empty statement
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
            pos = start;   // not a command: the word is scanned as a parameter
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
                --depth;
                if (depth >= 0) {
                    setFormat(pos, 1, FormatId::braceFormat);
                } else {
                    setFormat(pos, 1, FormatId::errorFormat);
                    addError(3, pos, blockName, QStringLiteral("Unexpected closing bracket in the middle of expression"));
                }
                ++pos;
                return scanAfterClosingBrace(text, pos, depth);
            }
            if (c == QLatin1Char('|') && isStandalone(text, pos)) {
                ++pos;
                ++waiting;
                return CodeStep::Statement;
            }
            if (c == QLatin1Char('{') && isStandalone(text, pos)) {
                ++depth;
                setFormat(pos, 1, FormatId::errorFormat);
                addError(3, pos + 1, blockName, QStringLiteral("Unexpected opening bracket in the middle of expression"));
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
                checkIdentifier(text, pos, depth, 0);
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

// What follows a closing brace in the middle of a statement: more closing
// braces, a separator, or text that cannot stand there.
MslChecker::CodeStep MslChecker::scanAfterClosingBrace(const QString& text, int& pos, int& depth)
{
    const int length = text.size();
    bool afterBrace = true;
    while (pos < length) {
        const QChar c = text[pos];
        if (afterBrace && c == QLatin1Char('|') && isStandalone(text, pos)) {
            ++pos;
            break;
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
            addError(3, pos, blockName, QStringLiteral("Unexpected closing bracket in the middle of expression"));
            break;
        }
        afterBrace = c == QLatin1Char(' ');
        if (!afterBrace && depth == 0) {
            // The brace closed the whole body: nothing may follow it.
            setFormat(pos, length - pos, FormatId::errorFormat);
            addError(3, pos, blockName, QStringLiteral("Unexpected characters after closing bracket"));
            pos = length;
            return CodeStep::Unwind;
        }
        // Inside the body, text up to the next separator or brace is out of
        // place. Below 0 the brace itself was reported as one too many, and
        // what follows it is not reported again.
        if (!afterBrace && depth > 0) {
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
            addError(3, pos, blockName, QStringLiteral("Unexpected characters after closing bracket"));
        }
        ++pos;
    }
    return CodeStep::Statement;
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
                addError(3, pos, blockName, QStringLiteral("Unexpected opening bracket in inlined-comment"));
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
    addError(3, pos, blockName,
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
    addError(3, start, blockName, QStringLiteral("Inlined multi-line comment was never terminated - missing a `| */'"));
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
        addError(3, start, blockName, QStringLiteral("Trailing text after end of a multi-line comment."));
    }
    --pos;
}

void MslChecker::markTasks(const QString& text, int pos, int mode)
{
    if (mode == 1) {        // at a "/*" opener
        skipSpaces(text, pos);
        pos += 2;
    } else if (mode == 0) { // at a ";"
        skipSpaces(text, pos);
        pos += 1;
    }
    skipSpaces(text, pos);
    const int start = pos;
    if (start >= text.size())
        return;
    skipWord(text, pos);
    const int type = TaskMarkers::typeOf(QStringView(text).mid(start, pos - start));
    if (type == 0)
        return;
    setFormat(start, pos - start, FormatId::taskMarkerFormat);
    // The message is what follows the one character that ends the word.
    addError(type, start, text.mid(pos + 1));
}
