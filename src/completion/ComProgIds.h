#pragma once

// The COM object names (ProgIDs) offered in a /comopen command, each with
// the file name of its icon in the COM icon folder.
struct ComProgIdEntry {
    const char* progId;
    const char* iconFile;
};

namespace ComProgIds {

constexpr int count = 91;
// In the order the popup lists them.
extern const ComProgIdEntry entries[count];

} // namespace ComProgIds
