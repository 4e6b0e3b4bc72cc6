#include "TQPushButton.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

TQPushButton::TQPushButton(const QString& dragFormat, QWidget* parent)
    : QPushButton(parent)
    , format(dragFormat)
{
}

void TQPushButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QPushButton::mousePressEvent(event);
        return;
    }
    auto* mime = new QMimeData;
    mime->setData(format, QByteArray());
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction);
}
