#pragma once

#include "DesignObject.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QVector>

class Mnu;
class QDragEnterEvent;
class QDragLeaveEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QMenuBar;
class QMimeData;

// The canvas of the dialog designer: a window that stands for the dialog
// being designed. It draws a dot grid, takes controls dragged from the
// toolbox, lets the user select, move and resize the placed controls, and
// carries the designed dialog's menu bar.
class MdiChildDialogDummy : public QMainWindow {
    Q_OBJECT
public:
    // The handles around the selected control, as numbered in "gui.resize"
    // drags.
    enum class Handle { TopRight = 4, TopLeft = 5, BottomRight = 6, BottomLeft = 7 };
    static constexpr int defaultGridSize = 8;
    static constexpr int gridStep = 2;
    // The grid never leaves this range: snapping divides by its size.
    static constexpr int smallestGridSize = 4;
    static constexpr int largestGridSize = 30;
    static constexpr int minimumControlSize = 10;

    explicit MdiChildDialogDummy(QWidget* parent = nullptr);

    const QList<DesignObject>& objects() const { return objectList; }
    QWidget* selected() const { return selectedWidget; }
    int gridSize() const { return gridPixels; }
    bool isGridVisible() const { return gridVisible; }
    bool isSnapping() const { return snapToGrid; }
    bool isObjectSelectionEnabled() const { return selectionEnabled; }
    QMenuBar* dialogMenuBar() const { return menuBarWidget; }
    Mnu* rootMenu() const { return rootMnu; }

    // Places a control as a drop would, without selecting it; used when a
    // dialog table is read onto the canvas.
    QWidget* placeControl(const QString& type, const QRect& geometry, const QString& text, int tableControl);

    // The controls placed with the mouse become the table's controls
    // numbered from `firstIndex` on, in creation order, once the table that
    // holds them has been written.
    void adoptNewControls(int firstIndex);

    void setPositionLabel(QLabel* label);
    void setSizeLabel(QLabel* label);

public slots:
    void setGridVisible(bool visible);
    void setSnapIn(bool snap);
    void objSelect(bool enabled);
    // One step larger or smaller, never past the range.
    void increaseGridSize();
    void decreaseGridSize();

signals:
    // The widget now selected and its type name; the canvas itself with
    // "window" stands for the dialog.
    void newSelection(QWidget* obj, QString str);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createPreviews();
    void selectWindow();
    const DesignObject* findObject(const QWidget* widget) const;
    // The placed control that owns `watched` (the control or its viewport).
    QWidget* controlOf(QObject* watched) const;
    void watchControl(QWidget* control);
    void startDrag(QWidget* source, const QString& format, const QByteArray& data);
    // Handle under the cursor of the selected control, with its cursor shape.
    bool handleAt(const QPoint& pos, Handle& handle, Qt::CursorShape& shape) const;

    // Drags (DialogDummyDragDrop.cpp).
    bool acceptDrag(QDropEvent* event);
    QWidget* placedSource(const QDropEvent* event) const;
    QPoint snapped(const QPoint& point) const;
    void placeDragWidget(const QPoint& topLeft, const QPoint& cursor);
    bool resizeFromTopLeft(const QPoint& cursor);
    void showPosition(const QPoint& pos);

    QVector<QWidget*> previews; // one per control type, in the toolbox's order
    QPointer<QWidget> dragWidget;
    QString dragType;
    QPointer<QLabel> positionLabel;
    QPointer<QLabel> sizeLabel;
    QWidget* selectedWidget = nullptr;
    bool gridVisible = true;
    bool snapToGrid = true;
    bool selectionEnabled = true;
    int gridPixels = defaultGridSize;
    QList<DesignObject> objectList;
    QMenuBar* menuBarWidget = nullptr;
    Mnu* rootMnu = nullptr;
};
