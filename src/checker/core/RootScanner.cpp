#include "MslChecker.h"

#include "TextScan.h"
#include "checker/tables/OnEvents.h"

// The dispatcher: decides from the previous line's state where a line stands
// (root level, root comment, or inside a body or dialog table), handles root
// constructs and comment lines itself, and hands everything else to the
// header, body and table checks.

using BlockState::decode;
using BlockState::Decoded;
using BlockState::encode;
using BlockState::Kind;
using TextScan::hasAt;
using TextScan::isBlank;

namespace {

// The names a body family uses in its diagnostics. "rem" lines and trailing
// text after a comment spell the event family differently.
struct BodyNames {
    const char* remBlock;
    const char* trailingBlock;
};

BodyNames bodyNames(Kind kind)
{
    switch (kind) {
    case Kind::MenuBody:
    case Kind::MenuComment: return {"Menu", "Menu"};
    case Kind::EventBody:
    case Kind::EventComment: return {"event", "Event"};
    case Kind::DialogComment: return {"Dialog", "Dialog"};
    case Kind::DetachedBody:
    case Kind::DetachedComment: return {"root", "root"};
    default: return {"alias", "alias"};
    }
}

int rootState(bool inGroup)
{
    return encode(Kind::Root, 0, inGroup);
}

const QString remMessage = QStringLiteral("Old-style rem comments are deprecated, consider using `;' comments.");
const QString trailingTextMessage = QStringLiteral("Trailing text after end of a multi-line comment.");
const QString eventHeaderMessage = QStringLiteral("Ill-formed event header, expecting `on <level>:<event>:'");
const QString itemInBlockMessage =
    QStringLiteral("A menu item inside another item's block: a `}' is probably missing above");
const QString headerInBodyMessage = QStringLiteral("A header inside an open block: a `}' is probably missing above");

struct HeaderKeyword {
    const char* keyword;
    Kind body;
    bool fieldsFollow; // the word after the keyword holds the header's first colon
};

constexpr HeaderKeyword headerKeywords[] = {
    {"alias ", Kind::AliasBody, false}, {"dialog ", Kind::DialogTable, false}, {"on ", Kind::EventBody, true},
    {"menu ", Kind::MenuBody, false},   {"ctcp ", Kind::EventBody, true},      {"raw ", Kind::EventBody, true},
};

const HeaderKeyword* headerKeywordOf(const QString& text)
{
    for (const HeaderKeyword& h : headerKeywords)
        if (MslChecker::startsWithKeyword(text, h.keyword))
            return &h;
    return nullptr;
}

// The line starts as a header does: its keyword, and for on, ctcp and raw a
// colon in the word after it ("raw 311:*", not the command "raw -q ...").
bool looksLikeHeader(const QString& text)
{
    const HeaderKeyword* h = headerKeywordOf(text);
    if (!h)
        return false;
    if (!h->fieldsFollow)
        return true;
    int pos = 0;
    MslChecker::skipSpaces(text, pos);
    MslChecker::skipWord(text, pos);
    MslChecker::skipSpaces(text, pos);
    const int wordStart = pos;
    MslChecker::skipWord(text, pos);
    return QStringView(text).mid(wordStart, pos - wordStart).contains(QLatin1Char(':'));
}

Kind headerBodyKind(const QString& text)
{
    const HeaderKeyword* h = headerKeywordOf(text);
    return h ? h->body : Kind::EventBody;
}

} // namespace

