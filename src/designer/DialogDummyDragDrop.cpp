// The canvas's side of drag and drop: new controls from the toolbox, placed
// controls being moved, and the selected control resized from a handle.
#include "MdiChildDialogDummy.h"

#include "CanvasCommands.h"
#include "ControlWidgets.h"
#include "dialogtable/DesignControlTypes.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QToolTip>
#include <QUndoStack>

namespace {

const QString movedFormat = QStringLiteral("gui.moved");
const QString resizeFormat = QStringLiteral("gui.resize");
constexpr int repaintDelayMs = 100;
const QPoint toolTipOffset(10, 10);

} // namespace

QWidget* MdiChildDialogDummy::placedSource(const QDropEvent* event) const
{
    auto* source = qobject_cast<QWidget*>(event->source());
    if (source)
        return findObject(source) ? source : nullptr;
    // Qt names the source only while a drag started in this process is
    // running; a move or resize is always of the selected control, so a
    // drag that comes without one is taken as that control's.
    const QMimeData* mime = event->mimeData();
    if (selectedWidget && (mime->hasFormat(movedFormat) || mime->hasFormat(resizeFormat)))
        return selectedWidget;
    return nullptr;
}

bool MdiChildDialogDummy::acceptDrag(QDropEvent* event)
{
    const QMimeData* mime = event->mimeData();
    bool isNewControl = false;
    for (int i = 0; i < DesignControlTypes::typeCount(); ++i) {
        const QString name = QLatin1String(DesignControlTypes::controlType(i).name);
        if (mime->hasFormat(DesignControlTypes::dragFormat(name))) {
            dragWidget = previews[i];
            dragType = name;
            isNewControl = true;
            break;
        }
    }
    if (!isNewControl)
        dragWidget = nullptr;
    if (QWidget* source = placedSource(event)) {
        dragWidget = source;
        if (draggedControl != source) {
            draggedControl = source;
            dragStartGeometry = source->geometry();
        }
    } else if (!isNewControl) {
        return false;
    }
    event->acceptProposedAction();
    return true;
}

void MdiChildDialogDummy::dragEnterEvent(QDragEnterEvent* event)
{
    finishDrag();
    if (dragWidget && !findObject(dragWidget))
        dragWidget->hide();
    dragWidget = nullptr;
    acceptDrag(event);
}

QPoint MdiChildDialogDummy::snapped(const QPoint& point) const
{
    if (!snapToGrid)
        return point;
    // Integer division truncates toward zero, so a point left of or above
    // the canvas snaps toward the origin.
    return QPoint(point.x() / gridPixels * gridPixels, point.y() / gridPixels * gridPixels);
}

void MdiChildDialogDummy::placeDragWidget(const QPoint& topLeft, const QPoint& cursor)
{
    const QPoint target = snapped(topLeft);
    dragWidget->move(target);
    dragWidget->show();
    QToolTip::showText(mapToGlobal(cursor) + toolTipOffset, QStringLiteral("(%1,%2)").arg(target.x()).arg(target.y()),
                       this);
    showPosition(cursor);
}

bool MdiChildDialogDummy::resizeFromTopLeft(const QPoint& cursor)
{
    setCursor(Qt::SizeFDiagCursor);
    const QRect old = dragWidget->geometry();
    if (cursor.x() == old.x())
        return false;
    const QPoint topLeft = snapped(cursor);
    // The bottom-right corner stays where it is.
    const int width = qMax(minimumControlSize, old.width() + (old.x() - topLeft.x()));
    const int height = qMax(minimumControlSize, old.height() + (old.y() - topLeft.y()));
    dragWidget->setGeometry(topLeft.x(), topLeft.y(), width, height);
    return true;
}

void MdiChildDialogDummy::dragMoveEvent(QDragMoveEvent* event)
{
    if (!acceptDrag(event))
        return;
    const QMimeData* mime = event->mimeData();
    const QPoint pos = event->position().toPoint();
    if (mime->hasFormat(movedFormat)) {
        const QList<QByteArray> offsets = mime->data(movedFormat).split(' ');
        const int ox = offsets.value(0).toInt();
        const int oy = offsets.value(1).toInt();
        selectedWidget = dragWidget;
        placeDragWidget(pos - QPoint(ox, oy), pos);
    } else if (mime->hasFormat(resizeFormat)) {
        const int handle = mime->data(resizeFormat).toInt();
        // Only the top-left handle resizes; the other three are taken but
        // leave the control as it is.
        if (handle == int(Handle::TopLeft) && !resizeFromTopLeft(pos))
            return;
    } else if (!findObject(dragWidget)) {
        placeDragWidget(pos, pos);
    }
    QTimer::singleShot(repaintDelayMs, this, qOverload<>(&QWidget::update));
}

void MdiChildDialogDummy::finishDrag()
{
    if (draggedControl && draggedControl->geometry() != dragStartGeometry)
        undo->push(new GeometryCommand(draggedControl, dragStartGeometry, draggedControl->geometry()));
    draggedControl = nullptr;
}

void MdiChildDialogDummy::dragLeaveEvent(QDragLeaveEvent* event)
{
    QMainWindow::dragLeaveEvent(event);
    finishDrag();
    if (dragWidget && !findObject(dragWidget)) {
        dragWidget->hide();
        dragWidget = nullptr;
    }
}

void MdiChildDialogDummy::dropEvent(QDropEvent* event)
{
    if (!dragWidget || findObject(dragWidget)) {
        // A moved control was moved live during the drag.
        finishDrag();
        event->acceptProposedAction();
        return;
    }
    const DesignControlTypes::ControlType* type = DesignControlTypes::findByName(dragType);
    QWidget* control = ControlWidgets::create(type->type, this);
    const ControlProperties properties{QString(), nextId(), DesignControlTypes::initialStyles(*type)};
    objectList.append(DesignObject{dragType, control, -1, tableGeneration, {}});
    applyProperties(control, properties);
    undo->push(new PlaceControlCommand(this, control, PlaceControlCommand::Direction::Add));
    emit newSelection(control, dragType);
    control->setGeometry(dragWidget->geometry());
    control->show();
    watchControl(control);
    // The preview would otherwise show through once the control moves away.
    dragWidget->hide();
    dragWidget = nullptr;
    if (selectionEnabled) {
        selectedWidget = control;
        update();
    }
    event->acceptProposedAction();
}
