#include "MslChecker.h"

#include "BlockState.h"
#include "checker/tables/DialogControls.h"

// Lines inside a dialog table: one statement per line (option, size, title,
// a control, icon, a comment) or the table's closing brace. A line returns
// the state for the next one: still in the table, the table closed, or a
// multi-line comment opened inside it.
//
// Identifiers inside a dialog line are checked with a brace depth of their
// own: a brace inside an identifier never changes the table's state.

namespace {

const QString dialogBlock = QStringLiteral("Dialog");

// Two or more numbers separated by spaces: what a control's size field holds.
bool looksLikeSize(QStringView field)
{
    const QList<QStringView> words = field.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 2)
        return false;
    for (QStringView word : words) {
        if (word.startsWith(QLatin1Char('-')))
            word = word.mid(1);
        if (word.isEmpty() || !MslChecker::isAllDigits(word.toString()))
            return false;
    }
    return true;
}

} // namespace

QString MslChecker::nextToken(const QString& text, int& pos, bool stopAtComma)
{
    skipSpaces(text, pos);
    const int length = text.size();
    const int start = pos;
    while (pos < length && text[pos] != QLatin1Char(' ') && !(stopAtComma && text[pos] == QLatin1Char(',')))
        ++pos;
    // A comma where a token should start is a token of its own, so that a
    // walk split at commas always moves on.
    if (pos == start && pos < length)
        ++pos;
    return start < length ? text.mid(start, pos - start) : QString();
}

MslChecker::DialogToken MslChecker::checkDialogToken(const QString& text, int& pos, const QString& token,
                                                     bool paintBraceOnly)
{
    const int tokenStart = pos - token.size();
    if (token == QLatin1String("}")) {
        // mIRC ends the table at any standalone brace, whatever statement it
        // stands in.
        setFormat(pos - 1, paintBraceOnly ? 1 : text.size() - (pos - 1), FormatId::errorFormat);
        addError(Severity::Error, pos, dialogBlock,
                 QStringLiteral("Unexpected closing bracket ending dialog block prematurely"));
        return DialogToken::PrematureEnd;
    }
    if (token.startsWith(QLatin1Char('$'))) {
        pos = tokenStart;
        int depth = 0;
        checkIdentifier(text, pos, depth, IdentifierContext::Statement);
        pos = qMax(pos, tokenStart) + 1;
        return DialogToken::Evaluated;
    }
    if (token.startsWith(QLatin1Char('%'))) {
        pos = tokenStart;
        paintVariable(text, pos);
        pos = qMax(pos, tokenStart) + 1;
        return DialogToken::Evaluated;
    }
    return DialogToken::Plain;
}

BlockState::Kind MslChecker::checkDialogLine(const QString& text)
{
    const int length = text.size();
    int pos = 0;
    const QString word = nextToken(text, pos, false);
    if (word.trimmed().isEmpty())
        return BlockState::Kind::DialogTable;
    const int wordStart = pos - word.size();

    if (word == QLatin1String("option"))
        return checkDialogOption(text, pos, wordStart);
    if (word == QLatin1String("size"))
        return checkDialogSize(text, pos, wordStart);
    if (word == QLatin1String("title"))
        return checkDialogTitle(text, pos, wordStart);
    if (const DialogControls::Control* control = DialogControls::findControl(word))
        return checkDialogControl(text, pos, wordStart, *control);
    if (word == QLatin1String("icon")) {
        setFormat(wordStart, word.size(), FormatId::dialogTableFormat);
        return BlockState::Kind::DialogTable;
    }
    if (word == QLatin1String("}")) {
        setFormat(wordStart, 1, FormatId::braceFormat);
        skipSpaces(text, pos);
        if (pos < length) {
            setFormat(pos, length - pos, FormatId::errorFormat);
            addError(Severity::Error, pos, dialogBlock, QStringLiteral("Unexpected characters after closing bracket"));
        }
        return BlockState::Kind::Root;
    }
    if (word.startsWith(QLatin1Char(';'))) {
        setFormat(wordStart, length - wordStart, FormatId::commentFormat);
        markTasks(text, wordStart, CommentStart::Semicolon);
        return BlockState::Kind::DialogTable;
    }
    if (word == QLatin1String("rem")) {
        setFormat(wordStart, length - wordStart, FormatId::commentFormat);
        addError(Severity::Information, pos, QStringLiteral("alias"),
                 QStringLiteral("Old-style rem comments are deprecated, consider using `;' comments."));
        return BlockState::Kind::DialogTable;
    }
    if (word.startsWith(QLatin1String("/*"))) {
        setFormat(wordStart, length - wordStart, FormatId::commentFormat);
        markTasks(text, wordStart + 2, CommentStart::Continued);
        return BlockState::Kind::DialogComment;
    }
    setFormat(wordStart, length - wordStart, FormatId::errorFormat);
    addError(Severity::Information, pos, dialogBlock, QStringLiteral("Invalid dialog statement"));
    return BlockState::Kind::DialogTable;
}

