#pragma once

// The parameter list shown when the mouse rests on a built-in identifier: one
// text per parameter, written as the user reads it, with angle brackets for a
// required and square brackets for an optional parameter.

constexpr int hoverMaxParams = 10;

struct HoverEntry {
    // Null only in the entry that ends the table.
    const char* name;
    // Ends at the first null slot.
    const char* params[hoverMaxParams];
};

// Ordered; ended by an entry whose name is null. Lookups take the first
// entry whose name matches ignoring case.
extern const HoverEntry hoverTable[];