void MslChecker::checkLine(const QString& lower, int previousState, LineCheckResult& result, DocumentKind kind)
{
    out = &result;
    documentKind = kind;
    result.reset(lower.size());
    stopLine = false;
    inCalc = false;
    codeNesting = 0;

    const Decoded level = decode(previousState);
    int pos = 0;
    skipSpaces(lower, pos);
    switch (level.kind) {
    case Kind::Root:
        // A line never checked before (or the first line) starts at the
        // root. A value no line of ours ends in is taken for stray root text.
        if (previousState == -1 || previousState == encode(level)) {
            checkDocumentLine(lower, pos, level.inGroup);
        } else {
            out->state = rootState(level.inGroup);
            reportUnexpectedRootText(lower);
        }
        break;
    case Kind::RootComment: checkRootComment(lower, level.inGroup); break;
    case Kind::DialogTable:
        if (!checkHeaderInBody(lower, pos, level))
            out->state = encode(checkDialogLine(lower), 0, level.inGroup);
        break;
    case Kind::DetachedBody:
        if (looksLikeHeader(lower))
            checkRootLevel(lower, level.inGroup);
        else
            checkBodyLine(lower, pos, level, previousState);
        break;
    case Kind::AliasBody:
    case Kind::EventBody:
    case Kind::MenuBody:
        if (!checkHeaderInBody(lower, pos, level))
            checkBodyLine(lower, pos, level, previousState);
        break;
    case Kind::DialogComment:
    case Kind::AliasComment:
    case Kind::EventComment:
    case Kind::MenuComment:
    case Kind::DetachedComment: checkBodyComment(lower, pos, level, previousState); break;
    }
    // A popup file is one menu body without its header: its top level is
    // the root, not a menu body one brace deep.
    if (kind == DocumentKind::Popups && out->state == encode(Kind::MenuBody, 1, level.inGroup))
        out->state = rootState(level.inGroup);
}

bool MslChecker::takeOpeningBrace(const QString& text, int& pos, int& depth)
{
    if (pos < text.size() && text[pos] == QLatin1Char('{') && TextScan::isStandalone(text, pos)) {
        setFormat(pos, 1, FormatId::braceFormat);
        ++depth;
        ++pos;
        return true;
    }
    return false;
}

void MslChecker::checkRootLevel(const QString& text, bool inGroup)
{
    const int length = text.size();
    out->state = rootState(inGroup);
    int pos = 0;
    skipSpaces(text, pos);

    if (takeRootComment(text, pos, inGroup))
        return;
    if (hasAt(text, pos, "rem")) {
        setFormat(0, length, FormatId::commentFormat);
        addError(Severity::Information, 0, QStringLiteral("root"), remMessage);
        return;
    }
    if (hasAt(text, pos, "#")) {
        checkGroupLine(text, inGroup);
        return;
    }
    if (checkRootHeader(text, inGroup))
        return;
    if (isBlank(text))
        return;
    // Inside a group the stray text is left to the fallback's own paint.
    if (!inGroup)
        setFormat(0, length, FormatId::errorFormat);
    reportUnexpectedRootText(text);
    // One report for the fault: a rejected header still opens its body, and
    // other stray text is followed as code until its braces close.
    if (!(looksLikeHeader(text) && openRejectedHeaderBody(text, headerBodyKind(text), inGroup)))
        detachStrayText(text, inGroup);
}

void MslChecker::detachStrayText(const QString& text, bool inGroup)
{
    int depth = 1;
    const int length = text.size();
    for (int i = 0; i < length; ++i) {
        if ((i == 0 || text[i - 1] == QLatin1Char(' ')) && TextScan::isStandalone(text, i)) {
            if (text[i] == QLatin1Char('{'))
                ++depth;
            else if (text[i] == QLatin1Char('}'))
                --depth;
        }
    }
    out->state = encode(Kind::DetachedBody, depth, inGroup);
}

bool MslChecker::openRejectedHeaderBody(const QString& text, Kind body, bool inGroup)
{
    int last = text.size() - 1;
    while (last >= 0 && text[last].isSpace())
        --last;
    if (last < 0 || text[last] != QLatin1Char('{'))
        return false;
    setFormat(last, 1, FormatId::braceFormat);
    setOpensBlock(true);
    out->state = encode(body, body == Kind::DialogTable ? 0 : 1, inGroup);
    return true;
}

