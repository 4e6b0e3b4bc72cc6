#pragma once

// What the call-tip popup knows about each built-in identifier: its overloads,
// each a list of parameter names and a one-sentence description.
//
// Parameter names are plain words (the popup adds the angle brackets). A name
// that starts with "~~" is a literal value the caller types as it stands, such
// as the mode number of $crc; the popup shows it without the tildes and
// without brackets.

constexpr int callTipMaxOverloads = 10;
constexpr int callTipMaxParams = 11;

struct CallTipOverloadData {
    // Ends at the first null slot.
    const char* params[callTipMaxParams];
    const char* description;
};

struct CallTipEntry {
    // Null only in the entry that ends the table.
    const char* name;
    // Ends at the first overload without a first parameter.
    CallTipOverloadData overloads[callTipMaxOverloads];
};

// Ordered; ended by an entry whose name is null. Lookups take the first
// entry whose name matches ignoring case.
extern const CallTipEntry callTipTable[];
