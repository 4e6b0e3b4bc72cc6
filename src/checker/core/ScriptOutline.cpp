#include "ScriptOutline.h"

QString OutlineEntry::label() const
{
    if (detail.isEmpty())
        return name;
    return name + QStringLiteral(" : ") + detail;
}

ScriptOutline ScriptOutline::build(const QVector<Header>& headers)
{
    ScriptOutline outline;
    for (const Header& header : headers)
        outline.add(header.line, header.record);
    return outline;
}

void ScriptOutline::add(int line, const HeaderRecord& record)
{
    if (record.blockName.isEmpty())
        return;
    OutlineEntry entry;
    entry.name = record.blockName;
    entry.detail = record.blockDetail;
    entry.line = line;
    entry.isLocal = record.isLocal;
    entry.multiLine = record.opensBlock;
    entry.kind = record.blockKind;
    switch (record.blockKind) {
    case HeaderKind::Alias: (record.isLocal ? aliases.local : aliases.global).append(entry); break;
    case HeaderKind::Dialog: (record.isLocal ? dialogs.local : dialogs.global).append(entry); break;
    case HeaderKind::Event: events.append(entry); break;
    case HeaderKind::Menu: menus.append(entry); break;
    default: // None, or a value no check records
        break;
    }
}
