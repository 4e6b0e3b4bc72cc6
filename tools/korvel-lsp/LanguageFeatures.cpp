#include "LanguageFeatures.h"

#include "ProtocolJson.h"
#include "checker/core/ScriptOutline.h"
#include "checker/tables/CommandNames.h"
#include "checker/tables/IdentifierParameters.h"
#include "completion/CompletionContext.h"
#include "reference/CommandTipTexts.h"
#include "reference/IdentifierCandidates.h"
#include "reference/IdentifierTipTexts.h"
#include "reference/InnermostIdentifier.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// Completion item kinds of the protocol.
enum class CompletionKind { Function = 3, Property = 10, Keyword = 14 };

const QLatin1String markdownKind("markdown");

// The line of a position, or null when the position lies outside the document.
const CheckedLine* lineAt(const CheckedDocument& document, TextPosition position)
{
    if (position.line < 0 || position.line >= document.lineCount() || position.character < 0)
        return nullptr;
    return &document.line(position.line);
}

bool isNameCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Where the name being typed before the caret starts: back over letters,
// digits and underscores.
int typedNameStart(const QString& text, int caret)
{
    int start = caret;
    while (start > 0 && isNameCharacter(text[start - 1]))
        --start;
    return start;
}

QJsonObject markdownContent(const QString& markdown)
{
    return QJsonObject{{QStringLiteral("kind"), markdownKind}, {QStringLiteral("value"), markdown}};
}

QJsonObject completionItem(const QString& text, CompletionKind kind, const QString& detail, int line, int from,
                           int caret, const QString& documentation = QString())
{
    QJsonObject item{{QStringLiteral("label"), text},
                     {QStringLiteral("kind"), int(kind)},
                     {QStringLiteral("filterText"), text},
                     {QStringLiteral("textEdit"),
                      QJsonObject{{QStringLiteral("range"), jsonRange(line, from, line, caret)},
                                  {QStringLiteral("newText"), text}}}};
    if (!detail.isEmpty())
        item.insert(QStringLiteral("detail"), detail);
    if (!documentation.isEmpty())
        item.insert(QStringLiteral("documentation"), markdownContent(documentation));
    return item;
}

QString candidateDetail(const IdentifierCandidates::Candidate& candidate)
{
    switch (candidate.origin) {
    case IdentifierCandidates::Origin::BuiltIn: {
        const HoverSignature hover = hoverSignature(candidate.text);
        return hover.isEmpty() ? QString() : hover.text();
    }
    case IdentifierCandidates::Origin::Alias: return QStringLiteral("alias");
    case IdentifierCandidates::Origin::LocalAlias: return QStringLiteral("local alias");
    }
    return QString();
}

QJsonArray identifierCompletions(const CheckedDocument& document, int line, int dollar, int caret)
{
    IdentifierCandidates candidates;
    for (int i = 0; i < document.lineCount(); ++i) {
        const HeaderRecord& header = document.record(i).header;
        if (header.blockKind == HeaderKind::Alias)
            candidates.addAlias(ScriptOutline::writtenName(header, document.line(i).text), header.isLocal);
    }
    QJsonArray items;
    for (const IdentifierCandidates::Candidate& candidate : candidates.items()) {
        const bool builtIn = candidate.origin == IdentifierCandidates::Origin::BuiltIn;
        items.append(completionItem(candidate.text, CompletionKind::Function, candidateDetail(candidate), line, dollar,
                                    caret, builtIn ? identifierMarkdown(candidate.text) : QString()));
    }
    return items;
}

QJsonArray propertyCompletions(const LineRecord& line, int lineIndex, int dot, int caret)
{
    QJsonArray items;
    for (const IdentifierRecord& record : line.identifiers) {
        if (!record.hasParens || record.propertyPos != dot)
            continue;
        const IdentifierParameterEntry* entry = IdentifierParameters::find(record.name);
        if (!entry)
            break;
        for (const QString& property : IdentifierParameters::propertyNames(*entry))
            items.append(completionItem(property, CompletionKind::Property, QLatin1String(entry->name), lineIndex,
                                        dot + 1, caret));
        break;
    }
    return items;
}

// The commands whose name starts with what is typed from `start` to the
// caret, each with its usage and its description and switches.
QJsonArray commandCompletions(const QString& text, int line, int start, int caret)
{
    const QStringView typed = QStringView(text).mid(start, caret - start);
    QJsonArray items;
    for (const CommandEntry& entry : CommandNames::entries) {
        const QString name = QLatin1String(entry.name);
        if (name.startsWith(typed, Qt::CaseInsensitive))
            items.append(completionItem(name, CompletionKind::Keyword, commandUsage(entry), line, start, caret,
                                        commandMarkdown(entry)));
    }
    return items;
}

// The innermost parenthesised call whose parameter list holds the caret (a
// "$1" inside it does not hide it). False when there is none.
bool callAround(const LineRecord& line, int caret, IdentifierRecord& call)
{
    QVector<IdentifierRecord> calls;
    for (const IdentifierRecord& record : line.identifiers)
        if (record.hasParens)
            calls.append(record);
    const IdentifierRecord* record = innermostIdentifier(calls, caret);
    if (!record)
        return false;
    const int openParen = record->start + record->name.size();
    if (caret <= openParen || (record->propertyPos > 0 && caret >= record->propertyPos))
        return false;
    call = *record;
    return true;
}

