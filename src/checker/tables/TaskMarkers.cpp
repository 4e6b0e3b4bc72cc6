#include "TaskMarkers.h"

#include <QLatin1String>

namespace TaskMarkers {

const TaskMarker markers[count] = {
    {"todo", 11},  {"todo:", 11},
    {"fixme", 15}, {"fixme:", 15},
    {"hack", 13},  {"hack:", 13},
    {"xxx", 14},   {"xxx:", 14},
};

int typeOf(QStringView word)
{
    for (const TaskMarker& marker : markers)
        if (word == QLatin1String(marker.word))
            return marker.type;
    return 0;
}

} // namespace TaskMarkers
