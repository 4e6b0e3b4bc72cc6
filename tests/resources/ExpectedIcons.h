#pragma once

// Every resource path the program's windows ask for, with the pixel size it
// is drawn at. Written down independently of the icon generator, so that a
// picture missing from the generator's table, or a path spelt differently,
// shows up here.
struct ExpectedIcon
{
    const char *path;
    int width;
    int height;
};

extern const ExpectedIcon expectedIcons[];
extern const int expectedIconCount;
