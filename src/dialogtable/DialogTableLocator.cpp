#include "DialogTableLocator.h"

#include "checker/core/BlockState.h"
#include "checker/core/MslChecker.h"

namespace DialogTableLocator {

namespace {

bool insideTable(int state)
{
    const BlockState::Kind kind = BlockState::decode(state).kind;
    return kind == BlockState::Kind::DialogTable || kind == BlockState::Kind::DialogComment;
}

} // namespace

Span find(const QStringList& lines, int line)
{
    MslChecker checker;
    LineCheckResult result;
    int previous = -1;
    Span span;
    for (int i = 0; i < lines.size(); ++i) {
        checker.checkLine(MslChecker::lowerCased(lines[i]), previous, result);
        const bool wasInside = insideTable(previous);
        const bool isInside = insideTable(result.state);
        previous = result.state;
        if (!wasInside && isInside) {
            if (i > line)
                return Span();
            span.header = i;
        } else if (wasInside && !isInside) {
            if (line <= i)
                return Span{span.header, i};
            span.header = -1;
        }
    }
    return Span();
}

} // namespace DialogTableLocator
