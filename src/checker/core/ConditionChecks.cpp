#include "MslChecker.h"
#include "TextScan.h"
#include "checker/tables/ConditionOperators.h"

// if/elseif/while statements, their conditions, and else.
//
// A condition is one or more groups joined by "||" or "&&". A group written
// in parentheses is walked for identifiers, variables and the balance of its
// parentheses; a group written without them is read as "operand operator
// operand", and only there is the operator checked: without parentheses the
// operator is all that tells the condition from the command after it.

namespace {

const QLatin1Char space(' ');

// "||" or "&&" stands at pos, with at least one character after it.
bool joinerAt(const QString& text, int pos)
{
    return pos + 2 < text.size() && (TextScan::hasAt(text, pos, "||") || TextScan::hasAt(text, pos, "&&"));
}

// A joiner followed by a space and something after that.
bool spacedJoinerAt(const QString& text, int pos)
{
    return joinerAt(text, pos) && pos + 3 < text.size() && text[pos + 2] == space;
}

bool charAt(const QString& text, int pos, char c)
{
    return pos >= 0 && pos < text.size() && text[pos] == QLatin1Char(c);
}

const QString conditionBlock = QStringLiteral("condition");
const QString trailingAfterBracket = QStringLiteral("Trailing Characters after closing bracket.");

} // namespace

bool MslChecker::isKnownOperator(const QString& op)
{
    if (op.startsWith(QLatin1Char('!')))
        return ConditionOperators::contains(QStringView(op).mid(1));
    return ConditionOperators::contains(op);
}

int MslChecker::ForwardFind::next(const QString& text, int pos, QLatin1String what)
{
    const bool cached = line == text.constData() && from >= 0 && pos >= from && (found < 0 || found >= pos);
    if (!cached) {
        line = text.constData();
        from = pos;
        found = text.indexOf(what, pos);
    }
    return found;
}

bool MslChecker::braceBeforeNextSeparator(const QString& text, int from)
{
    const int brace = nextBrace.next(text, from, QLatin1String("{"));
    if (brace < 0)
        return false;
    const int separator = nextSeparator.next(text, from, QLatin1String(" | "));
    return separator < 0 || brace < separator;
}

void MslChecker::checkIfStatement(const QString& text, int& pos, int& depth)
{
    const int length = text.size();
    nextBrace = ForwardFind();
    nextSeparator = ForwardFind();
    skipSpaces(text, pos);
    const int keywordStart = pos;
    skipWord(text, pos);
    setFormat(keywordStart, pos - keywordStart, FormatId::braceFormat);

    for (;;) {
        skipSpaces(text, pos);
        if (pos >= length)
            break;
        checkCondition(text, pos, depth, false);
        if (pos < length && text[pos] != space && text[pos] != QLatin1Char('{')) {
            // Reported, but the rest is still checked as the body statement.
            setFormat(pos, length - pos, FormatId::errorFormat);
            report(Severity::Error, pos, conditionBlock, trailingAfterBracket);
        }
        if (pos >= length)
            break;
        skipSpaces(text, pos);
        if (!joinerAt(text, pos))
            break;
        pos += 3;
    }

    takeOpeningBrace(text, pos, depth);
    if (pos < length)
        checkFollowingStatement(text, pos, depth);
}

void MslChecker::checkElse(const QString& text, int& pos, int& depth)
{
    skipSpaces(text, pos);
    const int keywordStart = pos;
    skipWord(text, pos);
    setFormat(keywordStart, pos - keywordStart, FormatId::braceFormat);
    skipSpaces(text, pos);
    takeOpeningBrace(text, pos, depth);
    if (pos < text.size())
        checkFollowingStatement(text, pos, depth);
}

void MslChecker::checkFollowingStatement(const QString& text, int& pos, int& depth)
{
    if (nestedChecks >= maxNestedChecks) {
        pos = text.size();
        return;
    }
    ++nestedChecks;
    checkStatement(text, pos, depth);
    --nestedChecks;
}

