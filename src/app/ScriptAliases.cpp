#include "ScriptAliases.h"

#include "checker/CBlockData.h"

#include <QTextBlock>
#include <QTextDocument>

DocumentAliases aliasesOfDocument(const QTextDocument* document)
{
    DocumentAliases aliases;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const auto* data = static_cast<const CBlockData*>(block.userData());
        if (!data)
            continue;
        HeaderRecord header;
        header.blockKind = data->blockKind;
        header.blockName = data->blockName;
        header.namePos = data->namePos;
        header.isLocal = data->isLocal;
        const QTextBlock previous = block.previous();
        aliases.addLine(block.blockNumber(), block.text(), 0, previous.isValid() ? previous.userState() : -1, header,
                        data->identifiers);
    }
    return aliases;
}
