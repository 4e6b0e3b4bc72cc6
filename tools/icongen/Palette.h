#pragma once

#include <QColor>

// One palette for every icon so that toolbars look like a set: dark outlines,
// white paper, and a handful of saturated accents.
namespace Palette {
inline const QColor outline(58, 64, 74);
inline const QColor paper(253, 253, 253);
inline const QColor paperEdge(128, 136, 148);
inline const QColor paperLine(176, 186, 200);
inline const QColor blue(52, 120, 214);
inline const QColor darkBlue(30, 72, 150);
inline const QColor green(56, 160, 72);
inline const QColor darkGreen(30, 110, 44);
inline const QColor red(214, 60, 56);
inline const QColor darkRed(150, 30, 30);
inline const QColor orange(240, 140, 36);
inline const QColor yellow(246, 200, 30);
inline const QColor grey(140, 144, 150);
inline const QColor lightGrey(214, 218, 224);
inline const QColor folder(236, 180, 72);
inline const QColor folderDark(190, 132, 36);
inline const QColor purple(128, 72, 180);
inline const QColor teal(24, 150, 150);
}
