#include "DiagnosticKinds.h"

namespace {

struct KindName {
    Severity type;
    const char* name;
};

const KindName kindNames[] = {
    {Severity::Information, "info"}, {Severity::Warning, "warning"}, {Severity::Error, "error"},
    {Severity::AccessLevel, "note"}, {Severity::TaskTodo, "todo"},   {Severity::TaskHack, "hack"},
    {Severity::TaskXxx, "xxx"},      {Severity::TaskFixme, "fixme"},
};

} // namespace

QLatin1String diagnosticKind(Severity type)
{
    for (const KindName& kind : kindNames)
        if (kind.type == type)
            return QLatin1String(kind.name);
    // The checker raises no other types below the task markers; should one
    // appear, "note" (shown without icon in the editor) is the honest word.
    return QLatin1String(isTask(type) ? "task" : "note");
}
