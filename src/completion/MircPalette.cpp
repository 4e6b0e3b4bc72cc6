#include "MircPalette.h"

const PaletteColour MircPalette::colours[MircPalette::count] = {
    {255, 255, 255}, // 0 white
    {0, 0, 0},       // 1 black
    {0, 0, 127},     // 2 navy
    {0, 147, 0},     // 3 green
    {255, 0, 0},     // 4 red
    {127, 0, 0},     // 5 maroon
    {156, 0, 156},   // 6 purple
    {252, 127, 0},   // 7 orange
    {255, 255, 0},   // 8 yellow
    {0, 252, 0},     // 9 light green
    {0, 147, 147},   // 10 teal
    {0, 255, 255},   // 11 cyan
    {0, 0, 252},     // 12 blue
    {255, 0, 255},   // 13 pink
    {127, 127, 127}, // 14 grey
    {210, 210, 210}, // 15 light grey
};
