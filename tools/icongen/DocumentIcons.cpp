#include "IconRoutines.h"

#include "IconShapes.h"
#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace Icons {

using namespace Shapes;

static const QRectF pageRect(2.5, 0.5, 11, 15);

void blankPage(QPainter& p, const IconStyle&)
{
    page(p, pageRect);
}

void textPage(QPainter& p, const IconStyle&)
{
    page(p, pageRect);
    pageLines(p, QRectF(4.5, 6, 7, 8), 4, Palette::paperLine);
}

void scriptPage(QPainter& p, const IconStyle& s)
{
    page(p, pageRect);
    pageLines(p, QRectF(4.5, 6, 7, 8), 4, Palette::paperLine);
    // A script is text with a language: the "$" of mSL identifiers.
    glyph(p, QRectF(4, 4, 12, 12), QStringLiteral("$"), QColor(s.accent), 11, true);
}

void readOnlyPage(QPainter& p, const IconStyle&)
{
    page(p, QRectF(1.5, 0.5, 11, 15));
    pageLines(p, QRectF(3.5, 5, 7, 6), 3, Palette::paperLine);
    lock(p, QPointF(7.5, 5.5), 1.0);
}

void newPage(QPainter& p, const IconStyle&)
{
    page(p, QRectF(1.5, 0.5, 11, 15));
    pageLines(p, QRectF(3.5, 5, 7, 4), 2, Palette::paperLine);
    plusBadge(p);
}

void closePage(QPainter& p, const IconStyle&)
{
    page(p, QRectF(1.5, 0.5, 11, 15));
    pageLines(p, QRectF(3.5, 5, 7, 4), 2, Palette::paperLine);
    crossBadge(p);
}

void openFolder(QPainter& p, const IconStyle&)
{
    folder(p, QRectF(0.5, 4.5, 14, 10), false);
    p.save();
    page(p, QRectF(4.5, 1.5, 8, 9));
    pageLines(p, QRectF(6, 5, 5, 4), 2, Palette::paperLine);
    p.restore();
    p.setPen(QPen(Palette::folderDark, 1.0));
    p.setBrush(Palette::folder);
    p.drawPolygon(QPolygonF() << QPointF(0.5, 14.5) << QPointF(2.5, 8.5) << QPointF(15.5, 8.5) << QPointF(14.5, 14.5));
}

void save(QPainter& p, const IconStyle& s)
{
    floppy(p, QRectF(1.5, 1.5, 13, 13), QColor(s.accent));
}

void saveAll(QPainter& p, const IconStyle& s)
{
    floppy(p, QRectF(0.5, 0.5, 10, 10), QColor(s.accent).lighter(125));
    floppy(p, QRectF(5.5, 5.5, 10, 10), QColor(s.accent));
}

void exitDoor(QPainter& p, const IconStyle& s)
{
    // An open door with an arrow leaving through it.
    p.setPen(QPen(Palette::outline, 1.0));
    p.setBrush(Palette::lightGrey);
    p.drawRect(QRectF(1.5, 1.5, 8, 13));
    p.setBrush(QColor(150, 96, 52));
    p.drawPolygon(QPolygonF() << QPointF(1.5, 1.5) << QPointF(6.5, 3.5) << QPointF(6.5, 15.5) << QPointF(1.5, 14.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::yellow);
    p.drawEllipse(QPointF(5.3, 9), 0.8, 0.8);
    arrow(p, QPointF(7.5, 8), QPointF(15.5, 8), QColor(s.accent), 2.2);
}

void dialogWindow(QPainter& p, const IconStyle& s)
{
    windowFrame(p, QRectF(0.5, 1.5, 15, 13), QColor(s.accent));
    // Two buttons at the foot: the shape of a dialog rather than a document.
    p.setPen(QPen(Palette::paperEdge, 1.0));
    p.setBrush(Palette::lightGrey);
    p.drawRect(QRectF(6.5, 10.5, 3.5, 2.5));
    p.drawRect(QRectF(11, 10.5, 3.5, 2.5));
    p.setPen(QPen(Palette::paperLine, 1.0));
    p.drawLine(QPointF(2.5, 7.5), QPointF(9.5, 7.5));
    field(p, QRectF(2.5, 6.5, 11, 2));
}

void dialogCode(QPainter& p, const IconStyle& s)
{
    windowFrame(p, QRectF(0.5, 1.5, 15, 13), QColor(s.accent));
    glyph(p, QRectF(0, 4, 16, 11), QStringLiteral("{ }"), QColor(s.accent).darker(140), 9, true);
}

void pictureWindow(QPainter& p, const IconStyle& s)
{
    windowFrame(p, QRectF(0.5, 1.5, 15, 13), QColor(s.accent));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 214, 250));
    p.drawRect(QRectF(1, 5, 14, 9));
    p.setBrush(Palette::yellow);
    p.drawEllipse(QPointF(11.5, 7.5), 1.6, 1.6);
    p.setBrush(Palette::green);
    p.drawPolygon(QPolygonF() << QPointF(1, 14) << QPointF(5.5, 8) << QPointF(9, 12) << QPointF(11, 10)
                              << QPointF(15, 14));
    p.setPen(QPen(QColor(s.accent).darker(160), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 1.5, 15, 13));
}

void plainWindow(QPainter& p, const IconStyle& s)
{
    windowFrame(p, QRectF(0.5, 1.5, 15, 13), QColor(s.accent));
}

void mircInstance(QPainter& p, const IconStyle& s)
{
    // A running client: a monitor with a green "connected" light.
    p.setPen(QPen(Palette::outline, 1.0));
    p.setBrush(Palette::lightGrey);
    p.drawRoundedRect(QRectF(0.5, 1.5, 15, 10), 1.5, 1.5);
    p.setBrush(QColor(s.accent));
    p.drawRect(QRectF(2.5, 3.5, 11, 6));
    p.setBrush(Palette::grey);
    p.drawRect(QRectF(6.5, 11.5, 3, 2));
    p.drawRect(QRectF(3.5, 13.5, 9, 1.5));
    disc(p, QPointF(12.5, 12.5), 2.5, Palette::green);
    glyph(p, QRectF(2.5, 3, 11, 7), QStringLiteral("m"), Qt::white, 7, true);
}

void syncArrows(QPainter& p, const IconStyle& s)
{
    // Two arrows chasing each other round a circle.
    const QColor c(s.accent);
    p.setBrush(Qt::NoBrush);
    for (int half = 0; half < 2; ++half) {
        p.save();
        p.translate(8, 8);
        p.rotate(180 * half);
        p.setPen(QPen(c.darker(140), 3.2, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(-5.5, -5.5, 11, 11), 20 * 16, 140 * 16);
        p.setPen(QPen(c, 2.0, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(-5.5, -5.5, 11, 11), 20 * 16, 140 * 16);
        triangle(p, QPointF(-8.3, -2.2), QPointF(-2.6, -2.2), QPointF(-5.5, 2.0), c);
        p.restore();
    }
}

} // namespace Icons