// Walks the words of an option line (or of a title written without
// quotes), reporting each plain word that is no dialog option. Returns the
// number of words, or -1 when the table ended prematurely.
int MslChecker::checkOptionWords(const QString& text, int& pos, bool inTitle)
{
    int tokens = 0;
    for (;;) {
        const QString token = nextToken(text, pos, false);
        if (token.isEmpty())
            return tokens;
        ++tokens;
        const DialogToken kind = checkDialogToken(text, pos, token, inTitle);
        if (kind == DialogToken::PrematureEnd)
            return -1;
        if (kind == DialogToken::Plain && !DialogControls::isOption(token)) {
            setFormat(pos - token.size(), token.size(), FormatId::errorFormat);
            addError(Severity::Error, pos, dialogBlock, QStringLiteral("Invalid option type"));
        }
    }
}

BlockState::Kind MslChecker::checkDialogOption(const QString& text, int& pos, int wordStart)
{
    setFormat(wordStart, 6, FormatId::dialogTableFormat);
    const int tokens = checkOptionWords(text, pos, false);
    if (tokens < 0)
        return BlockState::Kind::Root;
    if (tokens == 0)
        addError(Severity::Error, pos, dialogBlock,
                 QStringLiteral("Dialog option requires at least one type: dbu, pixels, notheme, disable"));
    return BlockState::Kind::DialogTable;
}

BlockState::Kind MslChecker::checkDialogSize(const QString& text, int& pos, int wordStart)
{
    setFormat(wordStart, 4, FormatId::dialogTableFormat);
    int tokens = 0;
    int plainTokens = 0;
    for (;;) {
        const QString token = nextToken(text, pos, false);
        if (token.isEmpty())
            break;
        ++tokens;
        const DialogToken kind = checkDialogToken(text, pos, token, false);
        if (kind == DialogToken::PrematureEnd)
            return BlockState::Kind::Root;
        if (kind == DialogToken::Plain)
            ++plainTokens;
    }
    // An identifier or variable may stand for several numbers, so the count
    // is judged only when every parameter is written out.
    const bool allPlain = plainTokens == tokens;
    if (tokens == 0 || (allPlain && plainTokens < 4)) {
        setFormat(wordStart, 4, FormatId::errorFormat);
        addError(Severity::Error, wordStart, dialogBlock, QStringLiteral("Dialog size missing parameters"));
    } else if (allPlain && plainTokens > 4) {
        setFormat(wordStart, 4, FormatId::errorFormat);
        addError(Severity::Error, wordStart, dialogBlock, QStringLiteral("Dialog size too many parameters"));
    }
    return BlockState::Kind::DialogTable;
}

BlockState::Kind MslChecker::checkDialogTitle(const QString& text, int& pos, int wordStart)
{
    const int length = text.size();
    setFormat(wordStart, 5, FormatId::dialogTableFormat);
    skipSpaces(text, pos);
    if (pos < length && text[pos] == QLatin1Char('"')) {
        const int close = text.indexOf(QLatin1Char('"'), pos + 1);
        const int textEnd = close < 0 ? length : close;
        setFormat(pos + 1, textEnd - pos - 1, FormatId::promptFormat);
        pos = close < 0 ? length : close + 1;
        skipSpaces(text, pos);
        if (pos < length) {
            setFormat(pos, length - pos, FormatId::errorFormat);
            addError(Severity::Error, pos, dialogBlock, QStringLiteral("Trailing text after end of title string"));
        }
        return BlockState::Kind::DialogTable;
    }

    const int tokens = checkOptionWords(text, pos, true);
    if (tokens < 0)
        return BlockState::Kind::Root;
    if (tokens == 0) {
        setFormat(wordStart, 5, FormatId::errorFormat);
        addError(Severity::Error, wordStart, dialogBlock, QStringLiteral("Dialog title requires a string title"));
    }
    return BlockState::Kind::DialogTable;
}

