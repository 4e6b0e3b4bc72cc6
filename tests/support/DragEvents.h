#pragma once

#include "designer/MdiChildDialogDummy.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include <memory>

// Drives a widget's drag-and-drop handlers the way a drag over it would,
// without a platform drag.
namespace DragEvents {

inline std::unique_ptr<QMimeData> withFormat(const QString& format, const QByteArray& data = QByteArray())
{
    auto mime = std::make_unique<QMimeData>();
    mime->setData(format, data);
    return mime;
}

// Sends `target` one event of a drag (QDragEnterEvent, QDragMoveEvent or
// QDropEvent) carrying `mime`; whether the target took it.
template <typename Event>
bool send(QWidget* target, const QMimeData* mime, const QPoint& pos, Qt::DropAction action = Qt::CopyAction)
{
    Event event(pos, action, mime, Qt::LeftButton, Qt::NoModifier);
    event.ignore();
    QApplication::sendEvent(target, &event);
    return event.isAccepted();
}

// A whole drag over `target` that ends at `pos`: enter, move and drop.
inline void dragTo(QWidget* target, const QMimeData* mime, const QPoint& pos, Qt::DropAction action = Qt::CopyAction)
{
    send<QDragEnterEvent>(target, mime, pos, action);
    send<QDragMoveEvent>(target, mime, pos, action);
    send<QDropEvent>(target, mime, pos, action);
}

// Drags a new control of `type` from the toolbox onto the canvas at `pos`;
// the control placed, or null.
inline QWidget* placeNew(MdiChildDialogDummy* canvas, const QString& type, const QPoint& pos)
{
    dragTo(canvas, withFormat(QStringLiteral("gui/") + type).get(), pos);
    return canvas->objects().isEmpty() ? nullptr : canvas->objects().last().widget;
}

} // namespace DragEvents
