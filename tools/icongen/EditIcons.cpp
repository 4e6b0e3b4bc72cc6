#include "IconRoutines.h"

#include "IconShapes.h"
#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace Icons {

using namespace Shapes;

void undo(QPainter& p, const IconStyle& s)
{
    curvedArrow(p, false, QColor(s.accent));
}

void redo(QPainter& p, const IconStyle& s)
{
    curvedArrow(p, true, QColor(s.accent));
}

void cut(QPainter& p, const IconStyle& s)
{
    // Scissors, points up, handles down.
    p.setPen(QPen(Palette::grey.darker(130), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.5, 10), QPointF(10.5, 1.0));
    p.drawLine(QPointF(10.5, 10), QPointF(5.5, 1.0));
    p.setPen(QPen(QColor(s.accent), 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12.5), 2.4, 2.4);
    p.drawEllipse(QPointF(11.5, 12.5), 2.4, 2.4);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::outline);
    p.drawEllipse(QPointF(8, 5.6), 0.9, 0.9);
}

void copy(QPainter& p, const IconStyle&)
{
    page(p, QRectF(0.5, 0.5, 9, 11));
    pageLines(p, QRectF(2, 4, 5, 6), 3, Palette::paperLine);
    page(p, QRectF(5.5, 4.5, 9, 11));
    pageLines(p, QRectF(7, 8, 6, 6), 3, Palette::blue);
}

void paste(QPainter& p, const IconStyle& s)
{
    // A clipboard with a sheet on it.
    p.setPen(QPen(QColor(s.accent).darker(150), 1.0));
    p.setBrush(QColor(s.accent));
    p.drawRoundedRect(QRectF(1.5, 2.5, 11, 13), 1.5, 1.5);
    p.setBrush(Palette::grey);
    p.drawRoundedRect(QRectF(4.5, 1.0, 5, 3), 1, 1);
    page(p, QRectF(6.5, 6.5, 9, 9));
    pageLines(p, QRectF(8, 10, 6, 5), 3, Palette::blue);
}

void erase(QPainter& p, const IconStyle& s)
{
    cross(p, QPointF(8, 8), 5.0, QColor(s.accent).darker(140), 4.2);
    cross(p, QPointF(8, 8), 5.0, QColor(s.accent), 2.6);
}

void letter(QPainter& p, const IconStyle& s)
{
    glyph(p, QRectF(0, 0, 16, 16), QString::fromLatin1(s.text), QColor(s.accent), 15, true);
}

void italicLetter(QPainter& p, const IconStyle& s)
{
    glyph(p, QRectF(0, 0, 16, 16), QString::fromLatin1(s.text), QColor(s.accent), 15, true, true, "DejaVu Serif");
}

void underlinedLetter(QPainter& p, const IconStyle& s)
{
    glyph(p, QRectF(0, -1.5, 16, 15), QString::fromLatin1(s.text), QColor(s.accent), 13, true);
    p.setPen(QPen(Palette::outline, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(3, 14.5), QPointF(13, 14.5));
}

void reverseColours(QPainter& p, const IconStyle& s)
{
    // Foreground and background swapped: a dark square with a light letter.
    p.setPen(QPen(Palette::outline, 1.0));
    p.setBrush(QColor(s.accent));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    glyph(p, QRectF(1.5, 1.5, 13, 13), QString::fromLatin1(s.text), Qt::white, 12, true);
}

void colourLetter(QPainter& p, const IconStyle&)
{
    glyph(p, QRectF(0, -2.5, 16, 14), QStringLiteral("A"), Palette::outline, 12, true);
    const QColor bands[] = {Palette::red, Palette::yellow, Palette::green, Palette::blue};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(bands[i]);
        p.drawRect(QRectF(1 + i * 3.5, 12, 3.5, 3.5));
    }
}

void plainText(QPainter& p, const IconStyle& s)
{
    // A letter with its formatting struck off.
    glyph(p, QRectF(0, 0, 16, 16), QStringLiteral("T"), Palette::grey.darker(120), 14, false);
    p.setPen(QPen(QColor(s.accent), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
}

void bracketCheck(QPainter& p, const IconStyle& s)
{
    glyph(p, QRectF(-2, -2, 16, 16), QStringLiteral("{}"), Palette::outline, 12, true, false, "DejaVu Sans Mono");
    tick(p, QRectF(7.5, 8.5, 7.5, 6), QColor(s.accent).darker(140), 3.4);
    tick(p, QRectF(7.5, 8.5, 7.5, 6), QColor(s.accent), 2.0);
}

} // namespace Icons
