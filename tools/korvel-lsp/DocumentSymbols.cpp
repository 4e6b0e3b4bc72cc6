#include "DocumentSymbols.h"

#include "ProtocolJson.h"

#include "checker/core/BlockState.h"
#include "checker/core/ScriptOutline.h"

#include <QJsonObject>
#include <algorithm>

namespace {

// Symbol kinds of the protocol.
enum class SymbolKind { Module = 2, Function = 12, Object = 19, Event = 24 };

struct KindMapping {
    OutlineKind outline;
    SymbolKind symbol;
};

const KindMapping kindMappings[] = {
    {OutlineKind::Alias, SymbolKind::Function},
    {OutlineKind::Dialog, SymbolKind::Object},
    {OutlineKind::Event, SymbolKind::Event},
    {OutlineKind::Menu, SymbolKind::Module},
};

SymbolKind symbolKind(OutlineKind kind)
{
    for (const KindMapping& mapping : kindMappings)
        if (mapping.outline == kind)
            return mapping.symbol;
    return SymbolKind::Function;
}

bool isRootLevel(int state)
{
    const BlockState::Kind kind = BlockState::decode(state).kind;
    return kind == BlockState::Kind::Root || kind == BlockState::Kind::RootComment;
}

// The last line of the component whose header is on `first`: where the state
// handed on is the root level again (or the document ends).
int lastLineOf(const CheckedDocument& document, int first)
{
    int last = first;
    while (last + 1 < document.lineCount() && !isRootLevel(document.line(last).stateOut))
        ++last;
    return last;
}

// Where the component's name stands in its header line: the checker's
// name position when the name is there (aliases, dialogs), else the name's
// first occurrence (an event's name, the word "menu"), else the line start.
int namePosition(const CheckedLine& header, int recorded, const QString& name)
{
    if (recorded >= 0 && QStringView(header.text).mid(recorded, name.size()).compare(name, Qt::CaseInsensitive) == 0)
        return recorded;
    return int(qMax(header.text.indexOf(name, 0, Qt::CaseInsensitive), qsizetype(0)));
}

QJsonObject symbol(const CheckedDocument& document, const OutlineEntry& entry)
{
    const int lineIndex = entry.line - 1;
    const CheckedLine& header = document.line(lineIndex);
    const int last = lastLineOf(document, lineIndex);
    const int nameStart = namePosition(header, document.record(lineIndex).header.namePos, entry.name);
    const int nameEnd = qMin(nameStart + int(entry.name.size()), int(header.text.size()));
    QJsonObject object{{QStringLiteral("name"), entry.label()},
                       {QStringLiteral("kind"), int(symbolKind(entry.kind))},
                       {QStringLiteral("range"), jsonRange(lineIndex, 0, last, document.line(last).text.size())},
                       {QStringLiteral("selectionRange"),
                        jsonRange(lineIndex, nameStart, lineIndex, qMax(nameStart, nameEnd))}};
    if (entry.isLocal)
        object.insert(QStringLiteral("detail"), QStringLiteral("local"));
    return object;
}

} // namespace

QJsonArray documentSymbols(const CheckedDocument& document)
{
    ScriptOutline outline;
    for (int i = 0; i < document.lineCount(); ++i)
        outline.add(i + 1, document.record(i).header, document.line(i).text);

    QVector<OutlineEntry> entries;
    for (const QVector<OutlineEntry>* list : {&outline.aliases.local, &outline.aliases.global, &outline.dialogs.local,
                                              &outline.dialogs.global, &outline.events, &outline.menus})
        entries += *list;
    std::stable_sort(entries.begin(), entries.end(),
                     [](const OutlineEntry& a, const OutlineEntry& b) { return a.line < b.line; });

    QJsonArray symbols;
    for (const OutlineEntry& entry : entries)
        symbols.append(symbol(document, entry));
    return symbols;
}
