#pragma once

#include <QString>
#include <QVector>

// One way of writing a colour code: the colour control character followed by
// a foreground number and, optionally, a comma and a background number.
struct ColourCodeForm {
    static constexpr int noBackground = -1;

    QString text;   // starts with the colour control character
    int foreground; // mIRC colour number
    int background; // mIRC colour number or noBackground
};

// Every way of writing every colour and colour pair with one- or two-digit
// numbers (702 forms): for each foreground its two-digit and, below 10, its
// one-digit form, then its pairs with each background in the digit
// combinations that exist. In that order, unsorted.
QVector<ColourCodeForm> colourCodeForms();
