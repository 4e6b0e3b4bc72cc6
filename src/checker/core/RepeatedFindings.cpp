#include "MslChecker.h"

// Groups of a condition nest, and each group that the line leaves open
// reports the same end of the line; "if ((%a == 1" would list one problem
// twice. While a condition is being checked, a diagnostic equal to one
// already raised on the line is dropped, so the message area lists each
// problem once. Outside conditions diagnostics go straight through.

void MslChecker::openRepeatFilter()
{
    ++repeatFilterUsers;
}

void MslChecker::closeRepeatFilter()
{
    if (--repeatFilterUsers == 0)
        reportedAt.clear();
}

void MslChecker::report(Severity type, int linePos, const QString& block, const QString& message)
{
    if (repeatFilterUsers > 0) {
        const QVector<LineDiagnostic>& raised = out->diagnostics;
        for (auto it = reportedAt.constFind(linePos); it != reportedAt.cend() && it.key() == linePos; ++it) {
            const LineDiagnostic& earlier = raised[it.value()];
            if (earlier.type == type && earlier.message == message && earlier.block == block)
                return;
        }
        reportedAt.insert(linePos, raised.size());
    }
    addError(type, linePos, block, message);
}
