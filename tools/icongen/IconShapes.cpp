#include "IconShapes.h"

#include "Palette.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace Shapes {

QColor darker(const QColor& c, int factor)
{
    return c.darker(factor);
}
QColor lighter(const QColor& c, int factor)
{
    return c.lighter(factor);
}

static QPen outlinePen(const QColor& c, qreal width = 1.0)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void page(QPainter& p, const QRectF& r)
{
    const qreal fold = qMin(r.width(), r.height()) * 0.32;
    QPainterPath body;
    body.moveTo(r.left(), r.top());
    body.lineTo(r.right() - fold, r.top());
    body.lineTo(r.right(), r.top() + fold);
    body.lineTo(r.right(), r.bottom());
    body.lineTo(r.left(), r.bottom());
    body.closeSubpath();
    p.setPen(outlinePen(Palette::paperEdge));
    p.setBrush(Palette::paper);
    p.drawPath(body);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(Palette::lightGrey);
    p.drawPath(corner);
}

void pageLines(QPainter& p, const QRectF& r, int count, const QColor& c)
{
    p.setPen(QPen(c, 1.0));
    const qreal step = r.height() / qMax(1, count);
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + step * i + 0.5;
        // Ragged right edges read as text rather than as a table.
        const qreal end = r.right() - ((i % 3 == 1) ? r.width() * 0.3 : 0.0);
        p.drawLine(QPointF(r.left(), y), QPointF(end, y));
    }
}

void folder(QPainter& p, const QRectF& r, bool open)
{
    p.setPen(outlinePen(Palette::folderDark));
    p.setBrush(Palette::folderDark.lighter(130));
    QPainterPath back;
    back.moveTo(r.left(), r.bottom());
    back.lineTo(r.left(), r.top() + 1);
    back.lineTo(r.left() + r.width() * 0.35, r.top() + 1);
    back.lineTo(r.left() + r.width() * 0.45, r.top() + 2.5);
    back.lineTo(r.right(), r.top() + 2.5);
    back.lineTo(r.right(), r.bottom());
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(Palette::folder);
    if (open) {
        QPolygonF front;
        front << QPointF(r.left(), r.bottom()) << QPointF(r.left() + 2, r.top() + r.height() * 0.42)
              << QPointF(r.right() + 1, r.top() + r.height() * 0.42) << QPointF(r.right(), r.bottom());
        p.drawPolygon(front);
    } else {
        p.drawRect(QRectF(r.left(), r.top() + 4, r.width(), r.height() - 4));
    }
}

void floppy(QPainter& p, const QRectF& r, const QColor& body)
{
    p.setPen(outlinePen(darker(body, 170)));
    p.setBrush(body);
    QPainterPath outline;
    outline.moveTo(r.left(), r.top());
    outline.lineTo(r.right() - 2, r.top());
    outline.lineTo(r.right(), r.top() + 2);
    outline.lineTo(r.right(), r.bottom());
    outline.lineTo(r.left(), r.bottom());
    outline.closeSubpath();
    p.drawPath(outline);
    // The metal shutter at the top and the paper label below.
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::lightGrey);
    p.drawRect(QRectF(r.left() + r.width() * 0.25, r.top() + 0.5, r.width() * 0.5, r.height() * 0.3));
    p.setBrush(darker(body, 130));
    p.drawRect(QRectF(r.left() + r.width() * 0.55, r.top() + 1.5, r.width() * 0.12, r.height() * 0.18));
    p.setBrush(Palette::paper);
    p.drawRect(QRectF(r.left() + 2, r.top() + r.height() * 0.52, r.width() - 4, r.height() * 0.42));
    p.setPen(QPen(Palette::paperLine, 1.0));
    p.drawLine(QPointF(r.left() + 3, r.top() + r.height() * 0.68), QPointF(r.right() - 3, r.top() + r.height() * 0.68));
}

void disc(QPainter& p, const QPointF& centre, qreal radius, const QColor& fill)
{
    p.setPen(outlinePen(darker(fill, 160)));
    QRadialGradient g(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.6);
    g.setColorAt(0, lighter(fill, 150));
    g.setColorAt(1, fill);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void plus(QPainter& p, const QPointF& c, qreal half, const QColor& colour, qreal width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(c.x() - half, c.y()), QPointF(c.x() + half, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - half), QPointF(c.x(), c.y() + half));
}

void minus(QPainter& p, const QPointF& c, qreal half, const QColor& colour, qreal width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(c.x() - half, c.y()), QPointF(c.x() + half, c.y()));
}

void cross(QPainter& p, const QPointF& c, qreal half, const QColor& colour, qreal width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-half, -half), c + QPointF(half, half));
    p.drawLine(c + QPointF(-half, half), c + QPointF(half, -half));
}

void tick(QPainter& p, const QRectF& r, const QColor& c, qreal width)
{
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPolygonF line;
    line << QPointF(r.left(), r.top() + r.height() * 0.55) << QPointF(r.left() + r.width() * 0.38, r.bottom())
         << QPointF(r.right(), r.top());
    p.drawPolyline(line);
}

void plusBadge(QPainter& p)
{
    disc(p, QPointF(11.5, 11.5), 4.0, Palette::green);
    plus(p, QPointF(11.5, 11.5), 2.3, Qt::white, 1.6);
}

