#pragma once

#include "checker/core/Severity.h"

#include <QLatin1String>

// The word korvel-check prints for a diagnostic type: "info", "warning",
// "error", "note" (the access-level message), the four named task markers,
// and "task" for the other marker colours.
QLatin1String diagnosticKind(Severity type);

// The four severities the summary line counts.
enum class SummaryClass { Error, Warning, Info, Task, Uncounted };
SummaryClass summaryClass(Severity type);
