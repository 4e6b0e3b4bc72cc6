#pragma once

#include "CallTipOverload.h"

#include <QList>
#include <QString>

class CallTip;

// The HTML the call tip and the hover tip show for a built-in identifier,
// made from the call-tip and hover tables. Names match ignoring case.

// The overloads of name with parameter paramIndex (0-based) in bold in each
// signature; an index past an overload's last parameter marks nothing there.
// Empty when the call-tip table has no such name.
QList<CallTipOverload> callTipOverloads(const QString& name, int paramIndex);

// Hands the overloads of name to tip. Returns false, and leaves tip as it
// was, when the call-tip table has no such name.
bool buildCallTip(const QString& name, CallTip* tip, int paramIndex);

// The parameter list of name as one HTML paragraph, with the parameter at
// boldIndex in bold (-1: none). Empty when the hover table has no such name.
QString identifierHoverHtml(const QString& name, int boldIndex = -1);
