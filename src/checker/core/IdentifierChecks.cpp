#include "MslChecker.h"
#include "TextScan.h"
#include "checker/tables/IdentifierParameters.h"

// Identifiers ("$" words) with their parameters, properties and what may
// follow them; the var command; the painting of "%" variables.

namespace {

const QLatin1Char space(' ');

bool charAt(const QString& text, int pos, char c)
{
    return pos >= 0 && pos < text.size() && text[pos] == QLatin1Char(c);
}

bool isArithmetic(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('*') || c == QLatin1Char('/');
}

const QString blockBlock = QStringLiteral("block");

} // namespace

MslChecker::IdentifierResult MslChecker::validateIdentifier(QString& name, unsigned paramCount, const QString& property)
{
    // "$$name" is "$name" that halts the script when it returns nothing.
    if (name.size() >= 2 && name.startsWith(QLatin1String("$$")))
        name.remove(0, 1);
    const IdentifierParameterEntry* entry = IdentifierParameters::find(name);
    if (!entry)
        return UnknownIdentifier;
    if (paramCount < entry->minParams)
        return TooFewParameters;
    if (paramCount > entry->maxParams)
        return TooManyParameters;
    if ((entry->evenOnly && paramCount % 2 == 1) || (entry->oddOnly && paramCount % 2 == 0))
        return WrongParity;
    if (property.isEmpty() || IdentifierParameters::hasProperty(*entry, property))
        return ValidIdentifier;
    return UnknownProperty;
}

void MslChecker::paintVariable(const QString& text, int& pos)
{
    const int length = text.size();
    if (pos + 1 >= length || text[pos + 1] == space)
        return;
    const int start = pos;
    skipWord(text, pos);
    setFormat(start, pos - start, FormatId::variableFormat);
}

void MslChecker::paintVarName(const QString& text, int& pos)
{
    const int length = text.size();
    if (pos + 1 >= length || text[pos + 1] == space || text[pos + 1] == QLatin1Char(','))
        return;
    const int start = pos;
    while (pos < length && text[pos] != space && text[pos] != QLatin1Char(','))
        ++pos;
    setFormat(start, pos - start, FormatId::variableFormat);
    // The caller's walk must see the comma that separates declarations.
    if (pos < length && text[pos] == QLatin1Char(','))
        --pos;
}

void MslChecker::paintParamVariable(const QString& text, int& pos)
{
    const int length = text.size();
    if (pos + 1 >= length)
        return;
    const QChar next = text[pos + 1];
    if (next == space || next == QLatin1Char(',') || next == QLatin1Char(')'))
        return;
    const int start = pos;
    int level = 0;
    bool closedByParen = false;
    while (pos < length && text[pos] != space) {
        const QChar c = text[pos];
        if (c == QLatin1Char('(')) {
            ++level;
        } else if (c == QLatin1Char(')')) {
            if (level == 0) {
                closedByParen = true;
                break;
            }
            --level;
        } else if (c == QLatin1Char(',') && level == 0) {
            break;
        }
        ++pos;
    }
    setFormat(start, pos - start, FormatId::variableFormat);
    // The ")" belongs to the enclosing identifier; a "," is counted by the
    // caller's advance from where it stands.
    if (closedByParen)
        --pos;
}

