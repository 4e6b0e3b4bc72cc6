#include "FoldingRanges.h"

#include "checker/core/BlockState.h"

#include <QJsonObject>
#include <QVector>

namespace {

// How many blocks are open after a line that ends in `state`: none at the
// root level, the brace depth inside a body, one inside a dialog table.
int openBlocks(int state)
{
    if (BlockState::isRootEnd(state))
        return 0;
    const BlockState::Decoded decoded = BlockState::decode(state);
    return BlockState::hasDepth(decoded.kind) ? decoded.depth : 1;
}

void addRange(QJsonArray& ranges, int startLine, int endLine)
{
    if (endLine > startLine)
        ranges.append(QJsonObject{{QStringLiteral("startLine"), startLine}, {QStringLiteral("endLine"), endLine}});
}

} // namespace

QJsonArray foldingRanges(const CheckedDocument& document)
{
    QJsonArray ranges;
    QVector<int> openedOn; // the line each open block began on, innermost last
    for (int i = 0; i < document.lineCount(); ++i) {
        const CheckedLine& line = document.line(i);
        const int before = openBlocks(line.stateIn);
        const int after = openBlocks(line.stateOut);
        for (int k = before; k < after; ++k)
            openedOn.append(i);
        for (int k = after; k < before && !openedOn.isEmpty(); ++k)
            addRange(ranges, openedOn.takeLast(), i - 1);
    }
    while (!openedOn.isEmpty())
        addRange(ranges, openedOn.takeLast(), document.lineCount() - 1);
    return ranges;
}
