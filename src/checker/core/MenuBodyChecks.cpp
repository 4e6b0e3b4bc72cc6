#include "MslChecker.h"

#include "checker/tables/MenuWords.h"

// Lines inside a menu body: "label : commands", where leading dots in the
// label nest the item, a label may be a menu event word, and an item may
// open a { } block of code instead of (or after) the colon. The label is
// walked here; the command part goes to the statement checker.

namespace {

bool isStandalone(const QString& text, int pos, int end)
{
    return pos + 1 >= end || text[pos + 1] == QLatin1Char(' ');
}

} // namespace

void MslChecker::checkMenuLine(const QString& text, int& pos, int& depth)
{
    const int length = text.size();
    skipSpaces(text, pos);

    // Inside a { } block that an item opened, lines are ordinary code.
    if (depth > 1) {
        checkStatement(text, pos, depth);
        return;
    }

    if (pos < length && text[pos] == QLatin1Char('}') && isStandalone(text, pos, length)) {
        --depth;
        setFormat(pos, 1, FormatId::braceFormat);
        pos += 2;
        skipSpaces(text, pos);
        if (pos < length) {
            setFormat(pos, length - pos, FormatId::errorFormat);
            addError(Severity::Error, pos, QStringLiteral("Menu"),
                     QStringLiteral("Trailing Characters after closing bracket."));
        }
        return;
    }

    // The colon form takes the label up to the first colon, even when a brace
    // stands before it; only a line without a colon is read in the brace form.
    // The space before a brace that opens the line counts too: "  {" is an
    // item block with an empty label.
    const int colonPos = pos < length ? text.indexOf(QLatin1Char(':'), pos) : -1;
    const bool braceForm = colonPos < 0 && pos < length && text.indexOf(QLatin1String(" {"), qMax(0, pos - 1)) >= 0;
    const int bracePos = braceForm ? text.indexOf(QLatin1Char('{'), pos) : -1;
    const int labelEnd = colonPos >= 0 ? colonPos : braceForm ? bracePos : length;
    const QString itemName = text.mid(pos, labelEnd - pos).trimmed();

    // A popup file has no menu header: its top-level items are what the
    // outline lists.
    if (documentKind == DocumentKind::Popups && depth == 1 && !itemName.isEmpty()
        && !itemName.startsWith(QLatin1Char('.')) && itemName != QLatin1String("-")
        && !MenuWords::isEventWord(itemName))
        setPopupItemBlock(itemName, pos);

    if (MenuWords::isEventWord(itemName)) {
        setFormat(pos, itemName.size(), FormatId::menuItemFormat);
    } else {
        // The label ends where the commands begin: identifiers and variables
        // in it must not run on into them.
        const QString label = text.left(labelEnd);
        int walk = pos;
        skipSpaces(label, walk);
        while (walk < labelEnd && label[walk] == QLatin1Char('.'))
            ++walk;
        bool atWordStart = true;
        while (walk < labelEnd) {
            const QChar c = label[walk];
            if (atWordStart && c == QLatin1Char('$')) {
                const int start = walk;
                int identifierDepth = 0;
                checkIdentifier(label, walk, identifierDepth, IdentifierContext::Statement);
                walk = qMax(walk, start);
            } else if (atWordStart && c == QLatin1Char('%')) {
                const int start = walk;
                paintVariable(label, walk);
                walk = qMax(walk, start);
            } else if (atWordStart && (c == QLatin1Char('{') || c == QLatin1Char('}'))
                       && isStandalone(label, walk, labelEnd)) {
                setFormat(walk, 1, FormatId::errorFormat);
                addError(Severity::Error, walk, QStringLiteral("Menu"),
                         QStringLiteral("Bracket in the middle of expression, will make menu not work."));
            }
            if (walk >= labelEnd)
                break;
            atWordStart = label[walk] == QLatin1Char(' ');
            ++walk;
        }
    }

    if (colonPos < 0 && !braceForm)
        return;
    pos = braceForm ? bracePos : colonPos + 1;
    skipSpaces(text, pos);
    if (pos < length && text[pos] == QLatin1Char('{') && isStandalone(text, pos, length)) {
        setFormat(pos, 1, FormatId::braceFormat);
        ++depth;
        ++pos;
    }
    checkStatement(text, pos, depth);
}