void MslChecker::checkVarCommand(const QString& text, int& pos, int& depth)
{
    const int length = text.size();
    const int start = pos;
    skipWord(text, pos);
    setFormat(start, pos - start, FormatId::commandFormat);
    skipSpaces(text, pos);

    if (charAt(text, pos, '-')) {
        // mIRC's var knows -s (show the result) and -g (global) only.
        const int dash = pos;
        bool unknownSwitch = false;
        for (++pos; pos < length && text[pos] != space; ++pos) {
            if (text[pos] != QLatin1Char('s') && text[pos] != QLatin1Char('g')) {
                setFormat(pos, 1, FormatId::warningFormat);
                unknownSwitch = true;
            }
        }
        if (unknownSwitch)
            report(Severity::Warning, dash, blockBlock, QStringLiteral("none-existing switches are used in /var."));
    }

    bool atWordStart = true;
    while (pos < length) {
        const QChar c = text[pos];
        if (atWordStart) {
            if (c == QLatin1Char('%')) {
                paintVarName(text, pos);
            } else if (c == QLatin1Char('$')) {
                checkIdentifier(text, pos, depth, IdentifierContext::Parameters);
            } else if (c == QLatin1Char('|') && TextScan::isStandalone(text, pos)) {
                ++pos;
                checkFollowingStatement(text, pos, depth);
                return;
            } else if (c == QLatin1Char('{') && TextScan::isStandalone(text, pos)) {
                ++depth;
                setFormat(pos, 1, FormatId::errorFormat);
                report(Severity::Error, pos, blockBlock, QStringLiteral("Unexpected opening bracket in expression"));
                int p = pos + 1;
                while (p < length && !(text[p] == QLatin1Char('|') && TextScan::isStandalone(text, p)))
                    ++p;
                setFormat(pos + 1, p - pos - 1, FormatId::errorFormat);
                // Stop short of the bar so that it starts the next statement.
                pos = p - 1;
            } else if (c == QLatin1Char('}') && TextScan::isStandalone(text, pos)) {
                // Stopped at a separator, the walk steps onto it again and
                // takes it for one only when a space stands before it.
                if (checkClosingBraces(text, pos, depth, ClosingBraceSite::VarDeclarations))
                    --pos;
            }
        } else if (c == QLatin1Char(',')) {
            ++pos;
            atWordStart = true;
            continue;
        }
        if (pos < length) {
            atWordStart = text[pos] == space;
            ++pos;
        }
    }
}

void MslChecker::checkIdentifier(const QString& text, int& pos, int& depth, IdentifierContext context)
{
    if (nestedChecks >= maxNestedChecks) {
        pos = text.size();
        return;
    }
    ++nestedChecks;
    checkIdentifierAt(text, pos, depth, context);
    --nestedChecks;
}

void MslChecker::checkIdentifierAt(const QString& text, int& pos, int& depth, IdentifierContext context)
{
    const int length = text.size();
    const int start = pos;

    // A lone "$" marks where an identifier is about to be typed.
    if (pos + 1 >= length || text[pos + 1] == space) {
        addIdentifierBreak(pos);
        return;
    }
    if (text[pos + 1] == QLatin1Char('!')) {
        skipDeferredIdentifier(text, pos, context);
        return;
    }
    if (checkInputIdentifier(text, pos))
        return;

    bool closeParen = false;
    while (pos < length) {
        const QChar c = text[pos];
        if (c == QLatin1Char('(') || c == space)
            break;
        if (context == IdentifierContext::Parameters && c == QLatin1Char(','))
            break;
        if (context != IdentifierContext::Statement && c == QLatin1Char(')')) {
            closeParen = true;
            break;
        }
        ++pos;
    }
    const QString name = text.mid(start, pos - start);
    const bool hasParens = charAt(text, pos, '(');
    if (hasParens)
        ++pos;

    if (!hasParens && name == QLatin1String("$")) {
        addIdentifierBreak(pos - 1);
        --pos;
        return;
    }
    setFormat(start, pos - start, FormatId::identifierFormat);

    if (!hasParens) {
        // Only parenthesised calls are looked up in the parameter table.
        addIdentifierRecord(name, start, pos, 0, false, {});
        if (closeParen)
            --pos;
        return;
    }
    checkIdentifierParameters(text, pos, depth, context, start, name);
}

// "$!name": evaluated later by whoever receives it, so it is passed over
// unchecked and unpainted.
void MslChecker::skipDeferredIdentifier(const QString& text, int& pos, IdentifierContext context)
{
    const int length = text.size();
    int level = 0;
    while (pos < length) {
        const QChar c = text[pos];
        if (c == space) {
            if (level == 0 || context == IdentifierContext::Statement)
                return;
        } else if (c == QLatin1Char('(')) {
            ++level;
        } else if (c == QLatin1Char(')')) {
            if (level == 0 && context != IdentifierContext::Statement) {
                --pos;
                return;
            }
            --level;
            if (level == 0 && context != IdentifierContext::Statement)
                return;
        } else if (c == QLatin1Char(',') && level == 0 && context == IdentifierContext::Parameters) {
            --pos;
            return;
        }
        ++pos;
    }
}

