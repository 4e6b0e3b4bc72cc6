#include "MslChecker.h"

#include "TextScan.h"

// The top level of the document kinds other than remote scripts. Their lines
// go through the remote checks they correspond to: an alias file's line is
// checked as the same line behind an "alias" header (its braces open and
// close an alias body as they do there), a popup file's line as an item line
// of a menu body. Variable and user files have one short shape per line.

using BlockState::encode;
using BlockState::Kind;
using TextScan::isBlank;

namespace {

const QString variableLineMessage = QStringLiteral("A variable line starts with `%' and the variable's name.");
const QString userLevelMessage = QStringLiteral("A user line starts with an access level and a colon.");
const QString userMaskMessage = QStringLiteral("An address mask must follow the user's access level.");

} // namespace

void MslChecker::checkDocumentLine(const QString& text, int& pos, bool inGroup)
{
    out->state = encode(Kind::Root, 0, inGroup);
    switch (documentKind) {
    case DocumentKind::Remote: checkRootLevel(text, inGroup); break;
    case DocumentKind::Aliases: checkAliasFileLine(text, pos, inGroup); break;
    case DocumentKind::Popups: checkPopupFileLine(text, pos, inGroup); break;
    case DocumentKind::Variables: checkVariableFileLine(text, pos); break;
    case DocumentKind::Users: checkUserFileLine(text, pos); break;
    }
}

void MslChecker::checkAliasFileLine(const QString& text, int& pos, bool inGroup)
{
    if (takeRootComment(text, pos, inGroup) || isBlank(text))
        return;
    // mIRC takes "/name commands" as "name commands".
    if (text[pos] == QLatin1Char('/'))
        ++pos;
    checkAliasName(text, pos, false);
    int depth = 0;
    takeOpeningBrace(text, pos, depth);
    checkHeaderCode(text, pos, depth, Kind::AliasBody, inGroup);
}

void MslChecker::checkPopupFileLine(const QString& text, int& pos, bool inGroup)
{
    if (takeRootComment(text, pos, inGroup))
        return;
    const BlockState::Decoded topLevel{Kind::MenuBody, 1, inGroup};
    checkBodyLine(text, pos, topLevel, encode(Kind::Root, 0, inGroup));
    // An item that opens a { } block folds like a header.
    if (out->header.blockKind == HeaderKind::Menu)
        setOpensBlock(BlockState::decode(out->state).depth > 1);
}

void MslChecker::checkVariableFileLine(const QString& text, int& pos)
{
    if (isBlank(text))
        return;
    if (text[pos] != QLatin1Char('%') || pos + 1 >= text.size() || text[pos + 1] == QLatin1Char(' ')) {
        reportKindLine(text, pos, QLatin1String("variables"), variableLineMessage);
        return;
    }
    paintVariable(text, pos);
}

void MslChecker::checkUserFileLine(const QString& text, int& pos)
{
    if (isBlank(text))
        return;
    // The level is one word: "100", "friend", "1,op", "=5".
    const int colon = int(text.indexOf(QLatin1Char(':'), pos));
    const int space = int(text.indexOf(QLatin1Char(' '), pos));
    if (colon <= pos || (space >= 0 && space < colon)) {
        reportKindLine(text, pos, QLatin1String("users"), userLevelMessage);
        return;
    }
    setFormat(pos, colon - pos, FormatId::accessLevelFormat);
    pos = colon + 1;
    if (TextScan::trimmedLength(text, pos) == 0) {
        setFormat(colon, 1, FormatId::errorFormat);
        addError(Severity::Error, colon, QStringLiteral("users"), userMaskMessage);
    }
}

void MslChecker::reportKindLine(const QString& text, int pos, QLatin1String block, const QString& message)
{
    setFormat(pos, TextScan::trimmedLength(text, pos), FormatId::errorFormat);
    addError(Severity::Error, pos, block, message);
}
