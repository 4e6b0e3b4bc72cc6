#pragma once

#include <QTextBlock>

struct LineRecord;

// What folding needs to know about a line, read from the checker's record of
// the line and its block state, and the rules that hide and show
// the lines of a fold (what a block state means is BlockState's to say).
// Folding lives only in block visibility: a fold is folded exactly when the
// line after its header is hidden. The header stays visible and the
// document's last line is never hidden.
namespace BlockFolding {

// An alias, dialog, event or menu header whose "{" stays open.
bool isComponentHeader(const LineRecord& record);
// A line that opens a script group ("#name on" / "#name off").
bool isGroupStart(const LineRecord& record);
bool isFolded(const QTextBlock& header);

// Each operation changes the visibility of the lines after the given header
// and returns the last line it looked at, so that the caller can lay out the
// changed range again and a walk over the document can go on from there.
// Folding something already folded, or unfolding something open, changes
// nothing and returns the header itself.

// Hides the body and the closing line (the first root end after the header).
QTextBlock foldComponent(const QTextBlock& header);
// Shows every hidden line after the header up to the first visible one.
QTextBlock unfoldHidden(const QTextBlock& header);
// Shows the lines after the header up to and including its root end.
QTextBlock unfoldComponentBody(const QTextBlock& header);
// Hides the lines up to and including the one that ends the group (state 1).
QTextBlock foldGroup(const QTextBlock& start);

} // namespace BlockFolding