// "$?=" (or "$$?=", "$?*=", "$?!=") with its prompt: the old input box. True
// when the text was one; otherwise pos is left where it was.
bool MslChecker::checkInputIdentifier(const QString& text, int& pos)
{
    const int length = text.size();
    const int start = pos;
    if (pos + 2 >= length)
        return false;
    if (TextScan::hasAt(text, pos, "$?"))
        pos += 2;
    else if (TextScan::hasAt(text, pos, "$$?"))
        pos += 3;
    else
        return false;
    if (charAt(text, pos, '*') || charAt(text, pos, '!'))
        ++pos;
    if (pos < length && text[pos] != QLatin1Char('=')) {
        pos = start;
        return false;
    }
    setFormat(start, pos - start, FormatId::identifierFormat);
    if (pos < length)
        ++pos;
    if (charAt(text, pos, '"')) {
        const int promptStart = pos;
        ++pos;
        while (pos < length && text[pos] != QLatin1Char('"'))
            ++pos;
        setFormat(promptStart, pos - promptStart + 1, FormatId::promptFormat);
    } else {
        const int promptStart = pos;
        skipWord(text, pos);
        setFormat(promptStart, pos - promptStart, FormatId::promptFormat);
    }
    report(Severity::Information, start, QStringLiteral("Identifier"),
           QStringLiteral("The`$?' Identifier is deprecated, consider using the `$input' identifier instead."));
    return true;
}

// pos is just past the "(" of `name`, which begins at `start`.
void MslChecker::checkIdentifierParameters(const QString& text, int& pos, int& depth, IdentifierContext context,
                                           int start, const QString& name)
{
    const int length = text.size();
    const bool savedInCalc = inCalc;
    const bool isCalc = name == QLatin1String("$calc") || name == QLatin1String("$$calc");
    const bool isIif = name == QLatin1String("$iif") || name == QLatin1String("$$iif");
    if (isCalc)
        inCalc = true;

    unsigned paramCount = 1;
    int level = 1;
    QVector<int> commaPositions;
    bool atWordStart = true;
    bool first = true;
    int dotPos = -1;
    bool closed = false;
    bool separatorMet = false;
    QString property;

    while (pos < length) {
        const QChar c = text[pos];
        if (atWordStart && c == QLatin1Char('$')) {
            if (isCalc) {
                checkIdentifier(text, pos, depth, IdentifierContext::Parameters);
            } else {
                // Arithmetic after a nested identifier belongs to a $calc
                // only when the $calc is its direct parent.
                const bool outerInCalc = inCalc;
                inCalc = false;
                checkIdentifier(text, pos, depth, IdentifierContext::Parameters);
                inCalc = outerInCalc;
            }
        } else if (atWordStart && c == QLatin1Char('{') && TextScan::isStandalone(text, pos)) {
            ++depth;
            setFormat(pos, 1, FormatId::errorFormat);
            report(Severity::Error, pos, name, QStringLiteral("Unexpected opening bracket inside an identifier."));
        } else if (atWordStart && c == QLatin1Char('%')) {
            paintParamVariable(text, pos);
        } else if (atWordStart && !first && c == QLatin1Char('|') && pos + 1 < length && text[pos + 1] == space) {
            // The call is left open where its statement ends: the statements
            // after the separator are checked as such.
            setFormat(start, pos - start, FormatId::errorFormat);
            report(Severity::Error, start, name,
                   QLatin1String("Invalid format:") + name + QLatin1String(". Unexpected command separated found."));
            separatorMet = true;
            break;
        } else if (atWordStart && c == QLatin1Char('}') && TextScan::isStandalone(text, pos)) {
            // A standalone brace closes a block, never a parameter: the call
            // was left open before it.
            break;
        } else if (c == QLatin1Char('(') && isIif && commaPositions.isEmpty()) {
            // The first parameter of $iif is a condition.
            int conditionDepth = 0;
            checkCondition(text, pos, conditionDepth, false);
            if (pos < length && text[pos] != space && text[pos] != QLatin1Char(',')) {
                int end = pos;
                while (end < length && text[end] != space && text[end] != QLatin1Char(','))
                    ++end;
                setFormat(pos, end - pos, FormatId::errorFormat);
                report(Severity::Error, pos, QStringLiteral("condition"),
                       QStringLiteral("Trailing Characters after closing bracket."));
            }
            continue;
        } else if (c == QLatin1Char('(')) {
            ++level;
        } else if (c == QLatin1Char(')')) {
            --level;
            if (level == 0) {
                setFormat(pos, 1, FormatId::identifierFormat);
                closed = true;
                property = checkIdentifierTail(text, pos, context, name, savedInCalc, dotPos);
                break;
            }
        }
        if (pos < length) {
            const QChar here = text[pos];
            if (here == space) {
                atWordStart = true;
            } else if (here == QLatin1Char(',') && level <= 1) {
                ++paramCount;
                commaPositions.append(pos);
                atWordStart = true;
            } else if (isIif && here == QLatin1Char('!') && atWordStart) {
                // "!" negates the operand that follows.
            } else if (inCalc && (isArithmetic(here) || here == QLatin1Char('('))) {
                atWordStart = true;
            } else {
                atWordStart = false;
            }
            first = false;
            ++pos;
        }
    }
    if (isCalc)
        inCalc = savedInCalc;

    QString shownName = name;
    if (!closed) {
        setFormat(start, pos - start, FormatId::errorFormat);
        if (!separatorMet)
            report(Severity::Error, start, QLatin1String("Ident:") + name,
                   QLatin1String("No closing brace found on identifier `") + name + QLatin1Char('\''));
        // What stopped the walk (a separator or a brace) is left to the
        // statement: the walk resumes on the space before it.
        if (pos < length && pos > start)
            pos -= 1;
    } else {
        const bool hadProperty = !property.isEmpty();
        if (hadProperty)
            property.remove(0, 1);
        const IdentifierResult result = validateIdentifier(shownName, paramCount, property);
        const QString block = QLatin1String("Ident:") + shownName;
        switch (result) {
        case TooFewParameters:
        case TooManyParameters:
        case WrongParity:
            setFormat(start, pos - start + 1, FormatId::errorFormat);
            report(Severity::Error, start, block,
                   result == TooFewParameters        ? QStringLiteral("Too few parameters")
                       : result == TooManyParameters ? QStringLiteral("Too many parameters")
                                                     : QStringLiteral("Invalid format - invalid number of parameters"));
            break;
        case UnknownProperty:
            setFormat(dotPos, property.size() + 1, FormatId::warningFormat);
            report(Severity::Warning, pos - property.size(), block,
                   QStringLiteral("Invalid property - Ident possess no such property"));
            break;
        case UnknownIdentifier:
        case ValidIdentifier:
            if (hadProperty && property.isEmpty()) {
                setFormat(dotPos, 1, FormatId::noticeFormat);
                report(Severity::Information, pos - 1, block, QStringLiteral("Empty property does nothing"));
            }
            break;
        }
    }

    if (charAt(text, pos, ' '))
        --pos;
    addIdentifierRecord(shownName, start, pos, dotPos, true, commaPositions);
}

