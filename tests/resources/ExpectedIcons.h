#pragma once

// Every resource path the program's windows ask for, with the pixel size it
// is drawn at: a folder path and the space-separated file names in it.
// Written down independently of the icon generator, so that a picture missing
// from the generator's table, or a path spelt differently, shows up here.
struct ExpectedIconFolder {
    const char* folder;
    int width;
    int height;
    const char* files;
};

extern const ExpectedIconFolder expectedIconFolders[];
extern const int expectedIconFolderCount;
