#pragma once

// The images of the gutter's fold markers, 16 x 16 each.
namespace FoldMarkerIcons {

constexpr const char* componentOpen = ":/block/resources/img_assets/editor/block/expanded.png";
constexpr const char* componentFolded = ":/block/resources/img_assets/editor/block/right.png";
constexpr const char* groupOpen = ":/block/resources/img_assets/editor/block/expanded2.png";
constexpr const char* groupFolded = ":/block/resources/img_assets/editor/block/right2.png";

} // namespace FoldMarkerIcons