bool MslChecker::checkHeaderInBody(const QString& text, int pos, const Decoded& level)
{
    // An item opening its own block ("label:{") inside another item's block.
    if (level.kind == Kind::MenuBody && level.depth > 1 && TextScan::endsWith(text, '{')
        && QStringView(text).trimmed().chopped(1).trimmed().endsWith(QLatin1Char(':'))) {
        addError(Severity::Warning, pos, QStringLiteral("Menu"), itemInBlockMessage);
        out->leavesBlockOpen = true;
        int depth = 1;
        checkMenuLine(text, pos, depth);
        setOpensBlock(depth > 1);
        out->state = encode(Kind::MenuBody, depth, level.inGroup);
        return true;
    }

    // Only a header written where top-level headers stand, at the start of
    // the line, with a brace of its block: the indented "raw -q notice" or
    // "alias x" command lines of a body stay code.
    if (documentKind != DocumentKind::Remote || pos != 0 || !looksLikeHeader(text) || !text.contains(QLatin1Char('{')))
        return false;
    if (level.kind == Kind::MenuBody && level.depth > 1)
        return false;
    addError(Severity::Warning, 0, QStringLiteral("root"), headerInBodyMessage);
    out->leavesBlockOpen = true;
    checkRootLevel(text, level.inGroup);
    return true;
}

bool MslChecker::takeRootComment(const QString& text, int pos, bool inGroup)
{
    const int length = text.size();
    if (hasAt(text, pos, "/*")) {
        // Opens a comment even when the line also ends with "*/": only a line
        // that starts with "*/" closes it.
        setFormat(0, length, FormatId::commentFormat);
        out->state = encode(Kind::RootComment, 0, inGroup);
        markTasks(text, 0, CommentStart::BlockOpener);
        return true;
    }
    if (hasAt(text, pos, ";")) {
        setFormat(0, length, FormatId::commentFormat);
        markTasks(text, 0, CommentStart::Semicolon);
        return true;
    }
    return false;
}

void MslChecker::checkGroupLine(const QString& text, bool inGroup)
{
    const int length = text.size();
    int pos = 0;
    skipSpaces(text, pos);
    skipWord(text, pos);
    const int nameEnd = pos;
    skipSpaces(text, pos);
    const QStringView rest = QStringView(text).mid(pos).trimmed();

    // Groups do not nest: inside one, a "#" line can only end it.
    const bool wellFormed =
        inGroup ? rest == QLatin1String("end") : (rest == QLatin1String("on") || rest == QLatin1String("off"));
    if (!wellFormed) {
        setFormat(0, length, FormatId::errorFormat);
        if (inGroup)
            addError(Severity::Error, pos, QStringLiteral("root"),
                     QStringLiteral("Ill-formed script group, expecting `#<group> end'"));
        else
            addError(Severity::Error, pos, QStringLiteral("root"), QStringLiteral("Ill-formed script group"));
        out->state = rootState(inGroup);
        // "#name on {" still starts the group its end line will close.
        if (!inGroup && TextScan::endsWith(text, '{')) {
            markGroupLine(GroupMark::Start);
            out->state = rootState(true);
        }
        return;
    }
    setFormat(0, nameEnd, FormatId::groupNameFormat);
    setFormat(pos, length - pos, FormatId::groupStateFormat);
    markGroupLine(inGroup ? GroupMark::End : GroupMark::Start);
    out->state = rootState(!inGroup);
}

