#pragma once

#include <QRgb>

class QPainter;

// What a drawing routine gets besides the painter: an accent colour and a
// short text, so that one routine serves a family of icons (the six task
// markers, the lettered COM tiles, the coloured search modes).
struct IconStyle {
    QRgb accent;
    const char* text;
};

// Routines draw into a 16 x 16 design box; icons of another size are scaled
// to fit and centred.
using IconPainter = void (*)(QPainter& painter, const IconStyle& style);

// One icon of the program: where the program finds it in the resource system
// (prefix + path), where its file lives under resources/, its pixel size and
// how it is drawn.
struct IconEntry {
    const char* prefix;
    const char* path;
    const char* file;
    int width;
    int height;
    IconPainter paint;
    IconStyle style;
};

// The icon table (IconTable.cpp).
extern const IconEntry iconTable[];
extern const int iconTableSize;
