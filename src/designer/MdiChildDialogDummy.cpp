#include "MdiChildDialogDummy.h"

#include "CanvasCommands.h"
#include "ControlWidgets.h"
#include "Mnu.h"
#include "dialogtable/DesignControlTypes.h"

#include <QAbstractScrollArea>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUndoStack>

#include <algorithm>
#include <functional>

namespace {

const char* const canvasIconPath = ":/general/resources/img_assets/frmIcon.png";
const QColor handleColor = Qt::blue;
// Controls that draw nothing of their own (an empty label, an icon) show
// this outline instead.
const QColor outlineColor = Qt::darkGray;
constexpr int handleSize = 5;
constexpr qreal handleRadius = 2.0;
// How far outside the selected control's corner the handles react.
constexpr int handleReach = 6;
constexpr int bottomLeftReach = 5;

} // namespace

MdiChildDialogDummy::MdiChildDialogDummy(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Input Request"));
    setWindowIcon(QIcon(QString::fromLatin1(canvasIconPath)));
    setMinimumSize(smallestDialogSize);
    setAcceptDrops(true);
    setMouseTracking(true);
    // Clicks give the canvas the keyboard, so Delete reaches it.
    setFocusPolicy(Qt::ClickFocus);
    createPreviews();
    menuBarWidget = menuBar();
    undo = new QUndoStack(this);
    rootMnu = new Mnu(
        menuBarWidget, [this] { return nextId(); }, undo, this);
}

MdiChildDialogDummy::~MdiChildDialogDummy()
{
    // The steps look at the object list when they go; it must still be there.
    delete undo;
}

void MdiChildDialogDummy::createPreviews()
{
    for (int i = 0; i < DesignControlTypes::typeCount(); ++i) {
        const DesignControlTypes::ControlType& type = DesignControlTypes::controlType(i);
        QWidget* preview = ControlWidgets::create(type.type, this);
        preview->setGeometry(QRect(QPoint(0, 0), DesignControlTypes::defaultSize(type)));
        preview->setAcceptDrops(false);
        preview->hide();
        previews.append(preview);
    }
}

QWidget* MdiChildDialogDummy::placeControl(const DesignControl& control)
{
    const DesignControlTypes::ControlType* known = DesignControlTypes::findByName(control.type);
    if (!known)
        return nullptr;
    QWidget* widget = ControlWidgets::create(known->type, this);
    DesignObject object{control.type, widget, control.tableControl, tableGeneration, {}};
    objectList.append(object);
    applyProperties(widget, ControlProperties{control.text, control.id, control.styles});
    widget->setGeometry(control.geometry);
    widget->show();
    watchControl(widget);
    return widget;
}

int MdiChildDialogDummy::nextId() const
{
    int highest = highestTableId;
    for (const DesignObject& object : objectList)
        highest = qMax(highest, object.properties.id);
    for (const Mnu* entry : allMenuEntries())
        highest = qMax(highest, entry->designEntry().id);
    return highest + 1;
}

QList<Mnu*> MdiChildDialogDummy::allMenuEntries() const
{
    QList<Mnu*> all;
    const std::function<void(const Mnu*)> collect = [&](const Mnu* menu) {
        for (Mnu* entry : menu->entries()) {
            all.append(entry);
            collect(entry);
        }
    };
    collect(rootMnu);
    return all;
}

QVector<DesignMenuEntry> MdiChildDialogDummy::menuEntries() const
{
    QVector<DesignMenuEntry> entries;
    for (const Mnu* entry : allMenuEntries())
        entries.append(entry->designEntry());
    return entries;
}

void MdiChildDialogDummy::placeMenus(const QVector<DesignMenuEntry>& entries)
{
    QHash<int, Mnu*> menus{{0, rootMnu}};
    for (const DesignMenuEntry& entry : entries) {
        if (Mnu* menu = menus.value(entry.parent))
            menus.insert(entry.id, menu->addEntry(entry));
    }
}

int MdiChildDialogDummy::indexOf(const QWidget* control) const
{
    for (int i = 0; i < objectList.size(); ++i) {
        if (objectList[i].widget == control)
            return i;
    }
    return -1;
}

DesignObject MdiChildDialogDummy::takeObject(int index)
{
    DesignObject object = objectList.takeAt(index);
    object.widget->hide();
    if (selectedWidget == object.widget)
        selectWindow();
    return object;
}

void MdiChildDialogDummy::insertObject(int index, const DesignObject& object)
{
    DesignObject placed = object;
    if (placed.tableGeneration != tableGeneration)
        placed.tableControl = -1;
    objectList.insert(qBound(0, index, int(objectList.size())), placed);
    placed.widget->show();
    update();
}

bool MdiChildDialogDummy::deleteSelected()
{
    if (!selectedWidget)
        return false;
    undo->push(new PlaceControlCommand(this, selectedWidget, PlaceControlCommand::Direction::Remove));
    return true;
}

