#include "ConditionOperators.h"

#include <QLatin1String>

namespace {

const char* const conditionOperators[] = {
    "=",       "==",       "===",      "<",         ">",        ">=",      "<=",       "//",      "\\",
    "&",       "isin",     "isincs",   "iswm",      "iswmcs",   "isnum",   "isletter", "isalnum", "isalpha",
    "islower", "isupper",  "ison",     "isop",      "ishop",    "isvoice", "isreg",    "ischan",  "isban",
    "isaop",   "isavoice", "isignore", "isprotect", "isnotify", "isowner",
};

constexpr int operatorCount = int(sizeof conditionOperators / sizeof conditionOperators[0]);

} // namespace

namespace ConditionOperators {

int count()
{
    return operatorCount;
}

const char* at(int index)
{
    Q_ASSERT(index >= 0 && index < operatorCount);
    return conditionOperators[index];
}

bool contains(QStringView op)
{
    for (const char* candidate : conditionOperators)
        if (op == QLatin1String(candidate))
            return true;
    return false;
}

} // namespace ConditionOperators