// Tries the headers in their fixed order. False when none matched (or an
// "on" line named no known event), so the line is unexpected root text.
bool MslChecker::checkRootHeader(const QString& text, bool inGroup)
{
    const int length = text.size();
    int depth = 0;
    int pos = 0;
    skipSpaces(text, pos);

    if (startsWithKeyword(text, "alias ")) {
        checkAliasHeader(text, pos);
        skipSpaces(text, pos);
        takeOpeningBrace(text, pos, depth);
        checkHeaderCode(text, pos, depth, Kind::AliasBody, inGroup);
        return true;
    }
    if (startsWithKeyword(text, "dialog ")) {
        checkDialogHeader(text, pos);
        skipSpaces(text, pos);
        if (!takeOpeningBrace(text, pos, depth)) {
            setFormat(pos, length - pos, FormatId::errorFormat);
            addError(Severity::Error, pos, QStringLiteral("Dialog"),
                     QStringLiteral("No opening bracket found, will result in `creation error'"));
            openRejectedHeaderBody(text, Kind::DialogTable, inGroup);
            return true;
        }
        skipSpaces(text, pos);
        if (pos < length) {
            setFormat(pos, length - pos, FormatId::errorFormat);
            addError(Severity::Error, pos, QStringLiteral("Dialog"),
                     QStringLiteral("Excess characters after opening bracket, will result in `creation error'"));
            setOpensBlock(true);
            out->state = encode(Kind::DialogTable, 0, inGroup);
            return true;
        }
        setOpensBlock(true);
        out->state = encode(Kind::DialogTable, 0, inGroup);
        return true;
    }
    if (startsWithKeyword(text, "on ")) {
        setFormat(pos, 2, FormatId::eventKeywordFormat);
        pos += 3;
        skipSpaces(text, pos);
        if (!checkAccessLevel(text, pos)) {
            setFormat(pos, length - pos, FormatId::errorFormat);
            if (TextScan::endsWith(text, '{')) {
                addError(Severity::Error, pos, QStringLiteral("Event"), eventHeaderMessage);
                openRejectedHeaderBody(text, Kind::EventBody, inGroup);
            }
            return true;
        }
        const int eventStart = pos;
        if (checkEventHeader(text, pos)) {
            checkEventCode(text, pos, inGroup);
            return true;
        }
        if (reportUnknownEvent(text, eventStart)) {
            openRejectedHeaderBody(text, Kind::EventBody, inGroup);
            return true;
        }
        // A known event without the colon after its name: none of the
        // keywords below can match this line, so it ends as unexpected root
        // text.
    }
    if (startsWithKeyword(text, "menu ")) {
        checkMenuHeader(text, pos);
        skipSpaces(text, pos);
        if (!takeOpeningBrace(text, pos, depth)) {
            setFormat(pos, length - pos, FormatId::errorFormat);
            addError(Severity::Error, pos, QStringLiteral("Menu"),
                     QStringLiteral("No opening bracket found, menu will not work."));
            openRejectedHeaderBody(text, Kind::MenuBody, inGroup);
            return true;
        }
        skipSpaces(text, pos);
        if (pos < length) {
            setFormat(pos, length - pos, FormatId::errorFormat);
            addError(Severity::Error, pos, QStringLiteral("Menu"),
                     QStringLiteral("Excess characters after opening bracket, menu will not work."));
            setOpensBlock(true);
            out->state = encode(Kind::MenuBody, depth, inGroup);
            return true;
        }
        setOpensBlock(true);
        out->state = encode(Kind::MenuBody, depth, inGroup);
        return true;
    }
    if (startsWithKeyword(text, "ctcp ")) {
        const int keywordPos = pos;
        setFormat(pos, 4, FormatId::ctcpRawKeywordFormat);
        pos += 4;
        skipSpaces(text, pos);
        if (!checkAccessLevel(text, pos)) {
            setFormat(keywordPos, 4, FormatId::errorFormat);
            addError(Severity::AccessLevel, keywordPos, QStringLiteral("Ctcp"), QStringLiteral("Invalid Access Level"));
            openRejectedHeaderBody(text, Kind::EventBody, inGroup);
            return true;
        }
        checkCtcpHeader(text, pos);
        checkEventCode(text, pos, inGroup);
        return true;
    }
    if (startsWithKeyword(text, "raw ")) {
        setFormat(pos, 3, FormatId::ctcpRawKeywordFormat);
        pos += 4;
        skipSpaces(text, pos);
        checkRawHeader(text, pos);
        checkEventCode(text, pos, inGroup);
        return true;
    }
    return false;
}

// The code after an alias or event header (after its "{", if any). Braces
// left open make the header open a body; otherwise it was a one-line
// definition and the next line is back at the root.
void MslChecker::checkHeaderCode(const QString& text, int& pos, int& depth, Kind body, bool inGroup)
{
    checkStatement(text, pos, depth);
    setOpensBlock(depth > 0);
    out->state = encode(body, depth, inGroup);
}

