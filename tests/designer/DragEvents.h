#pragma once

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include "designer/MdiChildDialogDummy.h"

#include <memory>

// Drives a widget's drag-and-drop handlers the way a drag over it would,
// without a platform drag: enter, move and drop events carrying `mime`.
namespace DragEvents {

inline QMimeData* withFormat(const QString& format, const QByteArray& data = QByteArray())
{
    auto* mime = new QMimeData;
    mime->setData(format, data);
    return mime;
}

inline bool enter(QWidget* target, const QMimeData* mime, const QPoint& pos, Qt::DropAction action = Qt::CopyAction)
{
    QDragEnterEvent event(pos, action, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
    return event.isAccepted();
}

inline bool move(QWidget* target, const QMimeData* mime, const QPoint& pos, Qt::DropAction action = Qt::CopyAction)
{
    QDragMoveEvent event(pos, action, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
    return event.isAccepted();
}

inline bool drop(QWidget* target, const QMimeData* mime, const QPoint& pos, Qt::DropAction action = Qt::CopyAction)
{
    QDropEvent event(pos, action, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
    return event.isAccepted();
}

// Drags a new control of `type` from the toolbox onto the canvas at `pos`;
// the control placed, or null.
inline QWidget* placeNew(MdiChildDialogDummy* canvas, const QString& type, const QPoint& pos)
{
    std::unique_ptr<QMimeData> mime(withFormat(QStringLiteral("gui/") + type));
    enter(canvas, mime.get(), pos);
    move(canvas, mime.get(), pos);
    drop(canvas, mime.get(), pos);
    return canvas->objects().isEmpty() ? nullptr : canvas->objects().last().widget;
}

} // namespace DragEvents
