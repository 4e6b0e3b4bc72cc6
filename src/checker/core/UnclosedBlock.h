#pragma once

#include "LineCheckResult.h"

#include <algorithm>
#include <optional>

// A block that a header opened and no "}" closed: the document ends inside
// it, or a header met inside its body (LineCheckResult::leavesBlockOpen)
// shows that its "}" is missing. Either way the error stands at the header
// line, worded by this one rule for the editor, korvel-check and korvel-lsp.
// A "/*" comment outside every block that the document never closes hides
// the rest of the script: a warning at the line that opened it.
namespace UnclosedBlock {

// Where a line that ends in a state lies, as this rule sees it: inside a
// block a header opened (a body, a dialog table, or a comment within them),
// in a comment outside every block (at the root, or in code whose header was
// lost), or neither.
enum class Place { Outside, InBlock, InOutsideComment };
Place placeOf(int state);

// A document whose last line ends in `state` leaves a block or a comment
// outside blocks open: the lines back to the first one in that state hold
// the line a finding stands at.
bool leavesDocumentOpen(int state);

// The error raised at the header line of a block that is never closed.
LineDiagnostic diagnostic(const HeaderRecord& header);

// The warning raised at the line that opened a comment never closed.
LineDiagnostic commentDiagnostic();

// Follows a document's lines in order and remembers the header line of the
// block the last line is inside.
class Tracker {
public:
    struct Finding {
        int line = 0; // the header's line number
        LineDiagnostic diagnostic;
    };
    // After each line (numbered as the front end numbers them): the finding when this line shows a
    // block opened earlier to be left open.
    std::optional<Finding> follow(int lineNumber, const LineCheckResult& result)
    {
        return follow(lineNumber, result.state, result.leavesBlockOpen, result.header);
    }
    // The same from what a front end kept of the line's result.
    std::optional<Finding> follow(int lineNumber, int state, bool leavesBlockOpen, const HeaderRecord& lineHeader);
    // After the last line: the finding when the document ends inside a block
    // or inside a comment outside every block.
    std::optional<Finding> atEnd() const;
    // The line a finding would stand at: the header, or the line that opened
    // a comment outside blocks, remembered last (-1 before the first).
    int openingLineNumber() const { return std::max(headerLine, commentLine); }

private:
    int headerLine = -1;
    HeaderRecord header;
    int commentLine = -1;             // the line that opened the comment the last line is in
    Place lastPlace = Place::Outside; // where the last line followed ends
};

} // namespace UnclosedBlock
