#pragma once

// The fold column at the gutter's right edge, in pixels from that edge:
// markers are drawn 16 pixels from it, their click squares start 18 pixels
// from it, and the guide lines run 8 pixels from it.
namespace GutterGeometry {

constexpr int foldColumnWidth = 18;
constexpr int markerOffset = 16;
constexpr int markerSize = 16;
constexpr int guideOffset = 8;
constexpr int guideTickLength = 4;

} // namespace GutterGeometry
