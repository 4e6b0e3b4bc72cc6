#pragma once

#include <QString>

// Works out, line after line, how far each line of a script is to be
// indented from the braces that open and close its code blocks: two spaces
// per block still open. Fed the lines in document order, one call per line.
//
// A "{" counts when it begins the line's text or follows a space or a ":"
// (an event header ends in ":{"), and is followed by a space or the line's
// end; a "}" counts when it begins the text or follows a space, is followed
// by a space or the end, and a block is open. Braces glued to other text are
// not block braces. Comment lines (";" or "rem ") are indented but their
// braces are not counted. Lines between "/*" and "*/" are indented by the
// braces they hold, but after the "*/" line the depths return to what they
// were before the "/*" line. A line after one that ends in "$&" continues
// it and goes two spaces deeper, inside a block.
class BraceIndenter {
public:
    static constexpr int indentStep = 2;

    // The number of leading spaces the line should have.
    int wantedIndent(const QString& line);

    // The number of leading space characters (tabs do not count).
    static int leadingSpaces(const QString& line);

private:
    void countBraces(const QString& line, int from);

    int depth = 0;
    int lineStartDepth = 0;
    bool continued = false;
    bool inComment = false;
    int savedLineStartDepth = 0;
    int savedDepth = 0;
};