void MslChecker::checkCondition(const QString& text, int& pos, int& depth, bool nested)
{
    if (nestedChecks >= maxNestedChecks) {
        pos = text.size();
        return;
    }
    ++nestedChecks;
    openRepeatFilter();
    checkConditionGroup(text, pos, depth, nested);
    closeRepeatFilter();
    --nestedChecks;
}

void MslChecker::checkConditionGroup(const QString& text, int& pos, int& depth, bool nested)
{
    const int length = text.size();
    bool opened = false;
    skipSpaces(text, pos);
    if (charAt(text, pos, '(')) {
        opened = true;
        setFormat(pos, 1, FormatId::braceFormat);
        ++pos;
    }
    skipSpaces(text, pos);

    if (pos >= length) {
        setFormat(pos - 1, 1, FormatId::errorFormat);
    } else if (text[pos] == QLatin1Char('(')) {
        // A group inside a group, possibly followed by further groups.
        checkCondition(text, pos, depth, true);
        skipSpaces(text, pos);
        if (spacedJoinerAt(text, pos)) {
            pos += 3;
            checkCondition(text, pos, depth, true);
        }
        // An identifier right after the inner group is checked here; the
        // end step then reports it as excess text.
        const int save = pos;
        skipSpaces(text, pos);
        if (charAt(text, pos, '$'))
            checkIdentifier(text, pos, depth, IdentifierContext::Statement);
        pos = save;
    } else {
        const bool groupEnded = opened || nested ? walkParenthesisedCondition(text, pos, depth, nested, opened)
                                                 : walkBareCondition(text, pos, depth, nested);
        if (groupEnded)
            return;
    }
    finishConditionGroup(text, pos, depth, nested, opened);
}

// A "%" operand: up to a space, or up to a ")" that closes nothing of its
// own. pos is left on its last character.
void MslChecker::paintConditionVariable(const QString& text, int& pos)
{
    const int length = text.size();
    const int start = pos;
    int level = 0;
    while (pos < length && text[pos] != space) {
        if (text[pos] == QLatin1Char('('))
            ++level;
        else if (text[pos] == QLatin1Char(')')) {
            if (level == 0)
                break;
            --level;
        }
        ++pos;
    }
    setFormat(start, pos - start, FormatId::variableFormat);
    --pos;
}

bool MslChecker::walkParenthesisedCondition(const QString& text, int& pos, int& depth, bool nested, bool opened)
{
    const int length = text.size();
    int level = opened ? 1 : 0;
    bool atWordStart = true;
    skipSpaces(text, pos);
    while (pos < length) {
        const QChar c = text[pos];
        const bool negated = c == QLatin1Char('!');
        if (atWordStart && (c == QLatin1Char('$') || (negated && charAt(text, pos + 1, '$')))) {
            if (negated)
                ++pos;
            checkIdentifier(text, pos, depth, IdentifierContext::Condition);
        } else if (atWordStart && (c == QLatin1Char('%') || (negated && charAt(text, pos + 1, '%')))) {
            if (negated)
                ++pos;
            paintConditionVariable(text, pos);
        } else if (atWordStart && joinerAt(text, pos)) {
            if (pos + 3 < length && text[pos + 2] == space) {
                pos += 3;
                checkCondition(text, pos, depth, true);
                if (pos < length && text[pos] != space && text[pos] != QLatin1Char(')')) {
                    const int start = pos;
                    while (pos < length && text[pos] != space && text[pos] != QLatin1Char(')'))
                        ++pos;
                    --pos;
                    setFormat(start, pos - start + 1, FormatId::errorFormat);
                    report(Severity::Error, start, conditionBlock, trailingAfterBracket);
                } else {
                    --pos;
                }
            }
        } else if (c == QLatin1Char('(')) {
            ++level;
        } else if (c == QLatin1Char(')')) {
            --level;
            if (level == 0) {
                setFormat(pos, 1, FormatId::braceFormat);
                // A group that began without its own "(" leaves this ")" to
                // the group that opened it.
                if (!nested || opened)
                    ++pos;
                return true;
            }
            if (level < 0)
                return true;
        }
        if (pos < length) {
            atWordStart = text[pos] == space;
            ++pos;
        }
    }
    return false;
}