void crossBadge(QPainter& p)
{
    disc(p, QPointF(11.5, 11.5), 4.0, Palette::red);
    cross(p, QPointF(11.5, 11.5), 1.7, Qt::white, 1.5);
}

void glyph(QPainter& p, const QRectF& r, const QString& text, const QColor& c, qreal pixelSize, bool bold, bool italic,
           const char* family)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferFullHinting);
    p.setFont(font);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, text);
}

void tile(QPainter& p, const QRectF& r, const QColor& fill)
{
    p.setPen(outlinePen(darker(fill, 160)));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, lighter(fill, 125));
    g.setColorAt(1, fill);
    p.setBrush(g);
    p.drawRoundedRect(r, 2.5, 2.5);
}

void windowFrame(QPainter& p, const QRectF& r, const QColor& title)
{
    p.setPen(outlinePen(darker(title, 160)));
    p.setBrush(Palette::paper);
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(title);
    p.drawRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 0.5, 3));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.right() - 3, r.top() + 1.5, 2, 1));
}

void magnifier(QPainter& p, const QPointF& lens, qreal radius, const QColor& tint)
{
    p.setPen(QPen(Palette::outline, 2.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF handleStart = lens + QPointF(radius * 0.75, radius * 0.75);
    p.drawLine(handleStart, handleStart + QPointF(radius * 0.95, radius * 0.95));
    p.setPen(outlinePen(Palette::outline, 1.4));
    QRadialGradient g(lens - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, tint);
    p.setBrush(g);
    p.drawEllipse(lens, radius, radius);
}

void arrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& c, qreal width)
{
    const QLineF shaft(from, to);
    const qreal head = width * 2.2;
    const QPointF unit = (to - from) / shaft.length();
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = to - unit * head;
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, base + unit * 0.5);
    p.setPen(outlinePen(c, 0.8));
    p.setBrush(c);
    QPolygonF tip;
    tip << to << base + normal * head * 0.9 << base - normal * head * 0.9;
    p.drawPolygon(tip);
}

void curvedArrow(QPainter& p, bool clockwise, const QColor& c)
{
    // An arc over the top ending in a head that points down-left (undo) or
    // down-right (redo), the usual picture of stepping back or forward.
    p.save();
    if (clockwise) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(13, 12.5);
    arc.cubicTo(13.5, 5.0, 7.5, 2.5, 4.5, 7.0);
    p.setPen(QPen(darker(c, 140), 3.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(QPen(c, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arc);
    p.setPen(outlinePen(darker(c, 140), 0.8));
    p.setBrush(c);
    QPolygonF head;
    head << QPointF(1.5, 10.5) << QPointF(2.0, 4.0) << QPointF(8.0, 7.5);
    p.drawPolygon(head);
    p.restore();
}

void lock(QPainter& p, const QPointF& topLeft, qreal scale)
{
    p.save();
    p.translate(topLeft);
    p.scale(scale, scale);
    p.setPen(QPen(Palette::outline, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(1.5, 0.5, 5, 6), 0, 180 * 16);
    p.drawLine(QPointF(1.5, 3.5), QPointF(1.5, 4.5));
    p.drawLine(QPointF(6.5, 3.5), QPointF(6.5, 4.5));
    p.setPen(outlinePen(Palette::folderDark.darker(130)));
    p.setBrush(Palette::yellow);
    p.drawRect(QRectF(0.5, 4.5, 7, 5));
    p.setPen(QPen(Palette::outline, 1.0));
    p.drawLine(QPointF(4, 6.5), QPointF(4, 8));
    p.restore();
}

void gear(QPainter& p, const QPointF& centre, qreal radius, const QColor& c)
{
    QPainterPath teeth;
    const int count = 8;
    for (int i = 0; i < count * 2; ++i) {
        const qreal angle = M_PI * i / count;
        const qreal rr = (i % 2 == 0) ? radius : radius * 0.74;
        const qreal spread = M_PI / count * 0.45;
        const QPointF a = centre + QPointF(qCos(angle - spread) * rr, qSin(angle - spread) * rr);
        const QPointF b = centre + QPointF(qCos(angle + spread) * rr, qSin(angle + spread) * rr);
        if (i == 0)
            teeth.moveTo(a);
        else
            teeth.lineTo(a);
        teeth.lineTo(b);
    }
    teeth.closeSubpath();
    teeth.addEllipse(centre, radius * 0.32, radius * 0.32);
    p.setPen(outlinePen(darker(c, 170)));
    p.setBrush(c);
    p.drawPath(teeth);
}

void grid(QPainter& p, const QRectF& r, qreal step, const QColor& c)
{
    p.setPen(QPen(c, 1.0));
    for (qreal x = r.left(); x <= r.right() + 0.01; x += step)
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    for (qreal y = r.top(); y <= r.bottom() + 0.01; y += step)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
}

void field(QPainter& p, const QRectF& r)
{
    p.setPen(outlinePen(Palette::paperEdge));
    p.setBrush(Qt::white);
    p.drawRect(r);
}

void triangle(QPainter& p, const QPointF& a, const QPointF& b, const QPointF& c, const QColor& fill)
{
    p.setPen(outlinePen(darker(fill, 150)));
    p.setBrush(fill);
    p.drawPolygon(QPolygonF() << a << b << c);
}

} // namespace Shapes
