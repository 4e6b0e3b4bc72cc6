#pragma once

#include "reference/IdentifierTipTexts.h"

#include <QString>

class CallTip;

// Hands the overloads of name to tip. Returns false, and leaves tip as it
// was, when the identifier table has no such name.
bool buildCallTip(const QString& name, CallTip* tip, int paramIndex);
