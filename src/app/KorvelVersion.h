#pragma once

#include <QString>
#include <QStringList>

#include <array>

// This release's version, four decimal parts. The update check compares a
// server's announcement with it part by part; the About dialog shows it.
inline constexpr std::array<int, 4> korvelVersion{0, 2, 1, 3};

inline QString korvelVersionText()
{
    QStringList parts;
    for (int part : korvelVersion)
        parts << QString::number(part);
    return parts.join(QLatin1Char('.'));
}
