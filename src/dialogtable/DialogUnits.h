#pragma once

#include <QRect>
#include <QSize>

// A table with "option dbu" measures in dialog units, which mIRC derives
// from the dialog font: a quarter of its average character width across and
// an eighth of its height down. The designer shows such a table with the
// figures of mIRC's default dialog font (an average character of 6 x 13
// pixels), so 4 dialog units across are 6 pixels and 8 down are 13, and
// writes changed figures back in dialog units, rounded to the nearest.
namespace DialogUnits {

constexpr int pixelsPerCharacterX = 6;
constexpr int pixelsPerCharacterY = 13;
constexpr int unitsPerCharacterX = 4;
constexpr int unitsPerCharacterY = 8;

int toPixelsX(int units);
int toPixelsY(int units);
int toUnitsX(int pixels);
int toUnitsY(int pixels);
QRect toPixels(const QRect& units);
QRect toUnits(const QRect& pixels);
QSize toPixels(const QSize& units);
QSize toUnits(const QSize& pixels);

} // namespace DialogUnits
