#include "ColourCodeForms.h"

#include "ControlCodes.h"
#include "MircPalette.h"

namespace {

// A colour number as mIRC accepts it: padded to two digits, or as it stands
// (only a number below 10 differs between the two).
enum class Digits { Two, AsIs };

constexpr int smallestTwoDigitNumber = 10;

QString number(int n, Digits digits)
{
    return digits == Digits::Two ? QString::number(n).rightJustified(2, QLatin1Char('0')) : QString::number(n);
}

ColourCodeForm single(int fg, Digits fgDigits)
{
    return {controlChar(ControlCode::Colour) + number(fg, fgDigits), fg, ColourCodeForm::noBackground};
}

ColourCodeForm pair(int fg, Digits fgDigits, int bg, Digits bgDigits)
{
    return {controlChar(ControlCode::Colour) + number(fg, fgDigits) + QLatin1Char(',') + number(bg, bgDigits), fg, bg};
}

} // namespace

QVector<ColourCodeForm> colourCodeForms()
{
    QVector<ColourCodeForm> forms;
    for (int fg = 0; fg < MircPalette::count; ++fg) {
        const bool shortFg = fg < smallestTwoDigitNumber;
        forms << single(fg, Digits::Two);
        if (shortFg)
            forms << single(fg, Digits::AsIs);
        for (int bg = 0; bg < MircPalette::count; ++bg) {
            const bool shortBg = bg < smallestTwoDigitNumber;
            forms << pair(fg, Digits::Two, bg, Digits::Two);
            if (shortFg) {
                forms << pair(fg, Digits::AsIs, bg, Digits::Two);
                if (shortBg)
                    forms << pair(fg, Digits::AsIs, bg, Digits::AsIs);
            }
            if (shortBg)
                forms << pair(fg, Digits::Two, bg, Digits::AsIs);
        }
    }
    return forms;
}
