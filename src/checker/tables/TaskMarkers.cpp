#include "TaskMarkers.h"

#include <QLatin1String>

namespace TaskMarkers {

const TaskMarker markers[count] = {
    {"todo", Severity::TaskTodo},    {"todo:", Severity::TaskTodo}, {"fixme", Severity::TaskFixme},
    {"fixme:", Severity::TaskFixme}, {"hack", Severity::TaskHack},  {"hack:", Severity::TaskHack},
    {"xxx", Severity::TaskXxx},      {"xxx:", Severity::TaskXxx},
};

const TaskMarker* find(QStringView word)
{
    for (const TaskMarker& marker : markers)
        if (word == QLatin1String(marker.word))
            return &marker;
    return nullptr;
}

} // namespace TaskMarkers
