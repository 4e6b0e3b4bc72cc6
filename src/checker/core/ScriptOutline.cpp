#include "ScriptOutline.h"

#include "MslChecker.h"

QString OutlineEntry::label() const
{
    if (detail.isEmpty())
        return name;
    return name + QStringLiteral(" : ") + detail;
}

QString ScriptOutline::writtenName(const HeaderRecord& record, QStringView lineText)
{
    const QString& name = record.blockName;
    if (record.namePos < 0 || record.namePos + name.size() > lineText.size())
        return name;
    const QString written = lineText.mid(record.namePos, name.size()).toString();
    return MslChecker::lowerCased(written) == name ? written : name;
}

void ScriptOutline::add(int line, const HeaderRecord& record, QStringView lineText)
{
    if (record.blockName.isEmpty())
        return;
    OutlineEntry entry;
    entry.name = record.blockKind == HeaderKind::Event ? record.blockName : writtenName(record, lineText);
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
