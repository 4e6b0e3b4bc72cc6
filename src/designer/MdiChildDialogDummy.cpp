#include "MdiChildDialogDummy.h"

#include "ControlWidgets.h"
#include "Mnu.h"
#include "dialogtable/DesignControlTypes.h"

#include <QAbstractScrollArea>
#include <QCloseEvent>
#include <QDrag>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace {

const char* const canvasIconPath = ":/general/resources/img_assets/frmIcon.png";
const QColor handleColor = Qt::blue;
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
    setMinimumSize(300, 250);
    setAcceptDrops(true);
    setMouseTracking(true);
    createPreviews();
    menuBarWidget = menuBar();
    rootMnu = new Mnu(menuBarWidget, this);
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

QWidget* MdiChildDialogDummy::placeControl(const QString& type, const QRect& geometry, const QString& text,
                                           int tableControl)
{
    const DesignControlTypes::ControlType* known = DesignControlTypes::findByName(type);
    if (!known)
        return nullptr;
    QWidget* control = ControlWidgets::create(known->type, this);
    ControlWidgets::setText(known->type, control, text);
    objectList.append(DesignObject{type, control, tableControl});
    control->setGeometry(geometry);
    control->show();
    watchControl(control);
    return control;
}

void MdiChildDialogDummy::setPositionLabel(QLabel* label)
{
    positionLabel = label;
}

void MdiChildDialogDummy::setSizeLabel(QLabel* label)
{
    sizeLabel = label;
}

void MdiChildDialogDummy::adoptNewControls(int firstIndex)
{
    int next = firstIndex;
    for (DesignObject& object : objectList) {
        if (object.tableControl < 0)
            object.tableControl = next++;
    }
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
    selectWindow();
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
    if (!selectionEnabled || event->type() != QEvent::MouseButtonPress)
        return false;
    QWidget* control = controlOf(watched);
    if (!control)
        return false;
    selectedWidget = control;
    emit newSelection(control, findObject(control)->type);
    update();
    auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() == Qt::LeftButton) {
        const QPoint inControl = static_cast<QWidget*>(watched)->mapTo(control, press->position().toPoint());
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
