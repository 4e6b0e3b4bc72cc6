#include "ScriptAliases.h"

#include "checker/MslSyntaxHighlighter.h"

#include <QTextBlock>
#include <QTextDocument>

DocumentAliases aliasesOfDocument(const MslSyntaxHighlighter& checker)
{
    DocumentAliases aliases;
    for (QTextBlock block = checker.document()->begin(); block.isValid(); block = block.next()) {
        const LineRecord& record = checker.recordAt(block);
        const QTextBlock previous = block.previous();
        aliases.addLine(block.blockNumber(), block.text(), 0, previous.isValid() ? previous.userState() : -1,
                        record.header, record.identifiers);
    }
    return aliases;
}
