#include "ScriptRun.h"

#include "checker/core/MslChecker.h"

void checkScript(const QString& text, const LineVisitor& visit, DocumentKind kind)
{
    MslChecker checker;
    LineCheckResult result;
    int previousState = -1; // the first block of a document has no previous state
    int lineNumber = 1;
    const int length = text.size();
    int start = 0;
    while (true) {
        int end = start;
        while (end < length && text[end] != QLatin1Char('\n'))
            ++end;
        const QString line = text.mid(start, end - start);
        checker.checkLine(MslChecker::lowerCased(line), previousState, result, kind);
        visit(lineNumber, line, result);
        previousState = result.state;
        if (end == length)
            break;
        start = end + 1;
        ++lineNumber;
    }
}
