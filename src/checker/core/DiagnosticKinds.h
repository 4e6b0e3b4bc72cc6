#pragma once

#include "Severity.h"

#include <QLatin1String>

// The word a diagnostic type goes by in reports (korvel-check's lines, the
// language server's diagnostic codes): "info", "warning", "error", "note"
// (the access-level message), the four named task markers, and "task" for
// the other marker colours.
QLatin1String diagnosticKind(Severity type);
