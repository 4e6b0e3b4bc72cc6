#pragma once

// The sixteen colours mIRC shows for the colour numbers 0 to 15.
struct PaletteColour {
    int red;
    int green;
    int blue;
};

namespace MircPalette {

constexpr int count = 16;
// Indexed by the mIRC colour number.
extern const PaletteColour colours[count];

} // namespace MircPalette