ControlProperties MdiChildDialogDummy::properties(const QWidget* control) const
{
    if (control == this)
        return ControlProperties{windowTitle(), 0, {}};
    const DesignObject* object = findObject(control);
    return object ? object->properties : ControlProperties();
}

void MdiChildDialogDummy::editProperties(QWidget* control, const ControlProperties& after)
{
    const ControlProperties before = properties(control);
    if (after == before || (control != this && !findObject(control)))
        return;
    undo->push(new PropertyCommand(this, control, before, after));
}

void MdiChildDialogDummy::applyProperties(QWidget* control, const ControlProperties& properties)
{
    if (control == this) {
        setWindowTitle(properties.text);
    } else {
        const int index = indexOf(control);
        if (index < 0)
            return;
        objectList[index].properties = properties;
        const DesignControlTypes::Type type = DesignControlTypes::findByName(objectList[index].type)->type;
        ControlWidgets::setText(type, control, properties.text);
        ControlWidgets::applyStyles(type, control, properties.styles);
    }
    update();
    emit propertiesChanged(control);
}

void MdiChildDialogDummy::adoptWrittenTable()
{
    ++tableGeneration;
    QVector<DesignObject*> read;
    QVector<DesignObject*> added;
    for (DesignObject& object : objectList)
        (object.tableControl >= 0 ? read : added).append(&object);
    std::stable_sort(read.begin(), read.end(),
                     [](const DesignObject* a, const DesignObject* b) { return a->tableControl < b->tableControl; });
    int next = 0;
    for (DesignObject* object : read + added) {
        object->tableControl = next++;
        object->tableGeneration = tableGeneration;
    }
    QList<Mnu*> readEntries;
    QList<Mnu*> addedEntries;
    const QList<Mnu*> shown = allMenuEntries();
    for (Mnu* entry : shown)
        (entry->designEntry().tableEntry >= 0 ? readEntries : addedEntries).append(entry);
    // Entries off the bar, kept by undo steps, are new ones if they come back.
    for (Mnu* entry : rootMnu->findChildren<Mnu*>()) {
        if (!shown.contains(entry))
            entry->setTableEntry(-1);
    }
    std::stable_sort(readEntries.begin(), readEntries.end(), [](const Mnu* a, const Mnu* b) {
        return a->designEntry().tableEntry < b->designEntry().tableEntry;
    });
    next = 0;
    for (Mnu* entry : readEntries + addedEntries)
        entry->setTableEntry(next++);
}

void MdiChildDialogDummy::setPositionLabel(QLabel* label)
{
    positionLabel = label;
}

void MdiChildDialogDummy::setSizeLabel(QLabel* label)
{
    sizeLabel = label;
}

void MdiChildDialogDummy::watchControl(QWidget* control)
{
    // Placed controls never take drops themselves (an edit would swallow
    // the drag as text): every drag over the canvas is the canvas's.
    control->setAcceptDrops(false);
    control->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
        area->viewport()->setAcceptDrops(false);
        area->viewport()->installEventFilter(this);
    }
}

const DesignObject* MdiChildDialogDummy::findObject(const QWidget* widget) const
{
    for (const DesignObject& object : objectList) {
        if (object.widget == widget)
            return &object;
    }
    return nullptr;
}

QWidget* MdiChildDialogDummy::controlOf(QObject* watched) const
{
    for (const DesignObject& object : objectList) {
        if (object.widget == watched)
            return object.widget;
        if (auto* area = qobject_cast<QAbstractScrollArea*>(object.widget)) {
            if (area->viewport() == watched)
                return object.widget;
        }
    }
    return nullptr;
}

void MdiChildDialogDummy::setGridVisible(bool visible)
{
    gridVisible = visible;
    update();
}

void MdiChildDialogDummy::setSnapIn(bool snap)
{
    snapToGrid = snap;
}

void MdiChildDialogDummy::objSelect(bool enabled)
{
    selectionEnabled = enabled;
    if (!enabled)
        selectWindow();
}

void MdiChildDialogDummy::increaseGridSize()
{
    gridPixels = qMin(largestGridSize, gridPixels + gridStep);
    update();
}

void MdiChildDialogDummy::decreaseGridSize()
{
    gridPixels = qMax(smallestGridSize, gridPixels - gridStep);
    update();
}

void MdiChildDialogDummy::selectWindow()
{
    selectedWidget = nullptr;
    update();
    emit newSelection(this, QStringLiteral("window"));
}