// What follows the closing ")" (pos is on it) up to a space, or among
// parameters and in a condition up to an unmatched ")" (and among parameters
// a ","): a property after a ".", the arithmetic of an enclosing $calc, or
// stray text. Returns the property with its ".", or "".
QString MslChecker::checkIdentifierTail(const QString& text, int& pos, IdentifierContext context, const QString& name,
                                        bool outerInCalc, int& dotPos)
{
    const int length = text.size();
    if (pos + 1 >= length)
        return QString();
    const bool hasDot = text[pos + 1] == QLatin1Char('.');
    if (hasDot)
        dotPos = pos + 1;
    ++pos;
    const int tailStart = pos;
    int level = 0;
    bool stopBack = false;
    while (pos < length) {
        const QChar c = text[pos];
        if (c == QLatin1Char('(')) {
            ++level;
        } else if (c == QLatin1Char(')') && level > 0) {
            --level;
        } else if (c == space) {
            break;
        } else if (level == 0 && context != IdentifierContext::Statement && c == QLatin1Char(')')) {
            stopBack = true;
            break;
        } else if (level == 0 && context == IdentifierContext::Parameters && c == QLatin1Char(',')) {
            stopBack = true;
            break;
        }
        ++pos;
    }

    QString property;
    const QChar first = pos > tailStart ? text[tailStart] : QChar();
    if (hasDot) {
        setFormat(tailStart, pos - tailStart, FormatId::propertyFormat);
        property = text.mid(tailStart, pos - tailStart);
    } else if (inCalc && outerInCalc && (isArithmetic(first) || first == QLatin1Char('('))) {
        // "$calc($asc(a)+1)": the "+1" is the enclosing $calc's to read.
        pos = tailStart;
    } else {
        setFormat(tailStart, pos - tailStart, FormatId::errorFormat);
        if (pos > tailStart)
            report(Severity::Error, tailStart, blockBlock,
                   QLatin1String("Illegal characters after identifier `") + name + QLatin1String("' closing bracket"));
    }
    if (stopBack)
        --pos;
    return property;
}
