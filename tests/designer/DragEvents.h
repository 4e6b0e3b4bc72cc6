#pragma once

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

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

} // namespace DragEvents
