#include "IdentifierTips.h"

#include "CallTip.h"

bool buildCallTip(const QString& name, CallTip* tip, int paramIndex)
{
    const QList<CallTipOverload> overloads = callTipOverloads(name, paramIndex);
    if (overloads.isEmpty())
        return false;
    tip->setOverloads(overloads);
    return true;
}
