#pragma once

// What a line records about itself: the component its header opens, and
// whether it starts or ends a script group. The values are those the block
// records have always carried.
enum class HeaderKind : int {
    None = 0,
    Alias = 1,
    Dialog = 2,
    Event = 3, // on, ctcp and raw
    Menu = 4,
};

enum class GroupMark : int {
    None = 0,
    Start = 1, // "#name on" or "#name off"
    End = 2,   // "#name end"
};
