#pragma once

#include "checker/core/LineCheckResult.h"

#include <QVector>

#include <memory>
#include <vector>

// What the checker recorded about one line: the header it opens, the
// identifiers in it and the problems it raised.
struct LineRecord {
    HeaderRecord header;
    QVector<IdentifierRecord> identifiers;
    QVector<LineDiagnostic> diagnostics;
    bool leavesBlockOpen = false; // a header inside a body left that body open

    bool isEmpty() const
    {
        return header.isEmpty() && header.blockName.isEmpty() && !header.detailSet && identifiers.isEmpty()
            && diagnostics.isEmpty() && !leavesBlockOpen;
    }
};

// The checker's records of every line of one document, by line number
// (0-based). Most lines record nothing, and those cost one null pointer, so a
// line inserted before 100,000 others moves a small array.
class LineRecords {
public:
    LineRecords() = default;
    LineRecords(const LineRecords& other);
    LineRecords& operator=(const LineRecords& other);
    LineRecords(LineRecords&&) = default;
    LineRecords& operator=(LineRecords&&) = default;

    int lineCount() const { return int(lines.size()); }
    // The line's record; an empty one for a line that records nothing or
    // lies outside the document.
    const LineRecord& at(int line) const;

    // Keeps what checking the line found in place of what it recorded
    // before. True when the line's diagnostics changed.
    bool record(int line, const LineCheckResult& result);

    // The finding the end of the document raises at a line above it (a block
    // never closed): listed with that line's diagnostics, after its own, and
    // moving with the line until it is replaced or withdrawn (line -1).
    // Returns whether the diagnostics of the old line and the new one changed.
    bool setEndFinding(int line, const LineDiagnostic& diagnostic);
    int endFindingLine() const { return endLine; }

    // `count` empty lines before line `at`.
    void insertLines(int at, int count);
    void removeLines(int at, int count);
    // `count` lines that record nothing.
    void reset(int count);

private:
    std::unique_ptr<LineRecord>& slotAt(int line);
    void dropIfEmpty(int line);

    std::vector<std::unique_ptr<LineRecord>> lines;
    int endLine = -1;
    LineDiagnostic endDiagnostic;
};
