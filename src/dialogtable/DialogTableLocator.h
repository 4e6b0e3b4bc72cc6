#pragma once

#include <QStringList>

// Finds the dialog table around a line of a script, with the script checker's
// own notion of where a table begins and ends.
namespace DialogTableLocator {

struct Span {
    int header = -1;  // the "dialog name {" line
    int closing = -1; // the line that ends the table
    bool isValid() const { return header >= 0 && closing >= header; }
    int lineCount() const { return closing - header + 1; }
};

// The table that holds `line` (its header and closing lines included); an
// invalid span when the line is outside every table or its table never ends.
Span find(const QStringList& lines, int line);

} // namespace DialogTableLocator