bool MslChecker::walkBareCondition(const QString& text, int& pos, int& depth, bool nested)
{
    const int length = text.size();
    // The word the walk is in; the operator is the second. Counting words
    // rather than spaces keeps a doubled space from making an operator of a
    // following "|" or "||", or an empty one of the end of the line.
    int word = 1;
    bool atWordStart = true;
    while (pos < length) {
        const QChar c = text[pos];
        if (atWordStart && c == QLatin1Char('|') && TextScan::isStandalone(text, pos)) {
            ++pos;
            return true;
        }
        if (word == 2 && atWordStart && spacedJoinerAt(text, pos)) {
            checkCondition(text, pos, depth, nested);
            --pos;
        } else if (word == 2) {
            skipSpaces(text, pos);
            int opEnd = text.indexOf(space, pos);
            if (opEnd < 0)
                opEnd = length;
            const QString op = text.mid(pos, opEnd - pos);
            const bool braceAhead = braceBeforeNextSeparator(text, opEnd);
            const bool braceHere = charAt(text, pos, '{');
            if (isKnownOperator(op) && !braceAhead) {
                // "operand op operand": the right operand is passed whole.
                pos = opEnd;
                skipSpaces(text, pos);
                skipWord(text, pos);
                return true;
            }
            if (!isKnownOperator(op) && !braceHere && !braceAhead) {
                if (op == QLatin1String("[") || op == QLatin1String("$+")) {
                    pos = opEnd;
                } else {
                    setFormat(pos, op.size(), FormatId::errorFormat);
                    report(Severity::Error, pos, QStringLiteral("condtion"),
                           QLatin1Char('`') + op + QLatin1String("' unknown operator"));
                    pos = length;
                    continue;
                }
            } else {
                // A "{" further on: the line is a block header whose words
                // are not read as "operand op operand".
                if (braceHere)
                    return true;
                pos = opEnd;
            }
        } else if (word == 1 && c == QLatin1Char('{')) {
            return true;
        } else if (atWordStart && c == QLatin1Char('{') && TextScan::isStandalone(text, pos)) {
            return true;
        } else if (atWordStart && c == QLatin1Char('$')) {
            checkIdentifier(text, pos, depth, IdentifierContext::Condition);
        } else if (atWordStart && c == QLatin1Char('!') && (charAt(text, pos + 1, '%') || charAt(text, pos + 1, '$'))) {
            ++pos;
            continue;
        } else if (atWordStart && c == QLatin1Char('%')) {
            paintConditionVariable(text, pos);
        } else if (atWordStart && joinerAt(text, pos) && text[pos + 2] == space) {
            pos += 3;
            checkCondition(text, pos, depth, nested);
            --pos;
        } else if (c == QLatin1Char(')')) {
            setFormat(pos, 1, FormatId::errorFormat);
            report(Severity::Error, pos, conditionBlock,
                   QStringLiteral("Invalid closing brace, no opening brace found"));
            ++pos;
            return true;
        }
        if (pos < length) {
            atWordStart = text[pos] == space;
            ++pos;
            if (atWordStart && pos < length && text[pos] != space)
                ++word;
        }
    }
    return false;
}

// After a group: further groups joined to it, then its own ")".
void MslChecker::finishConditionGroup(const QString& text, int& pos, int& depth, bool nested, bool opened)
{
    const int length = text.size();
    for (;;) {
        skipSpaces(text, pos);
        if (!spacedJoinerAt(text, pos))
            break;
        pos += 3;
        checkCondition(text, pos, depth, true);
    }
    skipSpaces(text, pos);
    if (!opened)
        return;
    if (charAt(text, pos, ')')) {
        setFormat(pos, 1, FormatId::braceFormat);
        ++pos;
        if (nested && pos < length && text[pos] != space && text[pos] != QLatin1Char(')')) {
            const int start = pos;
            skipWord(text, pos);
            setFormat(start, pos - start, FormatId::errorFormat);
            report(Severity::Error, start, conditionBlock, trailingAfterBracket);
        }
        return;
    }
    setFormat(pos, length - pos, FormatId::errorFormat);
    report(Severity::Error, pos, conditionBlock, QStringLiteral("Excess characters or incomplete condition"));
    pos = length;
}