QJsonValue hoverContent(const QString& markdown, int line, int start, int end)
{
    return QJsonObject{{QStringLiteral("contents"), markdownContent(markdown)},
                       {QStringLiteral("range"), jsonRange(line, start, line, end)}};
}

// A command name under the mouse, as the checker colours it.
QJsonValue commandHover(const CheckedDocument& document, const CheckedLine& line, TextPosition position)
{
    const CommandOccurrence command = commandAt(line.text, line.stateIn, document.documentKind(), position.character);
    if (!command.entry)
        return QJsonValue::Null;
    return hoverContent(commandMarkdown(*command.entry), position.line, command.start, command.start + command.length);
}

// The usage of the command whose parameters hold the caret, as one signature
// without parameter labels: a command's parameters are not comma-separated.
QJsonValue commandSignature(const CheckedDocument& document, const CheckedLine& line, TextPosition position)
{
    const CommandOccurrence command =
        commandAround(line.text, line.stateIn, document.documentKind(), position.character);
    if (!command.entry)
        return QJsonValue::Null;
    const QJsonObject signature{{QStringLiteral("label"), commandUsage(*command.entry)},
                                {QStringLiteral("documentation"), markdownContent(commandMarkdown(*command.entry))},
                                {QStringLiteral("parameters"), QJsonArray()}};
    return QJsonObject{{QStringLiteral("signatures"), QJsonArray{signature}},
                       {QStringLiteral("activeSignature"), 0},
                       {QStringLiteral("activeParameter"), 0}};
}

} // namespace

QJsonValue hoverAt(const CheckedDocument& document, TextPosition position)
{
    const CheckedLine* line = lineAt(document, position);
    if (!line)
        return QJsonValue::Null;
    // The character under the mouse belongs to an occurrence when the caret
    // after it does; the last character of a call (its ")") only through the
    // caret before it.
    const QVector<IdentifierRecord>& identifiers = document.record(position.line).identifiers;
    const IdentifierRecord* record = innermostIdentifier(identifiers, position.character + 1);
    if (!record)
        record = innermostIdentifier(identifiers, position.character);
    // A built-in is documented with or without parentheses ("$nick" in an
    // event is mIRC's own); any other "$name" is not.
    const QString markdown = record ? identifierMarkdown(record->name) : QString();
    if (markdown.isEmpty())
        return commandHover(document, *line, position);
    return hoverContent(markdown, position.line, record->start, record->start + record->name.size());
}

QJsonValue completionAt(const CheckedDocument& document, TextPosition position)
{
    const CheckedLine* line = lineAt(document, position);
    if (!line)
        return QJsonArray();
    const int caret = qMin(position.character, int(line->text.size()));
    const int nameStart = typedNameStart(line->text, caret);
    const QChar before = nameStart > 0 ? line->text[nameStart - 1] : QChar();
    if (before == QLatin1Char('$'))
        return identifierCompletions(document, position.line, nameStart - 1, caret);
    if (before == QLatin1Char('.') && nameStart >= 2 && line->text[nameStart - 2] == QLatin1Char(')'))
        return propertyCompletions(document.record(position.line), position.line, nameStart - 1, caret);
    // An INI line's key is no part of its statement.
    const int scriptStart = document.scriptStart(position.line);
    if (scriptStart < 0 || caret < scriptStart)
        return QJsonArray();
    const int commandStart =
        CompletionContext::commandNameStart(line->text.sliced(scriptStart), caret - scriptStart, line->stateIn);
    if (commandStart >= 0)
        return commandCompletions(line->text, position.line, scriptStart + commandStart, caret);
    return QJsonArray();
}

QJsonValue signatureHelpAt(const CheckedDocument& document, TextPosition position)
{
    const CheckedLine* line = lineAt(document, position);
    if (!line)
        return QJsonValue::Null;
    IdentifierRecord call;
    if (!callAround(document.record(position.line), position.character, call))
        return commandSignature(document, *line, position);
    const QList<CallTipSignature> signatures = callTipSignatures(call.name);
    if (signatures.isEmpty())
        return QJsonValue::Null;

    int activeParameter = 0;
    for (int comma : call.commaPositions)
        if (comma < position.character)
            ++activeParameter;
    QJsonArray list;
    int activeSignature = -1;
    for (int i = 0; i < signatures.size(); ++i) {
        const CallTipSignature& signature = signatures[i];
        // Parameter labels are offsets into the label, so that two equal
        // names ("...", "...") are told apart.
        QJsonArray parameters;
        int offset = signature.identifier.size() + 1;
        for (const CallTipParameter& parameter : signature.parameters) {
            const int length = parameter.shown().size();
            parameters.append(QJsonObject{{QStringLiteral("label"), QJsonArray{offset, offset + length}}});
            offset += length + 2; // ", "
        }
        if (activeSignature < 0 && activeParameter < signature.parameters.size())
            activeSignature = i;
        list.append(QJsonObject{{QStringLiteral("label"), signature.text()},
                                {QStringLiteral("documentation"), signature.description},
                                {QStringLiteral("parameters"), parameters}});
    }
    return QJsonObject{{QStringLiteral("signatures"), list},
                       {QStringLiteral("activeSignature"), qMax(activeSignature, 0)},
                       {QStringLiteral("activeParameter"), activeParameter}};
}
