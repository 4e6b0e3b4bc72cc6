#include "MslChecker.h"

// Placeholder until the dialog table checks land.
int MslChecker::checkDialogLine(const QString& text)
{
    return text.trimmed() == QLatin1String("}") ? 1 : 0x100;
}
