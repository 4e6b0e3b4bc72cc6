#include "DiagnosticKinds.h"

namespace {

struct KindName {
    int type;
    const char* name;
};

const KindName kindNames[] = {
    {1, "info"},
    {2, "warning"},
    {3, "error"},
    {4, "note"},
    {11, "todo"},
    {13, "hack"},
    {14, "xxx"},
    {15, "fixme"},
};

constexpr int firstTaskType = 10;

} // namespace

QLatin1String diagnosticKind(int type)
{
    for (const KindName& kind : kindNames)
        if (kind.type == type)
            return QLatin1String(kind.name);
    // The checker raises no other types below the task markers; should one
    // appear, "note" (shown without icon in the editor) is the honest word.
    return QLatin1String(type >= firstTaskType ? "task" : "note");
}

SummaryClass summaryClass(int type)
{
    switch (type) {
    case 1:
        return SummaryClass::Info;
    case 2:
        return SummaryClass::Warning;
    case 3:
        return SummaryClass::Error;
    default:
        return type >= firstTaskType ? SummaryClass::Task : SummaryClass::Uncounted;
    }
}
