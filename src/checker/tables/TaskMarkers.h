#pragma once

#include "checker/core/Severity.h"

#include <QStringView>

// The words that make a comment a task, and the severity each raises. A
// marker may end with a colon.
struct TaskMarker {
    const char* word;
    Severity severity;
};

namespace TaskMarkers {

constexpr int count = 8;
extern const TaskMarker markers[count];

// The marker that `word` (lower case, the whole first word of a comment) is,
// or null when it is none.
const TaskMarker* find(QStringView word);

} // namespace TaskMarkers
