#include "BlockFolding.h"

#include "checker/core/BlockState.h"
#include "checker/records/LineRecords.h"

namespace BlockFolding {

namespace {

bool isLastBlock(const QTextBlock& block)
{
    return !block.next().isValid();
}

// Hides the lines after the header until stop says a hidden line was the last
// of the fold; never hides the document's last line.
template <typename Stop> QTextBlock hideAfter(const QTextBlock& header, Stop stop)
{
    if (isFolded(header))
        return header;
    QTextBlock last = header;
    for (QTextBlock b = header.next(); b.isValid() && !isLastBlock(b); b = b.next()) {
        b.setVisible(false);
        last = b;
        if (stop(b))
            break;
    }
    return last;
}

} // namespace

bool isComponentHeader(const LineRecord& record)
{
    return !record.header.blockName.isEmpty() && record.header.opensBlock;
}

bool isGroupStart(const LineRecord& record)
{
    return record.header.groupMark && record.header.groupMarkKind == GroupMark::Start;
}

bool isFolded(const QTextBlock& header)
{
    const QTextBlock next = header.next();
    return next.isValid() && !next.isVisible();
}

QTextBlock foldComponent(const QTextBlock& header)
{
    return hideAfter(header, [](const QTextBlock& b) { return BlockState::isRootEnd(b.userState()); });
}

QTextBlock foldGroup(const QTextBlock& start)
{
    return hideAfter(start, [](const QTextBlock& b) { return b.userState() == BlockState::root; });
}

QTextBlock unfoldHidden(const QTextBlock& header)
{
    QTextBlock last = header;
    for (QTextBlock b = header.next(); b.isValid() && !b.isVisible(); b = b.next()) {
        b.setVisible(true);
        last = b;
    }
    return last;
}

QTextBlock unfoldComponentBody(const QTextBlock& header)
{
    if (!isFolded(header))
        return header;
    QTextBlock last = header;
    for (QTextBlock b = header.next(); b.isValid() && !isLastBlock(b); b = b.next()) {
        b.setVisible(true);
        last = b;
        if (BlockState::isRootEnd(b.userState()))
            break;
    }
    return last;
}

} // namespace BlockFolding
