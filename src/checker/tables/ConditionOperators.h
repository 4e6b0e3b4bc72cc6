#pragma once

#include <QStringView>

// The comparison operators mSL accepts between the two operands of a
// condition written without parentheses, in lower case ("isin", "==", ...).
// A leading "!" (negation) is not part of these names.
namespace ConditionOperators {

int count();
const char* at(int index);

// True when `op` is exactly one of the operators (case-sensitive: the checker
// works on a lower-cased line).
bool contains(QStringView op);

} // namespace ConditionOperators
