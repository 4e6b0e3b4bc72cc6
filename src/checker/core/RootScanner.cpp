#include "MslChecker.h"

// Placeholder dispatcher until the root-level scanner lands: every line
// keeps the state it came in with.
void MslChecker::checkLine(const QString& lower, int previousState, LineCheckResult& result)
{
    out = &result;
    result.reset(lower.size());
    stopLine = false;
    inCalc = false;
    result.state = previousState < 0 ? 1 : previousState;
}

bool MslChecker::takeOpeningBrace(const QString& text, int& pos, int& depth)
{
    if (pos < text.size() && text[pos] == QLatin1Char('{')
        && (pos + 1 == text.size() || text[pos + 1] == QLatin1Char(' '))) {
        setFormat(pos, 1, FormatId::braceFormat);
        ++depth;
        ++pos;
        return true;
    }
    return false;
}