BlockState::Kind MslChecker::checkDialogControl(const QString& text, int& pos, int wordStart,
                                                const DialogControls::Control& control)
{
    const int length = text.size();
    const QString word = QString::fromLatin1(control.name);
    setFormat(wordStart, word.size(), FormatId::dialogTableFormat);
    skipSpaces(text, pos);

    const auto reportMissing = [&](const char* message) {
        setFormat(wordStart, word.size(), FormatId::errorFormat);
        addError(Severity::Error, wordStart, dialogBlock, QString::fromLatin1(message).arg(word));
        return BlockState::Kind::DialogTable;
    };
    const auto passComma = [&] {
        if (pos < length && text[pos] == QLatin1Char(','))
            ++pos;
        skipSpaces(text, pos);
    };

    if (control.hasText) {
        if (pos >= length)
            return reportMissing("Dialog `%1' missing parameters");
        if (text[pos] == QLatin1Char('"')) {
            const int close = text.indexOf(QLatin1Char('"'), pos + 1);
            const int textEnd = close < 0 ? length : close;
            setFormat(pos + 1, textEnd - pos - 1, FormatId::promptFormat);
            pos = close < 0 ? length : close + 1;
            skipSpaces(text, pos);
        } else {
            checkDialogField(text, pos, wordStart, word, false);
        }
        passComma();
    }

    if (pos >= length)
        return reportMissing("Dialog `%1' missing ID");
    const int idStart = pos;
    checkDialogField(text, pos, wordStart, word, true);
    // An ID is one word; numbers such as "10 10 50 20" in its place are the
    // size, moved up because the ID was left out.
    if (looksLikeSize(QStringView(text).mid(idStart, pos - idStart)))
        return reportMissing("Dialog `%1' missing ID");
    passComma();

    if (pos >= length) {
        if (control.sizeOptional)
            return BlockState::Kind::DialogTable;
        return reportMissing("Dialog `%1' missing size parameters: <x> <y> <w> <h>");
    }
    checkDialogField(text, pos, wordStart, word, true);
    passComma();

    for (;;) {
        const QString token = nextToken(text, pos, true);
        if (token.isEmpty())
            break;
        const DialogToken kind = checkDialogToken(text, pos, token, false);
        if (kind == DialogToken::PrematureEnd)
            return BlockState::Kind::Root;
        // Scripts separate styles with commas as often as with spaces, and
        // mIRC reads both.
        if (kind == DialogToken::Evaluated || isAllDigits(token) || token == QLatin1String(","))
            continue;
        if (!DialogControls::acceptsStyle(control, token)) {
            setFormat(pos - token.size(), token.size(), FormatId::errorFormat);
            addError(Severity::Error, pos, dialogBlock, QStringLiteral("Invalid style type"));
        }
    }
    return BlockState::Kind::DialogTable;
}

void MslChecker::checkDialogField(const QString& text, int& pos, int wordStart, const QString& word,
                                  bool wordStartsOnly)
{
    const int length = text.size();
    bool atWordStart = true;
    while (pos < length && text[pos] != QLatin1Char(',')) {
        const QChar c = text[pos];
        const bool evaluated = atWordStart || !wordStartsOnly;
        if (evaluated && (c == QLatin1Char('$') || c == QLatin1Char('%'))) {
            const int start = pos;
            if (c == QLatin1Char('$'))
                checkDialogFieldIdentifier(text, pos, wordStart, word);
            else
                paintParamVariable(text, pos);
            pos = qMax(pos, start);
            // The identifier or variable may have stopped on the comma that
            // ends the field.
            if (pos >= length || text[pos] == QLatin1Char(','))
                break;
        }
        atWordStart = text[pos] == QLatin1Char(' ');
        ++pos;
    }
}

void MslChecker::checkDialogFieldIdentifier(const QString& text, int& pos, int wordStart, const QString& word)
{
    const int start = pos;
    int depth = 0;
    checkIdentifier(text, pos, depth, IdentifierContext::Parameters);
    // mIRC splits a control line at every comma before it evaluates
    // anything, so a comma inside an identifier's parameters breaks the line.
    if (pos > start && QStringView(text).mid(start, pos - start).contains(QLatin1Char(','))) {
        const int end = pos < text.size() && text[pos] == QLatin1Char(')') ? pos + 1 : pos;
        setFormat(wordStart, word.size(), FormatId::errorFormat);
        setFormat(start, end - start, FormatId::errorFormat);
        addError(Severity::Error, start, dialogBlock, QStringLiteral("Identifier cannot contain commas"));
    }
}
