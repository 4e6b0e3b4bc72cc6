#include "IconRoutines.h"

#include "IconShapes.h"
#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace Icons {

using namespace Shapes;

// Each toolbox picture is a miniature of the control it places.

void pushButton(QPainter& p, const IconStyle& s)
{
    p.setPen(QPen(Palette::outline, 1.0));
    QLinearGradient g(0, 4, 0, 12);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, Palette::lightGrey);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 3.5, 15, 9), 2, 2);
    glyph(p, QRectF(0.5, 3.5, 15, 9), QStringLiteral("OK"), QColor(s.accent), 7, true);
}

void editBox(QPainter& p, const IconStyle&)
{
    field(p, QRectF(0.5, 4.5, 15, 7));
    glyph(p, QRectF(1.5, 4.5, 8, 7), QStringLiteral("ab"), Palette::outline, 7, false);
    p.setPen(QPen(Palette::outline, 1.0));
    p.drawLine(QPointF(10.5, 6), QPointF(10.5, 10));
}

void passwordBox(QPainter& p, const IconStyle&)
{
    field(p, QRectF(0.5, 4.5, 15, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::outline);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(3 + i * 3.3, 8), 1.1, 1.1);
}

void richEditBox(QPainter& p, const IconStyle&)
{
    field(p, QRectF(0.5, 1.5, 15, 13));
    const QColor lines[] = {Palette::red, Palette::outline, Palette::blue, Palette::green};
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(lines[i], 1.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(2.5, 4 + i * 3), QPointF(i % 2 ? 10.5 : 13.5, 4 + i * 3));
    }
}

void label(QPainter& p, const IconStyle& s)
{
    glyph(p, QRectF(0, 0, 16, 16), QStringLiteral("Ab"), QColor(s.accent), 10, true);
}

void hyperlink(QPainter& p, const IconStyle& s)
{
    glyph(p, QRectF(0, -1, 16, 15), QStringLiteral("ab"), QColor(s.accent), 10, false);
    p.setPen(QPen(QColor(s.accent), 1.0));
    p.drawLine(QPointF(2.5, 12.5), QPointF(13.5, 12.5));
}

void comboBox(QPainter& p, const IconStyle&)
{
    field(p, QRectF(0.5, 4.5, 15, 7));
    p.setPen(QPen(Palette::outline, 1.0));
    p.setBrush(Palette::lightGrey);
    p.drawRect(QRectF(9.5, 4.5, 6, 7));
    triangle(p, QPointF(10.8, 7), QPointF(14.2, 7), QPointF(12.5, 9.5), Palette::outline);
    p.setPen(QPen(Palette::paperLine, 1.5));
    p.drawLine(QPointF(2, 8), QPointF(7.5, 8));
}

static void listRows(QPainter& p, qreal textLeft)
{
    field(p, QRectF(0.5, 0.5, 15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::blue.lighter(150));
    p.drawRect(QRectF(1, 5.5, 14, 4));
    p.setPen(QPen(Palette::grey, 1.0));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(textLeft, 3.5 + i * 4.5), QPointF(13, 3.5 + i * 4.5));
}

void listBox(QPainter& p, const IconStyle&)
{
    listRows(p, 2.5);
}

void checkListBox(QPainter& p, const IconStyle& s)
{
    listRows(p, 7);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(Palette::outline, 1.0));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2 + i * 4.5, 3, 3));
    }
    tick(p, QRectF(2.5, 6.5, 3.5, 3), QColor(s.accent), 1.2);
}

void checkBox(QPainter& p, const IconStyle& s)
{
    p.setPen(QPen(Palette::outline, 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 2.5, 11, 11));
    tick(p, QRectF(4.5, 5, 7, 6), QColor(s.accent), 2.0);
}

void radioListBox(QPainter& p, const IconStyle& s)
{
    listRows(p, 7);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(Palette::outline, 0.9));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(4, 3.5 + i * 4.5), 1.7, 1.7);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(s.accent));
    p.drawEllipse(QPointF(4, 8), 0.9, 0.9);
}

void radioButton(QPainter& p, const IconStyle& s)
{
    p.setPen(QPen(Palette::outline, 1.0));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
    disc(p, QPointF(8, 8), 2.6, QColor(s.accent));
}

