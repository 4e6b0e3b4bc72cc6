#pragma once

// How the find bar reads its search text.
enum class SearchMode {
    Plain = 0, // case-insensitive text
    CaseSensitive = 1,
    RegularExpression = 2, // "/pattern/flags" or a bare pattern
    WholeWords = 3,
    Identifier = 4, // "$" identifiers the checker recorded
};

// What the find bar shows for a mode: the icon of its side button and, for
// every mode but the plain one, the entry of the mode menu.
struct SearchModeLook {
    SearchMode mode;
    const char* icon;
    const char* menuText; // nullptr: the plain mode has no entry
};

namespace SearchModes {
extern const SearchModeLook looks[];
extern const int lookCount;
const SearchModeLook& lookOf(SearchMode mode);
}
