#include "ContentKind.h"

#include "TextScan.h"
#include "checker/tables/CommandNames.h"

#include <QSet>

namespace {

// A top-level line that starts with one of these makes a file a remote
// script. The colons and the brace keep a popup item such as "On top:..."
// or an alias named "raw" from passing for a header.
struct HeaderShape {
    const char* keyword;
    int colons;       // at least this many colons after the keyword
    bool endsInBrace; // the line ends with "{"
};

const HeaderShape headerShapes[] = {
    {"alias ", 0, false}, {"on ", 2, false},    {"ctcp ", 1, false},
    {"raw ", 1, false},   {"dialog ", 0, true}, {"menu ", 0, true},
};

bool isHeaderLine(const QString& line)
{
    for (const HeaderShape& shape : headerShapes) {
        if (!line.startsWith(QLatin1String(shape.keyword)))
            continue;
        const int colons = int(line.count(QLatin1Char(':')));
        if (colons >= shape.colons && (!shape.endsInBrace || line.endsWith(QLatin1Char('{'))))
            return true;
    }
    return false;
}

bool isVariableLine(const QString& line, const QSet<QStringView>&)
{
    return line.size() > 1 && line[0] == QLatin1Char('%') && line[1] != QLatin1Char(' ');
}

bool isUserLine(const QString& line, const QSet<QStringView>&)
{
    const int colon = int(line.indexOf(QLatin1Char(':')));
    if (colon <= 0 || line.contains(QLatin1Char(' ')))
        return false;
    const QStringView mask = QStringView(line).mid(colon + 1);
    for (const char c : {'!', '@', '*', '.'})
        if (mask.contains(QLatin1Char(c)))
            return true;
    return false;
}

bool isPopupLine(const QString& line, const QSet<QStringView>&)
{
    if (line.startsWith(QLatin1Char('.')) || line == QLatin1String("-"))
        return true;
    const int colon = int(line.indexOf(QLatin1Char(':')));
    if (colon <= 0)
        return false;
    const QStringView label = QStringView(line).left(colon);
    return !label.contains(QLatin1Char('/')) && !label.contains(QLatin1Char('{')) && !label.contains(QLatin1Char('|'));
}

// Words that start a statement without being commands.
const char* const statementWords[] = {"if", "elseif", "else", "while"};

// The commands of an alias line start like a statement: a "/" (or "." or
// "!") before a command, a "{", an identifier, a variable, a command name, a
// condition, or one of the file's own aliases (`names`). Two plain words
// ("stray text") are not an alias line.
bool startsLikeCode(QStringView code, const QSet<QStringView>& names)
{
    bool slashed = false;
    while (!code.isEmpty()
           && (code[0] == QLatin1Char('/') || code[0] == QLatin1Char('.') || code[0] == QLatin1Char('!'))) {
        slashed = slashed || code[0] == QLatin1Char('/');
        code = code.mid(1);
    }
    if (slashed)
        return true;
    if (code.isEmpty())
        return false;
    if (code[0] == QLatin1Char('{') || code[0] == QLatin1Char('$') || code[0] == QLatin1Char('%'))
        return true;
    const qsizetype space = code.indexOf(QLatin1Char(' '));
    const QStringView word = space < 0 ? code : code.left(space);
    for (const char* statementWord : statementWords)
        if (word == QLatin1String(statementWord))
            return true;
    return CommandNames::contains(word) || names.contains(word);
}

// The word an alias line would define: its first word without a "/".
QStringView aliasName(QStringView line)
{
    if (line.startsWith(QLatin1Char('/')))
        line = line.mid(1);
    const qsizetype space = line.indexOf(QLatin1Char(' '));
    return space < 0 ? line : line.left(space);
}

// "name commands", "/name commands" or "name {": a name and code after it.
bool isAliasLine(const QString& line, const QSet<QStringView>& names)
{
    int pos = line.startsWith(QLatin1Char('/')) ? 1 : 0;
    const int nameStart = pos;
    while (pos < line.size() && line[pos] != QLatin1Char(' ')) {
        if (line[pos] == QLatin1Char(':'))
            return false;
        ++pos;
    }
    if (pos == nameStart || pos == line.size())
        return false;
    const QChar first = line[nameStart];
    if (first == QLatin1Char('%') || first == QLatin1Char('$') || first == QLatin1Char('{') || first == QLatin1Char('}')
        || first == QLatin1Char('#') || first == QLatin1Char('.'))
        return false;
    return startsLikeCode(QStringView(line).mid(pos).trimmed(), names);
}

// The change a line makes to the number of open braces: standalone "{" and
// "}" words only, as the checker counts them.
int braceBalance(const QString& line)
{
    int balance = 0;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if ((c != QLatin1Char('{') && c != QLatin1Char('}')) || (i > 0 && line[i - 1] != QLatin1Char(' '))
            || !TextScan::isStandalone(line, i))
            continue;
        balance += c == QLatin1Char('{') ? 1 : -1;
    }
    return balance;
}

struct ShapeCount {
    DocumentKind kind;
    // `names`: the first words of the file's top-level lines, which an
    // alias file defines as aliases.
    bool (*fits)(const QString& line, const QSet<QStringView>& names);
};

// Tried in this order; on equal counts the earlier, narrower shape wins (a
// popup item "Op nick:/op $1" also has the shape of an alias line).
const ShapeCount lineShapes[] = {
    {DocumentKind::Variables, isVariableLine},
    {DocumentKind::Users, isUserLine},
    {DocumentKind::Popups, isPopupLine},
    {DocumentKind::Aliases, isAliasLine},
};

} // namespace

namespace DocumentKinds {

DocumentKind fromContent(const QString& text)
{
    ContentKind content;
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (!content.addLine(line))
            break;
    }
    return content.kind();
}

// The top-level lines, lower-cased and trimmed: comments, blank lines and
// the lines inside braces say nothing of the file's kind.
bool ContentKind::addLine(QStringView view)
{
    if (remote)
        return false;
    const QString line = view.trimmed().toString().toLower();
    const bool atTop = depth <= 0;
    depth = qMax(0, depth + braceBalance(line));
    if (!atTop || line.isEmpty() || line.startsWith(QLatin1Char(';')))
        return true;
    if (isHeaderLine(line)) {
        remote = true;
        topLevel.clear();
        return false;
    }
    topLevel.append(line);
    return true;
}

DocumentKind ContentKind::kind() const
{
    if (remote)
        return DocumentKind::Remote;
    QSet<QStringView> names;
    for (const QString& line : topLevel)
        names.insert(aliasName(line));

    constexpr int shapeCount = int(sizeof lineShapes / sizeof lineShapes[0]);
    int fitting[shapeCount] = {};
    for (const QString& line : topLevel)
        for (int i = 0; i < shapeCount; ++i)
            if (lineShapes[i].fits(line, names))
                ++fitting[i];
    int best = -1;
    for (int i = 0; i < shapeCount; ++i)
        if (fitting[i] * 2 > topLevel.size() && (best < 0 || fitting[i] > fitting[best]))
            best = i;
    return best < 0 ? DocumentKind::Remote : lineShapes[best].kind;
}

} // namespace DocumentKinds
