#include "IconRoutines.h"

#include "IconShapes.h"
#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace Icons {

using namespace Shapes;

void letterTile(QPainter& p, const IconStyle& s)
{
    const QString text = QString::fromLatin1(s.text);
    tile(p, QRectF(0.5, 0.5, 15, 15), QColor(s.accent));
    const qreal size = text.size() == 1 ? 12 : 8;
    glyph(p, QRectF(0.5, 0.5, 15, 15), text, Qt::white, size, true);
}

void terminal(QPainter& p, const IconStyle& s)
{
    p.setPen(QPen(Palette::outline, 1.0));
    p.setBrush(QColor(s.accent));
    p.drawRoundedRect(QRectF(0.5, 1.5, 15, 13), 1.5, 1.5);
    p.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF() << QPointF(3.5, 5) << QPointF(6.5, 8) << QPointF(3.5, 11));
    p.drawLine(QPointF(8, 11.5), QPointF(12.5, 11.5));
}

void explorerFolder(QPainter& p, const IconStyle&)
{
    folder(p, QRectF(0.5, 2.5, 15, 12), true);
}

void windowsPanes(QPainter& p, const IconStyle& s)
{
    const QColor panes[] = {QColor(s.accent), Palette::green, Palette::blue, Palette::yellow};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(panes[i]);
        p.drawRect(QRectF(1 + (i % 2) * 7.5, 1 + (i / 2) * 7.5, 6.5, 6.5));
    }
}

void envelope(QPainter& p, const IconStyle& s)
{
    p.setPen(QPen(QColor(s.accent).darker(160), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Palette::paper);
    p.drawRect(QRectF(0.5, 3.5, 15, 10));
    p.setBrush(QColor(s.accent).lighter(160));
    p.drawPolygon(QPolygonF() << QPointF(0.5, 3.5) << QPointF(8, 9.5) << QPointF(15.5, 3.5));
}

void database(QPainter& p, const IconStyle& s)
{
    const QColor c(s.accent);
    p.setPen(QPen(c.darker(170), 1.0));
    p.setBrush(c);
    QPainterPath body;
    body.moveTo(2.5, 3.5);
    body.lineTo(2.5, 12.5);
    body.arcTo(QRectF(2.5, 10.5, 11, 4), 180, 180);
    body.lineTo(13.5, 3.5);
    p.drawPath(body);
    p.setBrush(c.lighter(140));
    p.drawEllipse(QRectF(2.5, 1.5, 11, 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 5.5, 11, 4), 180 * 16, 180 * 16);
    p.drawArc(QRectF(2.5, 8.5, 11, 4), 180 * 16, 180 * 16);
}

void globe(QPainter& p, const IconStyle& s)
{
    disc(p, QPointF(8, 8), 7, QColor(s.accent));
    p.setPen(QPen(Qt::white, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 8), 3, 7);
    p.drawLine(QPointF(1, 8), QPointF(15, 8));
    p.drawLine(QPointF(8, 1), QPointF(8, 15));
    p.drawLine(QPointF(2.2, 4.5), QPointF(13.8, 4.5));
    p.drawLine(QPointF(2.2, 11.5), QPointF(13.8, 11.5));
}

void library(QPainter& p, const IconStyle& s)
{
    page(p, QRectF(1.5, 0.5, 11, 15));
    gear(p, QPointF(10, 10), 5.5, QColor(s.accent));
}

void cube(QPainter& p, const IconStyle& s)
{
    const QColor c(s.accent);
    p.setPen(QPen(c.darker(180), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c.lighter(150));
    p.drawPolygon(QPolygonF() << QPointF(8, 1) << QPointF(14.5, 4.5) << QPointF(8, 8) << QPointF(1.5, 4.5));
    p.setBrush(c);
    p.drawPolygon(QPolygonF() << QPointF(1.5, 4.5) << QPointF(8, 8) << QPointF(8, 15) << QPointF(1.5, 11.5));
    p.setBrush(c.darker(130));
    p.drawPolygon(QPolygonF() << QPointF(14.5, 4.5) << QPointF(8, 8) << QPointF(8, 15) << QPointF(14.5, 11.5));
}

void musicNote(QPainter& p, const IconStyle& s)
{
    disc(p, QPointF(8, 8), 7, QColor(s.accent));
    glyph(p, QRectF(0, 0, 16, 16), QString(QChar(0x266B)), Qt::white, 11, true);
}

void applicationWindow(QPainter& p, const IconStyle& s)
{
    windowFrame(p, QRectF(0.5, 1.5, 15, 13), QColor(s.accent));
    gear(p, QPointF(8, 9.5), 4, Palette::grey);
}

} // namespace Icons
