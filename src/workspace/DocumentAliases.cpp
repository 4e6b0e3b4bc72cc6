#include "DocumentAliases.h"

#include "checker/core/MslChecker.h"
#include "checker/core/ScriptOutline.h"
#include "checker/tables/CommandNames.h"
#include "formats/ScriptLineReader.h"

namespace {

// The prefixes a statement's first word may carry ("." quiet, "!" no alias
// lookup, "/" command prefix).
bool isCommandPrefix(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('/');
}

// After "|" and after a word that opens a block ("{", an event's ":{").
bool isStatementStart(QStringView previousWord)
{
    return previousWord == QLatin1String("|") || previousWord.endsWith(QLatin1Char('{'));
}

// Identifiers that start with "$" and name no built-in: calls of an alias.
void addIdentifierCalls(DocumentAliases& aliases, int line, const QVector<IdentifierRecord>& identifiers)
{
    for (const IdentifierRecord& record : identifiers) {
        if (record.isBreak || !record.name.startsWith(QLatin1Char('$')) || record.name.startsWith(QLatin1String("$$")))
            continue;
        const QString key = record.name.mid(1);
        aliases.calls.append({key, {line, record.start + 1, int(key.size())}});
    }
}

// The first word of every statement of a line that is no built-in command:
// the line's first word only when the line is code, not a header. Words
// behind a comment are not looked at.
void addStatementCalls(DocumentAliases& aliases, int line, QStringView text, int scriptStart, bool startsInCode)
{
    QStringView previous;
    bool atStatement = startsInCode;
    qsizetype pos = scriptStart;
    while (pos < text.size()) {
        while (pos < text.size() && text[pos] == QLatin1Char(' '))
            ++pos;
        const qsizetype start = pos;
        while (pos < text.size() && text[pos] != QLatin1Char(' '))
            ++pos;
        const QStringView word = text.mid(start, pos - start);
        if (word.isEmpty() || word.startsWith(QLatin1Char(';')))
            return;
        if (atStatement) {
            qsizetype nameStart = 0;
            while (nameStart < word.size() && isCommandPrefix(word[nameStart]))
                ++nameStart;
            const QString name = MslChecker::lowerCased(word.mid(nameStart).toString());
            if (!name.isEmpty() && !name.startsWith(QLatin1Char('$')) && !name.startsWith(QLatin1Char('%'))
                && !CommandNames::contains(name))
                aliases.calls.append({name, {line, int(start + nameStart), int(name.size())}});
        }
        previous = word;
        atStatement = isStatementStart(previous);
    }
}

bool isCodeState(int state)
{
    const BlockState::Kind kind = BlockState::decode(state).kind;
    return kind == BlockState::Kind::AliasBody || kind == BlockState::Kind::EventBody
        || kind == BlockState::Kind::MenuBody;
}

} // namespace

void DocumentAliases::addLine(int line, QStringView text, int scriptStart, int stateIn, const HeaderRecord& header,
                              const QVector<IdentifierRecord>& identifiers)
{
    if (isCodeState(stateIn) || header.blockKind != HeaderKind::None)
        addStatementCalls(*this, line, text, scriptStart, isCodeState(stateIn));
    if (header.blockKind == HeaderKind::Alias && !header.blockName.isEmpty() && header.namePos >= 0)
        definitions.append({ScriptOutline::writtenName(header, text),
                            {line, header.namePos, int(header.blockName.size())},
                            header.isLocal});
    addIdentifierCalls(*this, line, identifiers);
}

DocumentAliases DocumentAliases::ofFile(const QString& path, Placement placement)
{
    DocumentAliases aliases;
    ScriptLineReader reader;
    if (!reader.open(path))
        return aliases;
    MslChecker checker;
    LineCheckResult result;
    int state = -1;
    reader.forEachLine([&](const ScriptLine& line) {
        checker.checkLine(MslChecker::lowerCased(line.text), state, result, reader.kind());
        const qsizetype definitionsBefore = aliases.definitions.size();
        const qsizetype callsBefore = aliases.calls.size();
        aliases.addLine(line.number - 1, line.text, 0, state, result.header, result.identifiers);
        state = result.state;
        if (placement == Placement::ScriptText)
            return;
        const auto moveToFile = [&line](AliasSite& site) {
            site.line = line.fileLine - 1;
            site.start += line.fileColumn;
        };
        for (qsizetype i = definitionsBefore; i < aliases.definitions.size(); ++i)
            moveToFile(aliases.definitions[i].site);
        for (qsizetype i = callsBefore; i < aliases.calls.size(); ++i)
            moveToFile(aliases.calls[i].site);
    });
    return aliases;
}
