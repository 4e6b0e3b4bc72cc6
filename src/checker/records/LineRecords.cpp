#include "LineRecords.h"

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
    return *this;
}

const LineRecord& LineRecords::at(int line) const
{
    if (line < 0 || line >= lineCount() || !lines[size_t(line)])
        return emptyRecord;
    return *lines[size_t(line)];
}

bool LineRecords::record(int line, const LineCheckResult& result)
{
    if (line < 0)
        return false;
    if (line >= lineCount())
        lines.resize(size_t(line) + 1);
    std::unique_ptr<LineRecord>& slot = lines[size_t(line)];
    const bool hadDiagnostics = slot && !slot->diagnostics.isEmpty();
    if (!slot)
        slot = std::make_unique<LineRecord>();
    slot->header = result.header;
    slot->identifiers = result.identifiers;
    slot->diagnostics = result.diagnostics;
    if (slot->isEmpty())
        slot.reset();
    return hadDiagnostics || !result.diagnostics.isEmpty();
}

void LineRecords::insertLines(int at, int count)
{
    if (count <= 0)
        return;
    at = qBound(0, at, lineCount());
    std::vector<std::unique_ptr<LineRecord>> empty(static_cast<size_t>(count));
    lines.insert(lines.begin() + at, std::make_move_iterator(empty.begin()), std::make_move_iterator(empty.end()));
}

void LineRecords::removeLines(int at, int count)
{
    at = qBound(0, at, lineCount());
    count = qBound(0, count, lineCount() - at);
    lines.erase(lines.begin() + at, lines.begin() + at + count);
}

void LineRecords::reset(int count)
{
    lines.clear();
    lines.resize(size_t(qMax(count, 0)));
}
