#pragma once

#include <QChar>

// The control characters mIRC formats message text with. The editor inserts
// them; the colour code also starts a colour completion.
enum class ControlCode : char16_t {
    Bold = 0x02,
    Colour = 0x03,
    Plain = 0x0F,
    Reverse = 0x16,
    Italics = 0x1D,
    Underline = 0x1F,
};

constexpr QChar controlChar(ControlCode code)
{
    return QChar(char16_t(code));
}