void imageIcon(QPainter& p, const IconStyle&)
{
    p.setPen(QPen(Palette::outline, 1.0));
    p.setBrush(QColor(170, 214, 250));
    p.drawRect(QRectF(0.5, 2.5, 15, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::yellow);
    p.drawEllipse(QPointF(11.5, 5.5), 1.6, 1.6);
    p.setBrush(Palette::green);
    p.drawPolygon(QPolygonF() << QPointF(1, 13) << QPointF(5.5, 7) << QPointF(9, 11) << QPointF(11, 9)
                              << QPointF(15, 13));
}

void groupBox(QPainter& p, const IconStyle& s)
{
    p.setPen(QPen(Palette::grey, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF() << QPointF(3.5, 4.5) << QPointF(1.5, 4.5) << QPointF(1.5, 14.5) << QPointF(14.5, 14.5)
                               << QPointF(14.5, 4.5) << QPointF(11.5, 4.5));
    glyph(p, QRectF(3, 0, 9, 9), QStringLiteral("ab"), QColor(s.accent), 7, true);
}

void tabControl(QPainter& p, const IconStyle& s)
{
    p.setPen(QPen(Palette::outline, 1.0));
    p.setBrush(Palette::lightGrey);
    p.drawRect(QRectF(6.5, 2.5, 5, 3));
    p.setBrush(Palette::paper);
    p.drawRect(QRectF(0.5, 5.5, 15, 9));
    p.setBrush(QColor(s.accent).lighter(170));
    p.drawPolygon(QPolygonF() << QPointF(0.5, 5.5) << QPointF(0.5, 2.5) << QPointF(6.5, 2.5) << QPointF(6.5, 5.5));
    p.setPen(QPen(QColor(s.accent).lighter(170), 1.0));
    p.drawLine(QPointF(1, 5.5), QPointF(6, 5.5));
}

void tabPage(QPainter& p, const IconStyle& s)
{
    p.setPen(QPen(Palette::outline, 1.0));
    p.setBrush(QColor(s.accent).lighter(170));
    p.drawRect(QRectF(0.5, 1.5, 7, 4));
    p.setBrush(Palette::paper);
    p.drawRect(QRectF(0.5, 5.5, 15, 9));
    pageLines(p, QRectF(2.5, 8, 10, 5), 2, Palette::paperLine);
}

static void scrollBar(QPainter& p, bool vertical)
{
    p.save();
    if (!vertical) {
        p.translate(16, 0);
        p.rotate(90);
    }
    p.setPen(QPen(Palette::outline, 1.0));
    p.setBrush(Palette::lightGrey);
    p.drawRect(QRectF(4.5, 0.5, 7, 15));
    p.setBrush(Palette::grey.lighter(130));
    p.drawRect(QRectF(4.5, 5.5, 7, 5));
    triangle(p, QPointF(6, 3.5), QPointF(10, 3.5), QPointF(8, 1.5), Palette::outline);
    triangle(p, QPointF(6, 12.5), QPointF(10, 12.5), QPointF(8, 14.5), Palette::outline);
    p.restore();
}

void verticalScrollBar(QPainter& p, const IconStyle&)
{
    scrollBar(p, true);
}

void horizontalScrollBar(QPainter& p, const IconStyle&)
{
    scrollBar(p, false);
}

void alignToGrid(QPainter& p, const IconStyle& s)
{
    grid(p, QRectF(0.5, 0.5, 15, 15), 5, Palette::lightGrey.darker(115));
    // A control snapped onto the grid lines.
    p.setPen(QPen(QColor(s.accent).darker(150), 1.0));
    p.setBrush(QColor(s.accent));
    p.drawRect(QRectF(5.5, 5.5, 5, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::red);
    for (const QPointF& corner : {QPointF(5.5, 5.5), QPointF(10.5, 5.5), QPointF(5.5, 10.5), QPointF(10.5, 10.5)})
        p.drawEllipse(corner, 1.2, 1.2);
}

void showGrid(QPainter& p, const IconStyle& s)
{
    p.setPen(QPen(Palette::outline, 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, 15, 15));
    grid(p, QRectF(0.5, 0.5, 15, 15), 3, QColor(s.accent));
}

void gridPlus(QPainter& p, const IconStyle& s)
{
    grid(p, QRectF(0.5, 0.5, 12, 12), 4, QColor(s.accent));
    plusBadge(p);
}

void gridMinus(QPainter& p, const IconStyle& s)
{
    grid(p, QRectF(0.5, 0.5, 12, 12), 4, QColor(s.accent));
    disc(p, QPointF(11.5, 11.5), 4.0, Palette::red);
    minus(p, QPointF(11.5, 11.5), 2.3, Qt::white, 1.6);
}

void selection(QPainter& p, const IconStyle& s)
{
    p.setPen(QPen(QColor(s.accent), 1.0, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 11, 9));
    // The mouse pointer that drew it.
    QPainterPath pointer;
    pointer.moveTo(7, 5);
    pointer.lineTo(7, 15);
    pointer.lineTo(9.4, 12.6);
    pointer.lineTo(11, 15.5);
    pointer.lineTo(12.6, 14.7);
    pointer.lineTo(11, 11.8);
    pointer.lineTo(14, 11.5);
    pointer.closeSubpath();
    p.setPen(QPen(Palette::outline, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(pointer);
}

void generateCode(QPainter& p, const IconStyle& s)
{
    page(p, QRectF(0.5, 0.5, 11, 15));
    pageLines(p, QRectF(2.5, 5, 6, 8), 4, Palette::paperLine);
    // A spark: code is made, not typed.
    QPainterPath bolt;
    bolt.moveTo(12, 4);
    bolt.lineTo(8, 10);
    bolt.lineTo(11, 10);
    bolt.lineTo(9.5, 15.5);
    bolt.lineTo(15, 8.5);
    bolt.lineTo(12, 8.5);
    bolt.lineTo(14, 4);
    bolt.closeSubpath();
    p.setPen(QPen(QColor(s.accent).darker(160), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(s.accent));
    p.drawPath(bolt);
}

void ruler(QPainter& p, const IconStyle& s)
{
    p.save();
    p.translate(8, 8);
    p.rotate(-45);
    p.setPen(QPen(QColor(s.accent).darker(170), 1.0));
    p.setBrush(QColor(s.accent));
    p.drawRect(QRectF(-8, -3, 16, 6));
    p.setPen(QPen(Palette::outline, 0.8));
    for (int i = 0; i < 7; ++i) {
        const qreal x = -6 + i * 2;
        p.drawLine(QPointF(x, -3), QPointF(x, i % 2 ? -1.5 : 0.0));
    }
    p.restore();
}

} // namespace Icons
