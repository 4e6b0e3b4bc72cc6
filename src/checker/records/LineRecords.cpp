#include "LineRecords.h"

#include <algorithm>
#include <iterator>

namespace {

const LineRecord emptyRecord;

} // namespace

LineRecords::LineRecords(const LineRecords& other)
{
    *this = other;
}

LineRecords& LineRecords::operator=(const LineRecords& other)
{
    if (this == &other)
        return *this;
    lines.clear();
    lines.reserve(other.lines.size());
    for (const std::unique_ptr<LineRecord>& line : other.lines)
        lines.push_back(line ? std::make_unique<LineRecord>(*line) : nullptr);
    endLine = other.endLine;
    endDiagnostic = other.endDiagnostic;
    return *this;
}

const LineRecord& LineRecords::at(int line) const
{
    if (line < 0 || line >= lineCount() || !lines[size_t(line)])
        return emptyRecord;
    return *lines[size_t(line)];
}

std::unique_ptr<LineRecord>& LineRecords::slotAt(int line)
{
    if (line >= lineCount())
        lines.resize(size_t(line) + 1);
    std::unique_ptr<LineRecord>& slot = lines[size_t(line)];
    if (!slot)
        slot = std::make_unique<LineRecord>();
    return slot;
}

void LineRecords::dropIfEmpty(int line)
{
    std::unique_ptr<LineRecord>& slot = lines[size_t(line)];
    if (slot && slot->isEmpty())
        slot.reset();
}

bool LineRecords::record(int line, const LineCheckResult& result)
{
    if (line < 0)
        return false;
    LineRecord& slot = *slotAt(line);
    slot.header = result.header;
    // Copied at their size: sharing the checker's buffers would keep their
    // spare room with every line, and make the checker allocate anew.
    slot.identifiers = QVector<IdentifierRecord>(result.identifiers.cbegin(), result.identifiers.cend());
    slot.leavesBlockOpen = result.leavesBlockOpen;
    // The end's finding stays last, after the line's own.
    const qsizetype own = slot.diagnostics.size() - (line == endLine ? 1 : 0);
    const bool changed = own != result.diagnostics.size()
        || !std::equal(result.diagnostics.cbegin(), result.diagnostics.cend(), slot.diagnostics.cbegin());
    if (changed) {
        slot.diagnostics = QVector<LineDiagnostic>(result.diagnostics.cbegin(), result.diagnostics.cend());
        if (line == endLine)
            slot.diagnostics.append(endDiagnostic);
    }
    dropIfEmpty(line);
    return changed;
}

bool LineRecords::setEndFinding(int line, const LineDiagnostic& diagnostic)
{
    if (line >= lineCount())
        line = -1;
    if (line == endLine && (line < 0 || diagnostic == endDiagnostic))
        return false;
    if (endLine >= 0) {
        lines[size_t(endLine)]->diagnostics.removeLast();
        dropIfEmpty(endLine);
    }
    endLine = line;
    endDiagnostic = diagnostic;
    if (endLine >= 0)
        slotAt(endLine)->diagnostics.append(endDiagnostic);
    return true;
}

void LineRecords::insertLines(int at, int count)
{
    if (count <= 0)
        return;
    at = qBound(0, at, lineCount());
    if (endLine >= at)
        endLine += count;
    std::vector<std::unique_ptr<LineRecord>> empty(static_cast<size_t>(count));
    lines.insert(lines.begin() + at, std::make_move_iterator(empty.begin()), std::make_move_iterator(empty.end()));
}

void LineRecords::removeLines(int at, int count)
{
    at = qBound(0, at, lineCount());
    count = qBound(0, count, lineCount() - at);
    if (endLine >= at + count)
        endLine -= count;
    else if (endLine >= at)
        endLine = -1;
    lines.erase(lines.begin() + at, lines.begin() + at + count);
}

void LineRecords::reset(int count)
{
    lines.clear();
    lines.resize(size_t(qMax(count, 0)));
    endLine = -1;
}
