#pragma once

#include "DesignObject.h"
#include "dialogtable/DialogDesign.h"

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
class QUndoStack;

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
    // Small dialogs are drawn at their own size, down to this.
    static constexpr QSize smallestDialogSize{40, 40};

    explicit MdiChildDialogDummy(QWidget* parent = nullptr);
    ~MdiChildDialogDummy() override;

    const QList<DesignObject>& objects() const { return objectList; }
    QWidget* selected() const { return selectedWidget; }
    int gridSize() const { return gridPixels; }
    bool isGridVisible() const { return gridVisible; }
    bool isSnapping() const { return snapToGrid; }
    bool isObjectSelectionEnabled() const { return selectionEnabled; }
    QMenuBar* dialogMenuBar() const { return menuBarWidget; }
    Mnu* rootMenu() const { return rootMnu; }

    // Every change of the controls and of their properties is one step
    // here: drop, move, resize, delete, property edit; so is every entry of
    // the menu bar added, renamed or deleted.
    QUndoStack* undoStack() const { return undo; }

    // Places a control as a drop would, without selecting it and without an
    // undo step; used when a dialog table is read onto the canvas.
    QWidget* placeControl(const DesignControl& control);

    // The entries of the designed dialog's menu bar, each menu before the
    // entries inside it.
    QVector<DesignMenuEntry> menuEntries() const;
    // Puts the entries of a table's menu bar on the canvas's (each menu
    // before the entries inside it); an entry whose menu is not there is
    // left out.
    void placeMenus(const QVector<DesignMenuEntry>& entries);

    // Removes the selected control as one undo step; false when none is.
    bool deleteSelected();

    // What the property panel shows for a control, or for the dialog when
    // `control` is the canvas itself (only the text, its title, counts).
    ControlProperties properties(const QWidget* control) const;
    // Gives a control (or the dialog) new properties as one undo step;
    // nothing when they are the same.
    void editProperties(QWidget* control, const ControlProperties& after);

    // New controls get ids after this one (the highest of the table the
    // canvas shows) and after every id on the canvas.
    void setHighestTableId(int id) { highestTableId = id; }

    // The table these controls came from has been written: the controls
    // are its controls from now on, those read first in their table's
    // order, then the new ones in the order they were placed; the same for
    // the menu bar's entries, the new ones in menuEntries()' order.
    void adoptWrittenTable();

    // For the undo steps (CanvasCommands.cpp): the place of a control among
    // the objects, taking one off the canvas (hidden, kept) and putting it
    // back, and showing new properties.
    int indexOf(const QWidget* control) const;
    DesignObject takeObject(int index);
    void insertObject(int index, const DesignObject& object);
    void applyProperties(QWidget* control, const ControlProperties& properties);

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
    // A control's (or the dialog's) properties changed by an undo step.
    void propertiesChanged(QWidget* control);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
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
    void showControlMenu(QWidget* control, const QPoint& globalPos);
    int nextId() const;
    // Every entry of the menu bar, each menu before the entries inside it.
    QList<Mnu*> allMenuEntries() const;
    // Handle under the cursor of the selected control, with its cursor shape.
    bool handleAt(const QPoint& pos, Handle& handle, Qt::CursorShape& shape) const;

    // Drags (DialogDummyDragDrop.cpp).
    bool acceptDrag(QDropEvent* event);
    QWidget* placedSource(const QDropEvent* event) const;
    QPoint snapped(const QPoint& point) const;
    void placeDragWidget(const QPoint& topLeft, const QPoint& cursor);
    bool resizeFromTopLeft(const QPoint& cursor);
    void showPosition(const QPoint& pos);
    // Pushes the move or resize of the drag that ends as one undo step.
    void finishDrag();

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
    QUndoStack* undo = nullptr;
    // The placed control a drag moves or resizes, with its geometry before.
    QPointer<QWidget> draggedControl;
    QRect dragStartGeometry;
    int highestTableId = 0;
    // Counts the tables written; a control that comes back from an undo
    // step after its table was written since is a new one.
    int tableGeneration = 0;
    QMenuBar* menuBarWidget = nullptr;
    Mnu* rootMnu = nullptr;
};