// After an on, ctcp or raw header. A header whose check stopped at a fault
// (a missing field took the rest of the line) still opens the body its
// closing brace promises.
void MslChecker::checkEventCode(const QString& text, int& pos, bool inGroup)
{
    int depth = 0;
    skipSpaces(text, pos);
    if (pos >= text.size() && openRejectedHeaderBody(text, Kind::EventBody, inGroup))
        return;
    takeOpeningBrace(text, pos, depth);
    checkHeaderCode(text, pos, depth, Kind::EventBody, inGroup);
}

// An "on" line whose event name is in no event group. True when it was
// reported (the name is followed by a colon or a space, so it is the whole
// name); false leaves the line to the root-level report.
bool MslChecker::reportUnknownEvent(const QString& text, int eventStart)
{
    const int length = text.size();
    int end = eventStart;
    while (end < length && text[end] != QLatin1Char(':') && text[end] != QLatin1Char(' '))
        ++end;
    const QString event = text.mid(eventStart, end - eventStart);
    if (end >= length || event.isEmpty() || OnEvents::findEvent(event))
        return false;
    setFormat(eventStart, event.size(), FormatId::errorFormat);
    addError(Severity::Error, eventStart, QStringLiteral("on ") + event,
             QStringLiteral("Unknown event `%1'").arg(event));
    return true;
}

void MslChecker::reportUnexpectedRootText(const QString& text)
{
    if (isBlank(text))
        return;
    int pos = 0;
    skipSpaces(text, pos);
    setFormat(pos, TextScan::trimmedLength(text, 0), FormatId::errorFormat);
    addError(Severity::Error, 0, QStringLiteral("root"),
             QStringLiteral("Unexpected characters in root level of script file."));
}

void MslChecker::checkRootComment(const QString& text, bool inGroup)
{
    const int length = text.size();
    int end = 0;
    skipSpaces(text, end);
    if (!hasAt(text, end, "*/")) {
        setFormat(0, length, FormatId::commentFormat);
        out->state = encode(Kind::RootComment, 0, inGroup);
        markTasks(text, 0, CommentStart::Continued);
        return;
    }
    end += 2;
    skipSpaces(text, end);
    setFormat(0, end, FormatId::commentFormat);
    if (end < length) {
        setFormat(end, length - end, FormatId::errorFormat);
        addError(Severity::Error, end, QStringLiteral("root"), trailingTextMessage);
    }
    out->state = rootState(inGroup);
}

void MslChecker::checkBodyLine(const QString& text, int& pos, const Decoded& level, int previousState)
{
    const int length = text.size();
    if (hasAt(text, pos, ";")) {
        setFormat(0, length, FormatId::commentFormat);
        out->state = previousState;
        markTasks(text, pos, CommentStart::Semicolon);
        return;
    }
    if (hasAt(text, pos, "rem") && (pos + 3 == length || text[pos + 3] == QLatin1Char(' '))) {
        setFormat(pos, length - pos, FormatId::commentFormat);
        addError(Severity::Information, pos, QLatin1String(bodyNames(level.kind).remBlock), remMessage);
        out->state = previousState;
        return;
    }
    if (hasAt(text, pos, "/*")) {
        setFormat(0, length, FormatId::commentFormat);
        out->state = encode(commentOf(level.kind), level.depth, level.inGroup);
        markTasks(text, pos, CommentStart::BlockOpener);
        return;
    }
    int depth = level.depth;
    if (level.kind == Kind::MenuBody)
        checkMenuLine(text, pos, depth);
    else
        checkStatement(text, pos, depth);
    out->state = encode(level.kind, depth, level.inGroup);
}

void MslChecker::checkBodyComment(const QString& text, int& pos, const Decoded& level, int previousState)
{
    const int length = text.size();
    setFormat(0, length, FormatId::commentFormat);
    if (!hasAt(text, pos, "*/")) {
        out->state = previousState;
        markTasks(text, pos, CommentStart::Continued);
        return;
    }
    out->state = encode(bodyOf(level.kind), level.depth, level.inGroup);
    pos += 2;
    skipSpaces(text, pos);
    const int rest = TextScan::trimmedLength(text, pos);
    if (rest > 0) {
        setFormat(pos, rest, FormatId::errorFormat);
        addError(Severity::Error, pos, QLatin1String(bodyNames(level.kind).trailingBlock), trailingTextMessage);
    }
}
