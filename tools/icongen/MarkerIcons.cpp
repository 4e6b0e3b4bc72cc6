#include "IconRoutines.h"

#include "IconShapes.h"
#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace Icons {

using namespace Shapes;

void information(QPainter& p, const IconStyle& s)
{
    disc(p, QPointF(8, 8), 7, QColor(s.accent));
    glyph(p, QRectF(0, 0.5, 16, 16), QStringLiteral("i"), Qt::white, 12, true, false, "DejaVu Serif");
}

void warning(QPainter& p, const IconStyle& s)
{
    QPainterPath sign;
    sign.moveTo(8, 1);
    sign.lineTo(15.3, 14.5);
    sign.lineTo(0.7, 14.5);
    sign.closeSubpath();
    p.setPen(QPen(QColor(s.accent).darker(170), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(s.accent));
    p.drawPath(sign);
    glyph(p, QRectF(0, 3.5, 16, 12), QStringLiteral("!"), Palette::outline, 10, true);
}

void error(QPainter& p, const IconStyle& s)
{
    disc(p, QPointF(8, 8), 7, QColor(s.accent));
    cross(p, QPointF(8, 8), 3.0, Qt::white, 2.2);
}

void taskFlag(QPainter& p, const IconStyle& s)
{
    // A pennant on a pole: the six task markers differ only in its colour.
    const QColor c(s.accent);
    p.setPen(QPen(Palette::outline, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 1.5), QPointF(3, 15));
    QPainterPath flag;
    flag.moveTo(3.7, 2);
    flag.cubicTo(7, 0.5, 9, 3.5, 14.5, 2.2);
    flag.lineTo(14.5, 9.2);
    flag.cubicTo(9, 10.5, 7, 7.5, 3.7, 9);
    flag.closeSubpath();
    p.setPen(QPen(c.darker(160), 1.0));
    QLinearGradient g(0, 2, 0, 9);
    g.setColorAt(0, c.lighter(125));
    g.setColorAt(1, c);
    p.setBrush(g);
    p.drawPath(flag);
}

void magnify(QPainter& p, const IconStyle& s)
{
    magnifier(p, QPointF(6.5, 6.5), 4.6, QColor(s.accent));
}

void previous(QPainter& p, const IconStyle& s)
{
    arrow(p, QPointF(14, 8), QPointF(1.5, 8), QColor(s.accent), 3.0);
}

void next(QPainter& p, const IconStyle& s)
{
    arrow(p, QPointF(2, 8), QPointF(14.5, 8), QColor(s.accent), 3.0);
}

void closeCross(QPainter& p, const IconStyle& s)
{
    cross(p, QPointF(8, 8), 4.0, QColor(s.accent), 2.4);
}

// Component headers fold with a triangle, script groups with a boxed sign,
// so that the two kinds of fold stay apart in the gutter.
void foldOpen(QPainter& p, const IconStyle& s)
{
    triangle(p, QPointF(3, 5), QPointF(13, 5), QPointF(8, 11.5), QColor(s.accent));
}

void foldClosed(QPainter& p, const IconStyle& s)
{
    triangle(p, QPointF(5, 3), QPointF(5, 13), QPointF(11.5, 8), QColor(s.accent));
}

static void signBox(QPainter& p, const QColor& c)
{
    p.setPen(QPen(c.darker(140), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 3.5, 9, 9));
}

void groupOpen(QPainter& p, const IconStyle& s)
{
    signBox(p, QColor(s.accent));
    minus(p, QPointF(8, 8), 2.6, QColor(s.accent).darker(140), 1.4);
}

void groupClosed(QPainter& p, const IconStyle& s)
{
    signBox(p, QColor(s.accent));
    plus(p, QPointF(8, 8), 2.6, QColor(s.accent).darker(140), 1.4);
}

void identifierTile(QPainter& p, const IconStyle& s)
{
    tile(p, QRectF(1.5, 1.5, 13, 13), QColor(s.accent));
    glyph(p, QRectF(1.5, 1.5, 13, 13), QString::fromLatin1(s.text), Qt::white, 11, true);
}

void localIdentifierTile(QPainter& p, const IconStyle& s)
{
    tile(p, QRectF(0.5, 0.5, 12, 12), QColor(s.accent));
    glyph(p, QRectF(0.5, 0.5, 12, 12), QString::fromLatin1(s.text), Qt::white, 10, true);
    lock(p, QPointF(8.5, 6.5), 0.85);
}

void property(QPainter& p, const IconStyle& s)
{
    // The usual picture of a member: a small diamond.
    const QColor c(s.accent);
    QPainterPath d;
    d.moveTo(8, 1.5);
    d.lineTo(14.5, 8);
    d.lineTo(8, 14.5);
    d.lineTo(1.5, 8);
    d.closeSubpath();
    p.setPen(QPen(c.darker(160), 1.0));
    QLinearGradient g(0, 2, 0, 14);
    g.setColorAt(0, c.lighter(140));
    g.setColorAt(1, c);
    p.setBrush(g);
    p.drawPath(d);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 8), 1.6, 1.6);
}

} // namespace Icons
