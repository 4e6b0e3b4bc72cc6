#pragma once

#include <QStringView>

// The words that make a comment a task, and the diagnostic type each raises
// (11 todo, 13 hack, 14 xxx, 15 fixme). A marker may end with a colon.
struct TaskMarker {
    const char* word;
    int type;
};

namespace TaskMarkers {

constexpr int count = 8;
extern const TaskMarker markers[count];

// The type `word` (lower case, the whole first word of a comment) raises,
// or 0 when it is no marker.
int typeOf(QStringView word);

} // namespace TaskMarkers
