#include "DialogUnits.h"

namespace DialogUnits {

namespace {

// Rounds n / d to the nearest integer, halves away from zero.
int divideRounded(int n, int d)
{
    return n >= 0 ? (2 * n + d) / (2 * d) : -((-2 * n + d) / (2 * d));
}

} // namespace

int toPixelsX(int units)
{
    return divideRounded(units * pixelsPerCharacterX, unitsPerCharacterX);
}

int toPixelsY(int units)
{
    return divideRounded(units * pixelsPerCharacterY, unitsPerCharacterY);
}

int toUnitsX(int pixels)
{
    return divideRounded(pixels * unitsPerCharacterX, pixelsPerCharacterX);
}

int toUnitsY(int pixels)
{
    return divideRounded(pixels * unitsPerCharacterY, pixelsPerCharacterY);
}

QRect toPixels(const QRect& units)
{
    return QRect(toPixelsX(units.x()), toPixelsY(units.y()), toPixelsX(units.width()), toPixelsY(units.height()));
}

QRect toUnits(const QRect& pixels)
{
    return QRect(toUnitsX(pixels.x()), toUnitsY(pixels.y()), toUnitsX(pixels.width()), toUnitsY(pixels.height()));
}

QSize toPixels(const QSize& units)
{
    return QSize(toPixelsX(units.width()), toPixelsY(units.height()));
}

QSize toUnits(const QSize& pixels)
{
    return QSize(toUnitsX(pixels.width()), toUnitsY(pixels.height()));
}

} // namespace DialogUnits
