// Folding operations of the editor: the fold rules themselves are in
// BlockFolding; here they are applied from the menus, the caret and the
// gutter, and the view is made to follow.
#include "MslTextEditor.h"

#include "BlockFolding.h"
#include "GutterGeometry.h"
#include "LineNumberBar.h"

#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocument>

using namespace GutterGeometry;

void MslTextEditor::relayoutBlocks(const QTextBlock& from, const QTextBlock& to)
{
    if (!from.isValid() || !to.isValid())
        return;
    const int start = from.position();
    document()->markContentsDirty(start, to.position() + to.length() - start);
    viewport()->update();
    lineNumberBar->update();
}

bool MslTextEditor::hasFoldMarker(const QTextBlock& block) const
{
    return isComponentHeader(block) || isGroupStart(block);
}

QTextBlock MslTextEditor::openFoldAround(const QTextBlock& hidden)
{
    QTextBlock owner = hidden;
    while (!owner.isVisible() && owner.previous().isValid())
        owner = owner.previous();
    owner.setVisible(true);
    const QTextBlock last = BlockFolding::unfoldHidden(owner);
    relayoutBlocks(owner, last);
    return last;
}

void MslTextEditor::keepHiddenLinesReachable(int position, int /*removed*/, int added)
{
    // Backspace at the start of the line after a fold joins it to a hidden
    // line; Return at the end of a folded header puts a plain line between
    // the header and its hidden body; an edited header may no longer open
    // a fold.
    const int end = position + added;
    for (QTextBlock block = document()->findBlock(position); block.isValid() && block.position() <= end;
         block = block.next()) {
        const QTextBlock next = block.next();
        if (!block.isVisible())
            block = openFoldAround(block);
        else if (next.isValid() && !next.isVisible() && !hasFoldMarker(block))
            block = openFoldAround(next);
    }
}

void MslTextEditor::jumpTo(const QTextCursor& cursor)
{
    for (const int position : {cursor.selectionStart(), cursor.selectionEnd()}) {
        const QTextBlock block = document()->findBlock(position);
        if (block.isValid() && !block.isVisible())
            openFoldAround(block);
    }
    setTextCursor(cursor);
}

void MslTextEditor::foldAll()
{
    // The changed range is laid out once at the end: one layout per fold
    // would make this quadratic in the number of components.
    QTextBlock first;
    QTextBlock last;
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        if (!isComponentHeader(block) || BlockFolding::isFolded(block))
            continue;
        if (!first.isValid())
            first = block;
        last = BlockFolding::foldComponent(block);
        block = last;
    }
    relayoutBlocks(first, last);
}

void MslTextEditor::unfoldAll()
{
    // Groups and the folds inside other folds open too: no line stays hidden.
    QTextBlock first;
    QTextBlock last;
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        if (block.isVisible())
            continue;
        block.setVisible(true);
        if (!first.isValid())
            first = block;
        last = block;
    }
    relayoutBlocks(first, last);
}

void MslTextEditor::foldCurrent()
{
    QTextCursor cursor = textCursor();
    QTextBlock header = cursor.block();
    while (header.isValid() && !isComponentHeader(header))
        header = header.previous();

    // The caret goes to the start of the header it folds; without any header
    // above it, the search has walked it up to the first line.
    if (header.isValid() && header != cursor.block())
        cursor.setPosition(header.position());
    else if (!header.isValid() && cursor.block() != document()->firstBlock())
        cursor.setPosition(0);
    setTextCursor(cursor);

    if (header.isValid())
        relayoutBlocks(header, BlockFolding::foldComponent(header));
}

void MslTextEditor::unfoldCurrent()
{
    const QTextBlock block = textCursor().block();
    if (!isComponentHeader(block))
        return;
    relayoutBlocks(block, BlockFolding::unfoldComponentBody(block));
}

void MslTextEditor::toggleFoldAt(QMouseEvent* event)
{
    const int width = gutterWidth();
    const QPoint click = event->position().toPoint();
    forEachBlockRow(lineNumberBar->height(), [&](const QTextBlock& block, int top, int bottom) {
        if (!block.isVisible() || bottom < 0)
            return true;
        if (!QRect(width - foldColumnWidth, top, markerSize, markerSize).contains(click))
            return true;
        const bool header = isComponentHeader(block);
        if (!header && !isGroupStart(block))
            return true;
        QTextBlock stop;
        if (BlockFolding::isFolded(block))
            stop = BlockFolding::unfoldHidden(block);
        else
            stop = header ? BlockFolding::foldComponent(block) : BlockFolding::foldGroup(block);
        relayoutBlocks(block, stop);
        return false; // no other marker square holds the same point
    });
}
