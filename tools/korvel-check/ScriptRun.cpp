#include "ScriptRun.h"

#include "checker/core/MslChecker.h"

bool checkScript(ScriptLineReader& reader, const LineVisitor& visit)
{
    MslChecker checker;
    LineCheckResult result;
    int previousState = -1; // the first block of a document has no previous state
    const DocumentKind kind = reader.kind();
    return reader.forEachLine([&](const ScriptLine& line) {
        checker.checkLine(MslChecker::lowerCased(line.text), previousState, result, kind);
        visit(line, result);
        previousState = result.state;
    });
}
