#include "ScriptRun.h"

#include "checker/core/MslChecker.h"
#include "checker/core/UnclosedBlock.h"

bool checkScript(ScriptLineReader& reader, const LineVisitor& visit, const LineVisitor& visitFinding)
{
    MslChecker checker;
    LineCheckResult result;
    int previousState = -1; // the first block of a document has no previous state
    const DocumentKind kind = reader.kind();
    // A block never closed is reported at its header line, visited once
    // more with that one diagnostic when a later line or the end shows it.
    UnclosedBlock::Tracker unclosed;
    ScriptLine header;
    LineCheckResult finding;
    const LineVisitor& findingVisitor = visitFinding ? visitFinding : visit;
    const auto report = [&](const UnclosedBlock::Tracker::Finding& found) {
        finding.reset(int(header.text.size()));
        finding.diagnostics = {found.diagnostic};
        findingVisitor(header, finding);
    };
    const bool read = reader.forEachLine([&](const ScriptLine& line) {
        checker.checkLine(MslChecker::lowerCased(line.text), previousState, result, kind);
        visit(line, result);
        if (const auto found = unclosed.follow(line.number, result))
            report(*found);
        if (unclosed.openingLineNumber() == line.number)
            header = line;
        previousState = result.state;
    });
    if (const auto found = unclosed.atEnd())
        report(*found);
    return read;
}