void MdiChildDialogDummy::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    QPainter painter(this);
    if (gridVisible) {
        for (int x = 0; x <= width(); x += gridPixels) {
            for (int y = 0; y <= height(); y += gridPixels)
                painter.drawPoint(x, y);
        }
    }
    painter.setPen(QPen(outlineColor, 1, Qt::DashLine));
    for (const DesignObject& object : std::as_const(objectList)) {
        if (ControlWidgets::drawsNothing(DesignControlTypes::findByName(object.type)->type, object.widget))
            painter.drawRect(object.widget->geometry().adjusted(0, 0, -1, -1));
    }
    if (!selectedWidget)
        return;
    const QRect g = selectedWidget->geometry();
    painter.setPen(handleColor);
    painter.setBrush(handleColor);
    const QPoint corners[] = {
        {g.x() - 2, g.y() - 5},
        {g.x() + g.width() - 2, g.y() - 5},
        {g.x() - 2, g.y() + g.height() - 1},
        {g.x() + g.width() - 2, g.y() + g.height() - 1},
    };
    for (const QPoint& corner : corners)
        painter.drawRoundedRect(QRectF(corner, QSizeF(handleSize, handleSize)), handleRadius, handleRadius);
}

void MdiChildDialogDummy::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    update();
    if (sizeLabel)
        sizeLabel->setText(QStringLiteral("  %1, %2").arg(width()).arg(height()));
}

void MdiChildDialogDummy::showPosition(const QPoint& pos)
{
    if (positionLabel)
        positionLabel->setText(QStringLiteral("  %1, %2").arg(pos.x()).arg(pos.y()));
}

bool MdiChildDialogDummy::handleAt(const QPoint& pos, Handle& handle, Qt::CursorShape& shape) const
{
    const QRect g = selectedWidget->geometry();
    const int x0 = g.x();
    const int y0 = g.y();
    const int x1 = x0 + g.width();
    const int y1 = y0 + g.height();
    const int mx = pos.x();
    const int my = pos.y();
    if (y0 - handleReach <= my && my <= y0) {
        if (x0 - handleReach <= mx && mx <= x0) {
            handle = Handle::TopLeft;
            shape = Qt::SizeFDiagCursor;
            return true;
        }
        if (x1 <= mx && mx <= x1 + handleReach) {
            handle = Handle::TopRight;
            shape = Qt::SizeBDiagCursor;
            return true;
        }
    } else if (y1 <= my && my <= y1 + handleReach) {
        if (x0 - bottomLeftReach <= mx && mx <= x0) {
            handle = Handle::BottomLeft;
            shape = Qt::SizeBDiagCursor;
            return true;
        }
        if (x1 <= mx && mx <= x1 + handleReach) {
            handle = Handle::BottomRight;
            shape = Qt::SizeFDiagCursor;
            return true;
        }
    }
    return false;
}

void MdiChildDialogDummy::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    showPosition(pos);
    setCursor(Qt::ArrowCursor);
    if (!selectedWidget)
        return;
    Handle handle;
    Qt::CursorShape shape;
    if (!handleAt(pos, handle, shape))
        return;
    setCursor(shape);
    startDrag(selectedWidget, QStringLiteral("gui.resize"), QByteArray::number(int(handle)));
    setCursor(Qt::SizeFDiagCursor);
}

void MdiChildDialogDummy::mousePressEvent(QMouseEvent* event)
{
    QMainWindow::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    selectWindow();
}

void MdiChildDialogDummy::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && deleteSelected())
        return;
    QMainWindow::keyPressEvent(event);
}

void MdiChildDialogDummy::showControlMenu(QWidget* control, const QPoint& globalPos)
{
    QMenu menu(this);
    QAction* remove = menu.addAction(QStringLiteral("Delete"));
    remove->setShortcut(QKeySequence::Delete);
    if (menu.exec(globalPos) == remove && selectedWidget == control)
        deleteSelected();
}

void MdiChildDialogDummy::startDrag(QWidget* source, const QString& format, const QByteArray& data)
{
    auto* mime = new QMimeData;
    mime->setData(format, data);
    auto* drag = new QDrag(source);
    drag->setMimeData(mime);
    drag->exec(Qt::MoveAction);
}

bool MdiChildDialogDummy::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool menu = event->type() == QEvent::ContextMenu;
    if (!selectionEnabled || !(press || menu))
        return false;
    QWidget* control = controlOf(watched);
    if (!control)
        return false;
    if (menu) {
        // The control's own menu (an edit's) would edit the control.
        showControlMenu(control, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    selectedWidget = control;
    setFocus(Qt::MouseFocusReason);
    emit newSelection(control, findObject(control)->type);
    update();
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton) {
        const QPoint inControl = static_cast<QWidget*>(watched)->mapTo(control, mouse->position().toPoint());
        startDrag(control, QStringLiteral("gui.moved"),
                  QByteArray::number(inControl.x()) + ' ' + QByteArray::number(inControl.y()));
    }
    return true;
}

void MdiChildDialogDummy::closeEvent(QCloseEvent* event)
{
    // The designed dialog is not closed from its own title bar; it goes with
    // its designer window.
    event->ignore();
}
