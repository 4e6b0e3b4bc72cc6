#pragma once

#include <QString>

// The picture beside a diagnostic of the given severity in the message area;
// empty for severities shown without one.
QString severityIconPath(int type);
