#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

// Building blocks shared by the icon routines. Coordinates are in the 16 x 16
// design box; 0.5 offsets keep 1-pixel outlines on the pixel grid.
namespace Shapes {

QColor darker(const QColor& c, int factor = 150);
QColor lighter(const QColor& c, int factor = 140);

void page(QPainter& p, const QRectF& r);
void pageLines(QPainter& p, const QRectF& r, int count, const QColor& c);
void folder(QPainter& p, const QRectF& r, bool open);
void floppy(QPainter& p, const QRectF& r, const QColor& body);
void disc(QPainter& p, const QPointF& centre, qreal radius, const QColor& fill);
void plus(QPainter& p, const QPointF& centre, qreal half, const QColor& c, qreal width);
void minus(QPainter& p, const QPointF& centre, qreal half, const QColor& c, qreal width);
void cross(QPainter& p, const QPointF& centre, qreal half, const QColor& c, qreal width);
void tick(QPainter& p, const QRectF& r, const QColor& c, qreal width);
void plusBadge(QPainter& p);
void crossBadge(QPainter& p);
void glyph(QPainter& p, const QRectF& r, const QString& text, const QColor& c, qreal pixelSize, bool bold,
           bool italic = false, const char* family = "DejaVu Sans");
void tile(QPainter& p, const QRectF& r, const QColor& fill);
void windowFrame(QPainter& p, const QRectF& r, const QColor& title);
void magnifier(QPainter& p, const QPointF& lens, qreal radius, const QColor& tint);
void arrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& c, qreal width);
void curvedArrow(QPainter& p, bool clockwise, const QColor& c);
void lock(QPainter& p, const QPointF& topLeft, qreal scale);
void gear(QPainter& p, const QPointF& centre, qreal radius, const QColor& c);
void grid(QPainter& p, const QRectF& r, qreal step, const QColor& c);
void field(QPainter& p, const QRectF& r);
void triangle(QPainter& p, const QPointF& a, const QPointF& b, const QPointF& c, const QColor& fill);

} // namespace Shapes
