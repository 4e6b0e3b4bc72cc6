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

    bool isEmpty() const
    {
        return header.isEmpty() && header.blockName.isEmpty() && !header.detailSet && identifiers.isEmpty()
            && diagnostics.isEmpty();
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
    // before. True when the line had diagnostics or has them now.
    bool record(int line, const LineCheckResult& result);

    // `count` empty lines before line `at`.
    void insertLines(int at, int count);
    void removeLines(int at, int count);
    // `count` lines that record nothing.
    void reset(int count);

private:
    std::vector<std::unique_ptr<LineRecord>> lines;
};
